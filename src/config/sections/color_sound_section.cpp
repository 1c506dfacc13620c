#include "config/sections/color_sound_section.h"

#include <optional>

#include "config/sections/screen_elements.h"
#include "config/store/config.h"
#include "support/text.h"

namespace trv {
namespace {

// The colour index of one side of a screen element (const or not, as the config is).
template <class C>
auto& Side(C& config, ScreenElement element, bool foreground) {
  auto& entry = config.ColorTable[static_cast<std::size_t>(element)];
  return foreground ? entry.Fg : entry.Bg;
}

std::int16_t ReadColor(TIniFile& ini, std::string_view key, std::int32_t def) {
  return static_cast<std::int16_t>(ReadIntegerInRange(ini, kColorSection, key, def, kMinColorIndex, kMaxColorIndex));
}

// A per-port header key: added with the shared header's value when it is missing or empty.
std::int16_t ReadPortKey(TIniFile& ini, const ColorSide& side, std::int32_t headerValue) {
  const std::string key(side.key);
  if (!ini.ReadString(kColorSection, key, "").empty()) return ReadColor(ini, key, side.def);
  const std::string state = ini.HasKey(kColorSection, key) ? "empty" : "missing";
  ini.Report(kColorSection, key, state + "; reading adds " + key + "=" + std::to_string(headerValue),
             FindingKind::Added);
  ini.AddOnRead(kColorSection, key, std::to_string(headerValue));
  return static_cast<std::int16_t>(headerValue);
}

// The values of the shared header keys, for the per-port keys that are missing.
struct HeaderValues {
  std::int32_t fg, bg;
};

void ReadElement(Config& config, TIniFile& ini, const ScreenElementColors& colors,
                 std::optional<HeaderValues>& headers) {
  if (colors.portHeader && !headers)
    headers = HeaderValues{ReadColor(ini, kHeaderFg.key, kHeaderFg.def), ReadColor(ini, kHeaderBg.key, kHeaderBg.def)};
  for (bool fg : {true, false}) {
    const ColorSide& side = fg ? colors.fg : colors.bg;
    if (!side.Own()) continue;
    Side(config, colors.element, fg) =
        colors.portHeader ? ReadPortKey(ini, side, fg ? headers->fg : headers->bg) : ReadColor(ini, side.key, side.def);
  }
}

// The wave directory in front of a bare file name, cut to 255 characters; the cut is reported.
std::string JoinWaveDir(TIniFile& ini, const Config& config, std::string_view key, const std::string& name) {
  const std::string& dir = config.Dirs.GetWaveDir();
  if (dir.size() + name.size() > kShortStringMax)
    ini.Report(kSoundSection, key, "cut to 255 characters after the wave directory is put in front");
  return Join255(dir, name);
}

}  // namespace

void ReadColorSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) {
    std::optional<HeaderValues> headers;
    for (ScreenElement element : kColorReadOrder) ReadElement(config, ini, ColorsOf(element), headers);
  });
}

IniWrites ColorSectionWrites(const Config& config) {
  IniWrites writes;
  for (ScreenElement element : kColorWriteOrder) {
    const ScreenElementColors& colors = ColorsOf(element);
    for (bool fg : {true, false})
      if (const ColorSide& side = fg ? colors.fg : colors.bg; side.Own())
        writes.push_back(IniWrite::Integer(kColorSection, side.key, Side(config, element, fg)));
  }
  return writes;
}

void ReadSoundSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) {
    SoundSettings& s = config.Sound;
    for (int i = 0; i < kWaveCount; ++i) {
      const WaveKey& wave = kWaveKeys[i];
      const std::string value = ReadText(ini, kSoundSection, wave.key, wave.def, kShortStringMax);
      s.WaveFiles[i] = DirectoryPart(value).empty() ? JoinWaveDir(ini, config, wave.key, value) : value;
    }
    ReadSettings<SoundSettings>(ini, kSoundSwitches, s);
  });
}

IniWrites SoundSectionWrites(const Config& config) {
  IniWrites writes;
  const SoundSettings& s = config.Sound;
  for (int i = 0; i < kWaveCount; ++i)
    writes.push_back(IniWrite::Text(kSoundSection, kWaveKeys[i].key, s.WaveFiles[i]));
  AppendWrites<SoundSettings>(writes, kSoundSwitches, s);
  return writes;
}

}  // namespace trv
