#include "config/dir_section.h"

#include <array>

#include "config/config.h"
#include "support/text.h"

namespace trv {
namespace {

constexpr std::string_view kSection = "DIR";

}  // namespace

const std::array<DirKey, 7>& DirKeys() {
  static constexpr std::array<DirKey, 7> keys = {{
      {"RD", "ReadDir", "READ\\", &Directories::SetReadDir, &Directories::GetReadDir},
      {"WD", "WriteDir", "WRITE\\", &Directories::SetWriteDir, &Directories::GetWriteDir},
      {"MD", "MailDir", "MAIL\\", &Directories::SetMailDir, &Directories::GetMailDir},
      {"ID", "ImportDir", "MAIL\\IMPORT\\", &Directories::SetImportDir, &Directories::GetImportDir},
      {"PD", "SevenPlusDir", "7PLUS\\", &Directories::SetSevenPlusDir, &Directories::GetSevenPlusDir},
      {"SD", "WaveDir", "WAV\\", &Directories::SetWaveDir, &Directories::GetWaveDir},
      {"TD", "TempDir", "TEMP\\", &Directories::SetTempDir, &Directories::GetTempDir},
  }};
  return keys;
}

namespace {

void Create(const Config& config, const std::string& dir) {
  if (config.Options.directoryRequested) config.Options.directoryRequested(dir);
  if (!config.Options.readOnly) config.Files.CreateDirectory(dir);
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
    ini.HasKey(kSection, "RD");  // the file is read (or refused) before any directory is made
    Directories& d = config.Dirs;
    for (const auto& dir : {d.GetTncDriverDir(), d.GetVoiceDir(), d.GetFilterDir(), d.GetLanguageDir()})
      Create(config, dir);
    for (const DirKey& k : DirKeys()) {
      const std::string def = Join255(d.GetProgramDir(), k.defaultName);
      (d.*k.set)(ReadText(ini, kSection, k.key, def, kShortStringMax));
      Create(config, (d.*k.get)());
      if (k.key == "MD") CreateMailSubdirectories(config);
    }
  });
}

void WriteDirSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) {
    for (const DirKey& k : DirKeys()) ini.WriteString(kSection, k.key, (config.Dirs.*k.get)());
  });
}

}  // namespace trv
