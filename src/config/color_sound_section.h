#pragma once
// The COLOR section (with the per-port monitor header keys) and the SOUND section with
// its three switches in the EXTRA section.
#include <array>
#include <string_view>

#include "config/records.h"

namespace trv {

class Config;
struct Finding;

void ReadColorSection(Config& config);
void WriteColorSection(Config& config);
void ReadSoundSection(Config& config);
void WriteSoundSection(Config& config);
// A per-port header colour key that reading added: every file older than those keys lacks them.
bool IsAddedPortColorKey(const Finding& finding);

inline constexpr std::array<std::string_view, kWaveCount> kWaveKeys = {"STARTUP", "CONNECT", "DISCON", "RECON",
                                                                       "LFAIL",   "RING",    "CTRLG"};

}  // namespace trv
