#include "platform/interrupted_writes.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

#include "platform/atomic_file_writer.h"
#include "platform/checked_swap.h"
#include "platform/file_reader.h"
#include "platform/folder_entries.h"
#include "platform/temporary_files.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::toupper(x) == std::toupper(y);
         });
}

std::string DirOf(const std::string& hostPath) {
  const fs::path dir = fs::path(hostPath).parent_path();
  return dir.empty() ? "." : dir.string();
}

std::string NameOf(const std::string& hostPath) { return fs::path(hostPath).filename().string(); }

// The backup beside the file: its name with the extension .BAK, the exact name when it is
// there, else one in another letter case.
std::string BackupIn(const FolderEntries& entries, const std::string& hostIni) {
  const std::string name = fs::path(hostIni).stem().string() + ".BAK";
  const fs::path dir = fs::path(hostIni).parent_path();
  if (std::find(entries.names.begin(), entries.names.end(), name) == entries.names.end())
    for (const std::string& entry : entries.names)
      if (EqualNoCase(entry, name)) return (dir / entry).string();
  return (dir / name).string();
}

void FinishInterruptedRestore(const std::string& hostIni, const std::string& hostBackup) {
  const std::string journal = RestoreJournalOf(hostIni);
  const FileContents kept = DefaultFileReader().Read(journal);
  if (kept.state != FileContents::State::Read) return;  // none, or not ours to touch
  const FileContents now = DefaultFileReader().Read(hostIni);
  if (now.state == FileContents::State::Read && now.bytes != kept.bytes &&
      WriteNewFile(hostBackup, kept.bytes, hostIni).outcome != WriteResult::Outcome::Written)
    return;  // the journal stays until the backup can be written
  ::unlink(journal.c_str());
}

// The pending backup holds the file as it was before a write: while the file still holds the
// same bytes, that write never replaced it and the backup stays as it was.
void FinishInterruptedBackup(const std::string& hostIni, const std::string& hostBackup) {
  const std::string pending = PendingBackupOf(hostBackup);
  const FileContents kept = DefaultFileReader().Read(pending);
  if (kept.state != FileContents::State::Read) return;
  const FileContents now = DefaultFileReader().Read(hostIni);
  if (now.state == FileContents::State::Read && now.bytes == kept.bytes) {
    ::unlink(pending.c_str());
  } else if (now.state != FileContents::State::Failed) {
    RenameFlushed(pending, hostBackup);
  }
}

Tidied Tidy(const std::string& hostIni, bool finish) {
  const std::string dir = DirOf(hostIni);
  const FolderEntries entries = ListFolder(dir);
  if (entries.error != 0) return {entries.error, dir};
  const std::string backup = BackupIn(entries, hostIni);
  if (finish) {
    FinishInterruptedRestore(hostIni, backup);
    FinishInterruptedBackup(hostIni, backup);
  }
  const std::string target = FileBehindLinks(hostIni);  // a symlinked file is written beside its target
  const std::vector<std::string> kept = SortOutDisplacedFiles(target);
  const std::vector<std::string> names = {NameOf(hostIni), NameOf(backup), NameOf(RestoreJournalOf(hostIni)),
                                          NameOf(PendingBackupOf(backup))};
  if (const int error = RemoveUnheldTemporaries(dir, names); error != 0) return {error, dir, kept};
  if (target != hostIni) {
    if (const int error = RemoveUnheldTemporaries(DirOf(target), {NameOf(target)}); error != 0)
      return {error, DirOf(target), kept};
  }
  return {0, {}, kept};
}

}  // namespace

std::string RestoreJournalOf(const std::string& hostIni) {
  const fs::path ini(hostIni);
  return (ini.parent_path() / ("." + ini.filename().string() + ".restore")).string();
}

std::string PendingBackupOf(const std::string& hostBackup) {
  const fs::path backup(hostBackup);
  return (backup.parent_path() / ("." + backup.filename().string() + ".pending")).string();
}

Tidied TidyAfterInterruptedRuns(const std::string& hostIni) { return Tidy(hostIni, true); }

Tidied RemoveLeftTemporaries(const std::string& hostIni) { return Tidy(hostIni, false); }

}  // namespace trv
