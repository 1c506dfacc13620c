#pragma once
// The COLOR section (its screen elements are declared in screen_elements.h) and the SOUND
// section with its three switches in the EXTRA section.
#include <array>
#include <string_view>

#include "config/settings/setting_table.h"
#include "config/store/records.h"

namespace trv {

class Config;

void ReadColorSection(Config& config);
// The keys the section is written with, from the records as they are.
IniWrites ColorSectionWrites(const Config& config);
void ReadSoundSection(Config& config);
// The keys the section is written with, from the records as they are.
IniWrites SoundSectionWrites(const Config& config);

inline constexpr std::string_view kColorSection = "COLOR";
inline constexpr std::string_view kSoundSection = "SOUND";

// The wave file of a sound event, in the order of the Sound page's list.
struct WaveKey {
  std::string_view key;
  std::string_view def;
  std::string_view about;
};
inline constexpr std::array<WaveKey, kWaveCount> kWaveKeys = {{
    {"STARTUP", "STARTUP.WAV", TRV_ABOUT("The wave file played for the sound event \"Startup\".")},
    {"CONNECT", "", TRV_ABOUT("The wave file played for the sound event \"Connect\".")},
    {"DISCON", "", TRV_ABOUT("The wave file played for the sound event \"Disconnect\".")},
    {"RECON", "", TRV_ABOUT("The wave file played for the sound event \"Reconnect\".")},
    {"LFAIL", "", TRV_ABOUT("The wave file played for the sound event \"Link failure\".")},
    {"RING", "", TRV_ABOUT("The wave file played for the sound event \"Ring\".")},
    {"CTRLG", "", TRV_ABOUT("The wave file played for the sound event \"Ctrl-G\".")},
}};

// The sound switches, kept in the EXTRA section, in the order in which they are written.
inline constexpr std::array<Setting<SoundSettings>, 3> kSoundSwitches = {{
    FlagSetting<SoundSettings>{.section = "EXTRA",
                               .key = "OLCSOUND",
                               .name = "OnlyLastConnectSound",
                               .field = &SoundSettings::OnlyLastConnectSound,
                               .def = true},
    FlagSetting<SoundSettings>{
        .section = "EXTRA", .key = "WAVEMCI", .name = "UseMciSound", .field = &SoundSettings::UseMciSound},
    FlagSetting<SoundSettings>{
        .section = "EXTRA", .key = "NOSOUND", .name = "DisableSound", .field = &SoundSettings::DisableSound},
}};

}  // namespace trv
