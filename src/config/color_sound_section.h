#pragma once
// The COLOR section (with the per-port monitor header keys) and the SOUND section with
// its three switches in the EXTRA section.
#include <array>
#include <string_view>

#include "config/records.h"

namespace trv {

class Config;

void ReadColorSection(Config& config);
void WriteColorSection(Config& config);
void ReadSoundSection(Config& config);
void WriteSoundSection(Config& config);

inline constexpr std::array<std::string_view, kWaveCount> kWaveKeys = {"STARTUP", "CONNECT", "DISCON", "RECON",
                                                                       "LFAIL",   "RING",    "CTRLG"};

}  // namespace trv
