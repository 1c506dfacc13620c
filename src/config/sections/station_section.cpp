#include "config/sections/station_section.h"

#include "config/settings/setting_tables.h"

namespace trv {

void ReadStationSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { ReadSettings<StationSettings>(ini, kStationSettings, config.Station); });
}

void WriteStationSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { WriteSettings<StationSettings>(ini, kStationSettings, config.Station); });
}

}  // namespace trv
