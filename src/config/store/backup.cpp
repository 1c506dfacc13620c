#include "config/store/backup.h"

#include <unistd.h>

#include <cstring>

#include "config/ini/ini_errors.h"
#include "config/ini/ini_operation.h"
#include "config/store/config.h"
#include "config/store/folder_lock.h"
#include "platform/atomic_file_writer.h"
#include "platform/directory_lock.h"
#include "platform/file_reader.h"
#include "platform/interrupted_writes.h"

namespace trv {
namespace {

FileContents ReadOrThrow(FileReader& reader, const std::string& hostPath, const std::string& shownPath) {
  FileContents contents = reader.Read(hostPath);
  if (contents.state == FileContents::State::NotRegular) throw IniReadError(shownPath, "not a regular file");
  if (contents.state == FileContents::State::Failed) throw IniReadError(shownPath, SystemReason(contents.error));
  return contents;
}

struct RestorePaths {
  std::string fileShown, backupShown, fileHost, backupHost;
};

// Where the file system cannot swap two names: the file goes into the journal first, then
// the backup replaces it, then the journal becomes the backup.
WriteResult RestoreThroughJournal(FileWriter& writer, const RestorePaths& p, const FileContents& backup,
                                  const FileContents& current) {
  const std::string journal = RestoreJournalOf(p.fileHost);
  const WriteResult kept = writer.WriteCopy(journal, current.bytes, p.fileHost);
  if (kept.outcome != WriteResult::Outcome::Written) throw IniWriteError(p.backupShown, SystemReason(kept.error));
  const WriteResult put = writer.Replace(p.fileHost, backup.bytes, current.bytes, current.identity);
  if (put.outcome != WriteResult::Outcome::Written) {
    ::unlink(journal.c_str());
    return put;
  }
  const WriteResult swapped = writer.WriteCopy(p.backupHost, current.bytes, p.fileHost);
  if (swapped.outcome != WriteResult::Outcome::Written) {
    // The replaced file is in the journal: put it back rather than leave half a restore.
    if (writer.Replace(p.fileHost, current.bytes, backup.bytes, IdentityOf(p.fileHost)).outcome ==
        WriteResult::Outcome::Written)
      ::unlink(journal.c_str());
    throw IniWriteError(p.backupShown, SystemReason(swapped.error));
  }
  ::unlink(journal.c_str());
  return put;
}

}  // namespace

std::string BackupFilePath(const Config& config) { return config.Dirs.GetProgramDir() + "TARVO.BAK"; }

bool RestoreBackup(const Config& config) {
  RestorePaths p;
  p.fileShown = config.ConfigFilePath();
  p.backupShown = BackupFilePath(config);
  p.fileHost = config.Files.ToHost(p.fileShown).value_or(std::string());
  p.backupHost = config.Files.ToHost(p.backupShown).value_or(std::string());
  if (p.fileHost.empty()) throw IniReadError(p.fileShown, "the path is on no drive of this machine");
  const auto lock = LockFolderOf(p.fileHost, config.Options.lockWaiting);
  TidyBeforeWriting(p.fileHost, p.fileShown);
  FileWriter& writer = config.Options.writer != nullptr ? *config.Options.writer : DefaultFileWriter();
  FileReader& reader = config.Options.reader != nullptr ? *config.Options.reader : DefaultFileReader();
  for (int attempt = 0; attempt < kOperationAttempts; ++attempt) {
    const FileContents backup = ReadOrThrow(reader, p.backupHost, p.backupShown);
    if (backup.state == FileContents::State::Missing) return false;
    const FileContents current = ReadOrThrow(reader, p.fileHost, p.fileShown);
    const bool exists = current.state == FileContents::State::Read;
    if (exists && current.bytes == backup.bytes) return true;
    WriteResult result;
    if (!exists) {
      result = writer.Replace(p.fileHost, backup.bytes, current.bytes, current.identity);  // nothing to keep
    } else {
      result = writer.Exchange(p.fileHost, p.backupHost, current.bytes, current.identity);
      if (result.outcome == WriteResult::Outcome::Unsupported)
        result = RestoreThroughJournal(writer, p, backup, current);
    }
    if (result.outcome == WriteResult::Outcome::FileChanged) continue;
    if (result.outcome != WriteResult::Outcome::Written) throw IniWriteError(p.fileShown, SystemReason(result.error));
    return true;
  }
  throw IniWriteError(p.fileShown, "another program kept changing the file");
}

}  // namespace trv
