#include "config/color_sound_section.h"

#include "config/config.h"
#include "support/text.h"

namespace trv {
namespace {

constexpr std::string_view kColor = "COLOR";

struct ColorKey {
  std::string_view key;
  int entry;
  bool foreground;
  std::int32_t def;
};

// The single keys, in reading order; the per-port header keys come between MBG and EFG.
constexpr std::array<ColorKey, 6> kBefore = {{{"LFG", 4, true, 14},
                                              {"LBG", 4, false, 0},
                                              {"NFG", 2, true, 14},
                                              {"NBG", 2, false, 0},
                                              {"MFG", 5, true, 14},
                                              {"MBG", 5, false, 0}}};
constexpr std::array<ColorKey, 7> kAfter = {{{"EFG", 3, true, 14},
                                             {"EBG", 3, false, 0},
                                             {"RFG", 10, true, 14},
                                             {"RBG", 10, false, 0},
                                             {"CCOL", 0, false, 12},
                                             {"SCOL", 11, false, 9},
                                             {"FILLBG", 1, false, 15}}};

std::int16_t& Side(Config& config, int entry, bool foreground) {
  return foreground ? config.ColorTable[entry].Fg : config.ColorTable[entry].Bg;
}

void ReadColorKeys(Config& config, TIniFile& ini, const auto& keys) {
  for (const ColorKey& k : keys)
    Side(config, k.entry, k.foreground) =
        static_cast<std::int16_t>(ReadIntegerInRange(ini, kColor, k.key, k.def, 0, 15));
}

// A per-port header key: added with the header default when it is missing or empty.
std::int16_t ReadPortKey(TIniFile& ini, const std::string& key, std::int32_t headerDefault, std::int32_t unusable) {
  if (ini.ReadString(kColor, key, "").empty()) {
    ini.Report(kColor, key, "missing; reading adds " + key + "=" + std::to_string(headerDefault), FindingKind::Added);
    ini.WriteString(kColor, key, std::to_string(headerDefault));
  }
  return static_cast<std::int16_t>(ReadIntegerInRange(ini, kColor, key, unusable, 0, 15));
}

// The wave directory in front of a bare file name, cut to 255 characters; the cut is reported.
std::string JoinWaveDir(TIniFile& ini, const Config& config, std::string_view key, const std::string& name) {
  const std::string& dir = config.Dirs.GetWaveDir();
  if (dir.size() + name.size() > kShortStringMax)
    ini.Report("SOUND", key, "cut to 255 characters after the wave directory is put in front");
  return Join255(dir, name);
}

}  // namespace

void ReadColorSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) {
    ReadColorKeys(config, ini, kBefore);
    const std::int32_t headerFg = ReadIntegerInRange(ini, kColor, "HFG", 14, 0, 15);
    const std::int32_t headerBg = ReadIntegerInRange(ini, kColor, "HBG", 0, 0, 15);
    for (int port = 0; port < 4; ++port) {
      config.ColorTable[6 + port].Fg = ReadPortKey(ini, "HFG" + std::to_string(port), headerFg, 14);
      config.ColorTable[6 + port].Bg = ReadPortKey(ini, "HBG" + std::to_string(port), headerBg, 1);
    }
    ReadColorKeys(config, ini, kAfter);
  });
}

void WriteColorSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) {
    auto write = [&](const ColorKey& k) { ini.WriteInteger(kColor, k.key, Side(config, k.entry, k.foreground)); };
    for (const ColorKey& k : kBefore) write(k);
    for (std::size_t i = 0; i < 4; ++i) write(kAfter[i]);  // EFG EBG RFG RBG
    for (int port = 0; port < 4; ++port) {
      ini.WriteInteger(kColor, "HFG" + std::to_string(port), config.ColorTable[6 + port].Fg);
      ini.WriteInteger(kColor, "HBG" + std::to_string(port), config.ColorTable[6 + port].Bg);
    }
    for (std::size_t i = 4; i < kAfter.size(); ++i) write(kAfter[i]);  // CCOL SCOL FILLBG
  });
}

void ReadSoundSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) {
    SoundSettings& s = config.Sound;
    for (int i = 0; i < kWaveCount; ++i) {
      const std::string value = ReadText(ini, "SOUND", kWaveKeys[i], i == 0 ? "STARTUP.WAV" : "", kShortStringMax);
      s.WaveFiles[i] = DirectoryPart(value).empty() ? JoinWaveDir(ini, config, kWaveKeys[i], value) : value;
    }
    s.OnlyLastConnectSound = ini.ReadBool("EXTRA", "OLCSOUND", true);
    s.UseMciSound = ini.ReadBool("EXTRA", "WAVEMCI", false);
    s.DisableSound = ini.ReadBool("EXTRA", "NOSOUND", false);
  });
}

void WriteSoundSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) {
    const SoundSettings& s = config.Sound;
    for (int i = 0; i < kWaveCount; ++i) ini.WriteString("SOUND", kWaveKeys[i], s.WaveFiles[i]);
    ini.WriteBool("EXTRA", "OLCSOUND", s.OnlyLastConnectSound);
    ini.WriteBool("EXTRA", "WAVEMCI", s.UseMciSound);
    ini.WriteBool("EXTRA", "NOSOUND", s.DisableSound);
  });
}

}  // namespace trv
