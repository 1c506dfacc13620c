// Fuzzes the INI document: any bytes parse, serialise back unchanged, and survive edits.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/ini/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  trv::IniDocument doc = trv::IniDocument::Parse(bytes);
  if (!doc.IsUtf16() && doc.Serialize() != bytes) std::abort();
  for (const auto& section : doc.SectionNames()) {
    for (const auto& key : doc.KeyNames(section)) (void)doc.RawValue(section, key);
  }
  doc.SetValue("DEVICE", "TNC0", "1,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC");
  doc.SetValue("STATION", "CALL", "DL1ABC");
  // A key that already reads as the value (CALL="DL1ABC") keeps its line as it is.
  const auto call = doc.RawValue("station", "call");
  if (!call || trv::ReadableValue(*call) != "DL1ABC") std::abort();
  doc.EraseSection("DEVICE");
  (void)doc.Serialize();
  return 0;
}
