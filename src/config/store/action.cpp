// One user action on TARVO.INI: one read, one replacement.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "config/ini/ini_errors.h"
#include "config/ini/ini_operation.h"
#include "config/store/backup.h"
#include "config/store/config.h"
#include "platform/atomic_file_writer.h"
#include "platform/interrupted_writes.h"
#include "platform/system_reason.h"

namespace trv {
namespace {

// The backup of the run's first write: the file as read, flushed to the pending backup before
// the file is replaced and renamed to TARVO.BAK after it, so that a refused write leaves
// TARVO.BAK as it was. Removed again unless the file was replaced; a kill between the two
// renames is finished by the next run (TidyAfterInterruptedRuns).
class PendingBackup {
 public:
  ~PendingBackup() {
    if (!pending_.empty()) ::unlink(pending_.c_str());
  }
  // A refused backup refuses the write.
  void Keep(const Config& config, FileWriter& writer, TIniFile& ini, std::string_view bytes, const FileIdentity& read) {
    if (!read.exists) return;
    shown_ = BackupFilePath(config);
    backup_ = HostPathToWrite(config, shown_);
    if (backup_.empty()) throw IniWriteError(shown_, "the path is on no drive of this machine");
    struct stat st {};
    if (::lstat(backup_.c_str(), &st) == 0 && S_ISDIR(st.st_mode))  // it could not be renamed there
      throw IniWriteError(shown_, SystemReason(EISDIR));
    const std::string pending = PendingBackupOf(backup_);
    // One that the tidying up could not rename may be the only copy of an earlier file.
    if (::lstat(pending.c_str(), &st) == 0 && !RenameFlushed(pending, backup_))
      throw IniWriteError(shown_, SystemReason(errno));
    CheckWritten(writer.WriteCopy(pending, bytes, ini.HostPath()), shown_);
    pending_ = pending;
  }
  // The file was replaced: the pending backup becomes TARVO.BAK. When that rename fails, the
  // write stands, `warning` is told, and the next run finishes it.
  bool Finish(const std::function<void(const std::string&)>& warning) {
    if (pending_.empty()) return false;
    if (!RenameFlushed(pending_, backup_) && warning)
      warning(shown_ + " was not updated (" + SystemReason(errno) + "); the next run puts it in place");
    pending_.clear();  // kept for the next run
    return true;
  }

 private:
  std::string shown_, backup_, pending_;
};

bool KeepsBackup(const Config& config) {
  const StoreOptions& o = config.Options;
  return o.keepBackup && !config.Backup.decided && o.otherFile.empty() && !o.readOnly;
}

// The write of an action: the file replaced as it is made, the run's first write keeping the
// file as read as TARVO.BAK.
TIniFile::CommitResult WriteKeepingBackup(const Config& config, FileWriter& writer, TIniFile& ini) {
  PendingBackup backup;
  if (KeepsBackup(config))
    ini.SetBeforeReplace(
        [&](std::string_view bytes, const FileIdentity& read) { backup.Keep(config, writer, ini, bytes, read); });
  const TIniFile::CommitResult result = ini.Commit(true);
  if (result == TIniFile::CommitResult::Written) {
    config.Backup.decided = true;
    config.Backup.kept = backup.Finish(config.Options.warning);
  }
  return result;
}

// An action on its own: one transaction on the configuration file. `records`, when given, are
// put back as they were before a run again.
void RunTransactionOf(const Config& config, Config* records, const std::function<void(TIniFile&)>& body) {
  const IniTransactionFile file = ConfigTransactionFile(config);
  std::optional<Config> kept;
  if (records != nullptr) {
    kept.emplace(config.Files);
    kept->CopySettingsFrom(*records);
  }
  RunIniTransaction(file, config.Options.readOnly ? IniTransactionKind::Read : IniTransactionKind::Write,
                    {.body =
                         [&](TIniFile& ini) {
                           const ActionScope scope(config, &ini);
                           body(ini);
                         },
                     .write = [&](TIniFile& ini) { return WriteKeepingBackup(config, file.writer, ini); },
                     .again =
                         [&] {
                           if (records != nullptr) records->CopySettingsFrom(*kept);
                         }});
}

}  // namespace

void RunAction(Config& config, const std::function<void(TIniFile&)>& body) {
  if (config.Action != nullptr) {
    body(*config.Action);
    return;
  }
  RunTransactionOf(config, &config, body);
}

void RunOperation(const Config& config, const std::function<void(TIniFile&)>& body) {
  if (config.Action != nullptr) {
    body(*config.Action);
    return;
  }
  RunTransactionOf(config, nullptr, body);
}

DryRun RunDryAction(const Config& config, const std::function<void(TIniFile&)>& body) {
  DryRun dry;
  RunIniTransaction(ConfigTransactionFile(config), IniTransactionKind::DryRun, {.body = [&](TIniFile& ini) {
                      {
                        const ActionScope scope(config, &ini);
                        body(ini);
                      }
                      dry = DryRun{ini.OriginalBytes(), ini.Result()};
                    }});
  return dry;
}

}  // namespace trv
