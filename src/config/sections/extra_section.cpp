#include "config/sections/extra_section.h"

#include "config/settings/setting_tables.h"

namespace trv {

void ReadExtraSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { ReadSettings<ExtraSettings>(ini, kExtraSettings, config.Extra); });
}

IniWrites ExtraSectionWrites(const Config& config) {
  IniWrites writes;
  AppendWrites<ExtraSettings>(writes, kExtraSettings, config.Extra);
  return writes;
}

}  // namespace trv
