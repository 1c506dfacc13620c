#include "config/store/records.h"

#include "config/sections/screen_elements.h"

namespace trv {

TncEntry NewTncEntry() {
  TncEntry e;
  e.Port = kDefaultPort;
  e.PacLen = kDefaultPacLen;
  e.Baud = kDefaultBaud;
  e.Channels = kDefaultChannels;
  e.AutoParam = true;
  e.UseXHost = true;
  e.FastPoll = false;
  e.Qrg = kDefaultQrg;
  e.IniBlock = kDefaultIniBlock;
  e.DeiBlock = kDefaultDeiBlock;
  e.HostMode = 0;
  e.Driver = kDefaultDriver;
  return e;
}

std::array<ColorEntry, kColorCount> InitialColorTable() {
  std::array<ColorEntry, kColorCount> table{};
  for (const ScreenElementColors& declared : kScreenElements) {
    ColorEntry& e = table[static_cast<std::size_t>(declared.element)];
    constexpr auto borrowed = static_cast<std::int16_t>(-static_cast<int>(kLender));
    e.FgEnabled = declared.fg.Own();
    e.BgEnabled = declared.bg.Own();
    if (!e.FgEnabled) e.Fg = borrowed;
    if (!e.BgEnabled) e.Bg = borrowed;
  }
  return table;
}

}  // namespace trv
