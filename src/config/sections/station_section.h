#pragma once
// The STATION section: callsign and locator.
namespace trv {

class Config;

void ReadStationSection(Config& config);
void WriteStationSection(Config& config);

}  // namespace trv
