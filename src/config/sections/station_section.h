#pragma once
// The STATION section: callsign and locator.
#include "config/ini/ini_write.h"

namespace trv {

class Config;

void ReadStationSection(Config& config);
// The keys the section is written with, from the records as they are.
IniWrites StationSectionWrites(const Config& config);

}  // namespace trv
