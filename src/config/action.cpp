// One user action on TARVO.INI: one read, one replacement.
#include "config/backup.h"
#include "config/config.h"
#include "config/ini_errors.h"
#include "config/ini_operation.h"
#include "platform/atomic_file_writer.h"

namespace trv {
namespace {

// Before the run's first replacement of an existing file, that file as read becomes TARVO.BAK
// (with its permissions); a refused backup refuses the write.
void KeepBackup(const Config& config, TIniFile& ini, std::string_view bytes, const FileIdentity& read) {
  if (!read.exists) return;
  const std::string shown = BackupFilePath(config);
  const std::string host = config.Files.ToHost(shown).value_or(std::string());
  FileWriter& writer = config.Options.writer != nullptr ? *config.Options.writer : DefaultFileWriter();
  const WriteResult result = writer.WriteCopy(host, bytes, ini.HostPath());
  if (result.outcome != WriteResult::Outcome::Written) throw IniWriteError(shown, SystemReason(result.error));
  config.Backup.kept = true;
}

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
    if (KeepsBackup(config))
      ini.SetBeforeReplace(
          [&](std::string_view bytes, const FileIdentity& read) { KeepBackup(config, ini, bytes, read); });
    const TIniFile::CommitResult result = ini.Commit(true);
    if (result == TIniFile::CommitResult::Written) config.Backup.decided = true;
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
