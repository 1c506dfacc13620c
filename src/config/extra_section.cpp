#include "config/extra_section.h"

#include "config/setting_tables.h"

namespace trv {

void ReadExtraSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { ReadSettings<ExtraSettings>(ini, kExtraSettings, config.Extra); });
}

void WriteExtraSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { WriteSettings<ExtraSettings>(ini, kExtraSettings, config.Extra); });
}

}  // namespace trv
