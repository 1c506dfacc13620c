#include "config/sections/display_section.h"

#include "config/settings/setting_tables.h"

namespace trv {

void ReadDisplaySection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { ReadSettings<DisplaySettings>(ini, kDisplaySettings, config.Display); });
}

IniWrites DisplaySectionWrites(const Config& config) {
  IniWrites writes;
  AppendWrites<DisplaySettings>(writes, kDisplaySettings, config.Display);
  return writes;
}

void ReadLanguageSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { ReadSettings<LanguageSettings>(ini, kLanguageSettings, config.Language); });
}

IniWrites LanguageSectionWrites(const Config& config) {
  IniWrites writes;
  AppendWrites<LanguageSettings>(writes, kLanguageSettings, config.Language);
  return writes;
}

}  // namespace trv
