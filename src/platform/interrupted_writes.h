#pragma once
// What a killed writer can leave behind, and how the next one finishes or removes it. Called
// under the directory lock, which our writers hold from their read to their rename: any
// temporary file of ours found then belongs to a run that died.
#include <string>

namespace trv {

// The backup beside an INI file: its name with the extension .BAK (an existing file of that
// name in another letter case is taken).
std::string BackupBeside(const std::string& hostIni);
// Where a restore keeps the replaced file until the backup holds it.
std::string RestoreJournalOf(const std::string& hostIni);
// Finishes a restore that was stopped half way: when the file no longer holds what the journal
// holds, the file has the backup's bytes and the journal becomes the backup; otherwise the
// restore had not begun. The journal goes either way.
void FinishInterruptedRestore(const std::string& hostIni, const std::string& hostBackup);
// Removes the temporary files (".NAME.XXXXXX") our writers make for the file, its backup and
// the restore journal.
void RemoveStaleTemporaries(const std::string& hostIni, const std::string& hostBackup);
// Both, for the file and its backup.
void TidyAfterInterruptedRuns(const std::string& hostIni);

}  // namespace trv
