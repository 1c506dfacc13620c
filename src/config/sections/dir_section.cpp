#include "config/sections/dir_section.h"

#include <array>
#include <filesystem>
#include <stdexcept>

#include "config/ini/ini_errors.h"
#include "config/store/config.h"
#include "platform/system_reason.h"
#include "support/text.h"

namespace trv {

const std::array<DirKey, 7>& DirKeys() {
  static constexpr std::array<DirKey, 7> keys = {{
      {"RD", "ReadDir", "READ\\", &Directories::SetReadDir, &Directories::GetReadDir,
       TRV_ABOUT("The directory the terminal program uses for //RPRG and //R.")},
      {"WD", "WriteDir", "WRITE\\", &Directories::SetWriteDir, &Directories::GetWriteDir,
       TRV_ABOUT("The directory the terminal program uses for //WPRG and //W.")},
      {"MD", "MailDir", "MAIL\\", &Directories::SetMailDir, &Directories::GetMailDir,
       TRV_ABOUT("The mailbox directory; the mailbox's own subdirectories are made below it.")},
      {"ID", "ImportDir", "MAIL\\IMPORT\\", &Directories::SetImportDir, &Directories::GetImportDir,
       TRV_ABOUT("The directory for import files.")},
      {"PD", "SevenPlusDir", "7PLUS\\", &Directories::SetSevenPlusDir, &Directories::GetSevenPlusDir,
       TRV_ABOUT("The directory for 7Plus files.")},
      {"SD", "WaveDir", "WAV\\", &Directories::SetWaveDir, &Directories::GetWaveDir,
       TRV_ABOUT("The directory of the wave files: a wave file named without a directory is taken from here.")},
      {"TD", "TempDir", "TEMP\\", &Directories::SetTempDir, &Directories::GetTempDir,
       TRV_ABOUT("The directory for temporary files.")},
  }};
  return keys;
}

const DirKey& DirKeyOf(std::string_view key) {
  for (const DirKey& k : DirKeys())
    if (k.key == key) return k;
  throw std::logic_error("no DIR key " + std::string(key));
}

namespace {

void Create(const Config& config, const std::string& dir) {
  if (config.Options.directoryRequested) config.Options.directoryRequested(dir);
  if (config.Options.readOnly) {
    if (const HostLookup lookup = config.Files.Find(dir); lookup.state == HostLookup::State::Missing)
      config.FoldersNotMade.push_back(std::filesystem::path(lookup.host).lexically_normal().string());
    return;
  }
  // A folder that may be there in another letter case is never made beside it.
  if (const int error = config.Files.CreateDirectory(dir, config.Options.directoriesMade); error != 0)
    throw IniReadError(dir, SystemReason(error));
}

void CreateMailSubdirectories(const Config& config) {
  const Directories& d = config.Dirs;
  for (const auto& dir : {d.GetMailSFDir(), d.GetMailSFExportDir(), d.GetMailSFImportDir(), d.GetMailHelpDir(),
                          d.GetMailNntpDir(), d.GetMailTempDir(), d.GetMailFbbPath(), d.GetMailBCDir()})
    Create(config, dir);
}

}  // namespace

void ReadDirSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) {
    ini.HasKey(kDirSection, "RD");  // the file is read (or refused) before any directory is made
    Directories& d = config.Dirs;
    for (const auto& dir : {d.GetTncDriverDir(), d.GetVoiceDir(), d.GetFilterDir(), d.GetLanguageDir()})
      Create(config, dir);
    for (const DirKey& k : DirKeys()) {
      const std::string def = Join255(d.GetProgramDir(), k.defaultName);
      (d.*k.set)(ReadText(ini, kDirSection, k.key, def, kShortStringMax));
      Create(config, (d.*k.get)());
      if (k.key == "MD") CreateMailSubdirectories(config);
    }
  });
}

IniWrites DirSectionWrites(const Config& config) {
  IniWrites writes;
  for (const DirKey& k : DirKeys()) writes.push_back(IniWrite::Text(kDirSection, k.key, (config.Dirs.*k.get)()));
  return writes;
}

}  // namespace trv
