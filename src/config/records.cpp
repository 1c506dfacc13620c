#include "config/records.h"

namespace trv {

TncEntry NewTncEntry() {
  TncEntry e;
  e.Port = 2;
  e.PacLen = 248;
  e.Baud = 19200;
  e.Channels = 8;
  e.AutoParam = true;
  e.UseXHost = true;
  e.FastPoll = false;
  e.Qrg = 123.456;
  e.IniBlock = "DEFINI";
  e.DeiBlock = "DEFDEI";
  e.HostMode = 0;
  e.Driver = "TNC2.TNC";
  return e;
}

std::array<ColorEntry, kColorCount> InitialColorTable() {
  std::array<ColorEntry, kColorCount> table{};
  for (int i : {0, 1, 11}) table[i] = ColorEntry{false, true, -2, 0};
  return table;
}

}  // namespace trv
