#include "config/sections/station_section.h"

#include "config/settings/setting_tables.h"

namespace trv {

void ReadStationSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { ReadSettings<StationSettings>(ini, kStationSettings, config.Station); });
}

IniWrites StationSectionWrites(const Config& config) {
  IniWrites writes;
  AppendWrites<StationSettings>(writes, kStationSettings, config.Station);
  return writes;
}

}  // namespace trv
