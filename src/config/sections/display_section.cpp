#include "config/sections/display_section.h"

#include "config/settings/setting_tables.h"

namespace trv {

void ReadDisplaySection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { ReadSettings<DisplaySettings>(ini, kDisplaySettings, config.Display); });
}

void WriteDisplaySection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { WriteSettings<DisplaySettings>(ini, kDisplaySettings, config.Display); });
}

void ReadLanguageSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { ReadSettings<LanguageSettings>(ini, kLanguageSettings, config.Language); });
}

void WriteLanguageSection(Config& config) {
  RunOperation(config,
               [&](TIniFile& ini) { WriteSettings<LanguageSettings>(ini, kLanguageSettings, config.Language); });
}

}  // namespace trv
