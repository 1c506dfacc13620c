// One user action on TARVO.INI: one read, one replacement.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "config/ini/ini_errors.h"
#include "config/ini/ini_operation.h"
#include "config/store/backup.h"
#include "config/store/config.h"
#include "platform/atomic_file_writer.h"
#include "platform/interrupted_writes.h"

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
  void Keep(const Config& config, TIniFile& ini, std::string_view bytes, const FileIdentity& read) {
    if (!read.exists) return;
    shown_ = BackupFilePath(config);
    backup_ = config.Files.ToHost(shown_).value_or(std::string());
    if (backup_.empty()) throw IniWriteError(shown_, "the path is on no drive of this machine");
    struct stat st {};
    if (::lstat(backup_.c_str(), &st) == 0 && S_ISDIR(st.st_mode))  // it could not be renamed there
      throw IniWriteError(shown_, SystemReason(EISDIR));
    const std::string pending = PendingBackupOf(backup_);
    // One that the tidying up could not rename may be the only copy of an earlier file.
    if (::lstat(pending.c_str(), &st) == 0 && !RenameFlushed(pending, backup_))
      throw IniWriteError(shown_, SystemReason(errno));
    FileWriter& writer = config.Options.writer != nullptr ? *config.Options.writer : DefaultFileWriter();
    const WriteResult result = writer.WriteCopy(pending, bytes, ini.HostPath());
    if (result.outcome != WriteResult::Outcome::Written) throw IniWriteError(shown_, SystemReason(result.error));
    pending_ = pending;
  }
  // The file was replaced: the pending backup becomes TARVO.BAK. When that rename fails, the
  // next run finishes it.
  bool Finish() {
    if (pending_.empty()) return false;
    RenameFlushed(pending_, backup_);
    pending_.clear();
    return true;
  }

 private:
  std::string shown_, backup_, pending_;
};

bool KeepsBackup(const Config& config) {
  const StoreOptions& o = config.Options;
  return o.keepBackup && !config.Backup.decided && o.otherFile.empty() && !o.readOnly;
}

}  // namespace

void RunAction(const Config& config, const std::function<void(TIniFile&)>& body) {
  if (config.Action != nullptr) {
    body(*config.Action);
    return;
  }
  const auto open = [&config] { return OpenConfigFile(config); };
  const auto scoped = [&](TIniFile& ini) {
    const ActionScope scope(config, &ini);
    body(ini);
  };
  RunIniOperation(open, scoped, config.Options.findings, [&config](TIniFile& ini) {
    PendingBackup backup;
    if (KeepsBackup(config))
      ini.SetBeforeReplace(
          [&](std::string_view bytes, const FileIdentity& read) { backup.Keep(config, ini, bytes, read); });
    const TIniFile::CommitResult result = ini.Commit(true);
    if (result == TIniFile::CommitResult::Written) {
      config.Backup.decided = true;
      config.Backup.kept = backup.Finish();
    }
    return result;
  });
}

DryRun RunDryAction(const Config& config, const std::function<void(TIniFile&)>& body) {
  const std::unique_ptr<TIniFile> ini = OpenConfigFile(config);
  ini->SetReadOnly(false);  // writes go into the document, which is never written
  ini->SetDryRun(true);
  {
    const ActionScope scope(config, ini.get());
    body(*ini);
  }
  return DryRun{ini->OriginalBytes(), ini->Result()};
}

}  // namespace trv
