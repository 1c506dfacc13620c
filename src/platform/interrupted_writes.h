#pragma once
// What a killed writer can leave behind, and how the next run finishes or removes it. Our
// writers hold the folder lock from their read to their rename: a file of ours found by a run
// that holds the lock belongs to a run that died. Temporary files are also held by their
// writer (temporary_files.h), so that a sweep never removes one that is being written.
#include <string>
#include <vector>

namespace trv {

// Where a restore keeps the replaced file until the backup holds it.
std::string RestoreJournalOf(const std::string& hostIni);
// Where a write keeps the new backup (the file as it was) from before the file's rename until
// it is renamed to the backup, after it.
std::string PendingBackupOf(const std::string& hostBackup);

struct Tidied {
  int error = 0;    // errno of a folder that exists but could not be listed; 0 when all went
  std::string dir;  // that folder (host path)
  // Displaced files (checked_swap.h) that a run killed after its swap left: each may hold
  // another program's write, so it is kept, and named here for the user (host paths).
  std::vector<std::string> kept = {};
};

// For a writer, under the folder lock: finishes a restore stopped half way (when the file no
// longer holds what the journal holds, the file has the backup's bytes and the journal becomes
// the backup; otherwise the restore had not begun), finishes a backup whose write was stopped
// after the file's rename (the pending backup becomes the backup when the file no longer
// holds it, and goes when it does), removes a displaced file that never took the file's
// place and names the others, and removes the temporary files of the file, its backup,
// the journal and the pending backup, and of the file a symlink leads to beside it.
Tidied TidyAfterInterruptedRuns(const std::string& hostIni);
// For a reader: only the temporary files that nobody holds (and displaced files as above);
// nothing is renamed or finished.
Tidied RemoveLeftTemporaries(const std::string& hostIni);

}  // namespace trv
