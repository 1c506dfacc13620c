#include "config/store/backup.h"

#include <unistd.h>

#include <cstring>

#include "config/ini/ini_errors.h"
#include "config/ini/ini_operation.h"
#include "config/store/config.h"
#include "platform/atomic_file_writer.h"
#include "platform/file_reader.h"
#include "platform/interrupted_writes.h"
#include "platform/system_reason.h"

namespace trv {
namespace {

struct RestorePaths {
  std::string fileShown, backupShown, fileHost, backupHost;
};

// Where the file system cannot swap two names: the file goes into the journal first, then
// the backup replaces it, then the journal becomes the backup.
WriteResult RestoreThroughJournal(FileWriter& writer, const RestorePaths& p, std::string_view backup,
                                  std::string_view current, const FileIdentity& read) {
  const std::string journal = RestoreJournalOf(p.fileHost);
  CheckWritten(writer.WriteCopy(journal, current, p.fileHost), p.backupShown);
  const WriteResult put = writer.Replace(p.fileHost, backup, current, read);
  if (put.outcome != WriteResult::Outcome::Written) {
    ::unlink(journal.c_str());
    return put;
  }
  const WriteResult swapped = writer.WriteCopy(p.backupHost, current, p.fileHost);
  if (swapped.outcome != WriteResult::Outcome::Written) {
    // The replaced file is in the journal: put it back rather than leave half a restore.
    if (writer.Replace(p.fileHost, current, backup, IdentityOf(p.fileHost)).outcome == WriteResult::Outcome::Written)
      ::unlink(journal.c_str());
    CheckWritten(swapped, p.backupShown);
  }
  ::unlink(journal.c_str());
  return put;
}

// Puts the backup in place of the file as read; the file as read becomes the backup.
WriteResult Restore(FileWriter& writer, const RestorePaths& p, std::string_view backup, TIniFile& ini) {
  const std::string& current = ini.OriginalBytes();
  const FileIdentity& read = ini.IdentityAsRead();
  if (!read.exists) return writer.Replace(p.fileHost, backup, current, read);  // nothing to keep
  const WriteResult result = writer.Exchange(p.fileHost, p.backupHost, current, read);
  if (result.outcome != WriteResult::Outcome::Unsupported) return result;
  return RestoreThroughJournal(writer, p, backup, current, read);
}

}  // namespace

std::string BackupFilePath(const Config& config) { return config.Dirs.GetProgramDir() + "TARVO.BAK"; }

bool RestoreBackup(const Config& config) {
  RestorePaths p;
  p.fileShown = config.ConfigFilePath();
  p.backupShown = BackupFilePath(config);
  p.fileHost = HostPathToWrite(config, p.fileShown);
  p.backupHost = HostPathToWrite(config, p.backupShown);
  if (p.fileHost.empty()) throw IniReadError(p.fileShown, "the path is on no drive of this machine");
  IniTransactionFile file = TransactionFileOf(config, p.fileHost, p.fileShown);
  file.findings = nullptr;
  FileContents backup;
  RunIniTransaction(file, IniTransactionKind::Write,
                    {.body =
                         [&](TIniFile&) {
                           backup = file.reader.Read(p.backupHost);
                           if (backup.state == FileContents::State::NotRegular)
                             throw IniReadError(p.backupShown, "not a regular file");
                           if (backup.state == FileContents::State::Failed)
                             throw IniReadError(p.backupShown, SystemReason(backup.error));
                         },
                     .write =
                         [&](TIniFile& ini) {
                           if (backup.state == FileContents::State::Missing) return TIniFile::CommitResult::Unchanged;
                           if (ini.FileExisted() && ini.OriginalBytes() == backup.bytes)
                             return TIniFile::CommitResult::Unchanged;
                           return WrittenUnlessChanged(Restore(file.writer, p, backup.bytes, ini), p.fileShown)
                                      ? TIniFile::CommitResult::Written
                                      : TIniFile::CommitResult::FileChanged;
                         }});
  return backup.state != FileContents::State::Missing;
}

}  // namespace trv
