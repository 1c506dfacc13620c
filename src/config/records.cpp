#include "config/records.h"

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
  for (int i : {0, 1, 11}) table[i] = ColorEntry{false, true, -2, 0};
  return table;
}

}  // namespace trv
