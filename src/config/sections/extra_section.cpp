#include "config/sections/extra_section.h"

#include "config/settings/setting_tables.h"

namespace trv {

void ReadExtraSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { ReadSettings<ExtraSettings>(ini, kExtraSettings, config.Extra); });
}

void WriteExtraSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { WriteSettings<ExtraSettings>(ini, kExtraSettings, config.Extra); });
}

}  // namespace trv
