#include "config/display_section.h"

#include "config/config.h"

namespace trv {

void ReadDisplaySection(Config& config) {
  auto ini = OpenConfigFile(config);
  DisplaySettings& d = config.Display;
  d.EchoOwnText = ini->ReadBool("DISPLAY", "ETD", true);
  d.MaxRXLines = ReadIntegerInRange(*ini, "DISPLAY", "SBL", 100, 100, 30000);
  d.MaxTXLines = ReadIntegerInRange(*ini, "DISPLAY", "MEL", 50, 50, 500);
  d.SaveRX = ini->ReadBool("DISPLAY", "SAVERX", true);
  d.SaveTX = ini->ReadBool("DISPLAY", "SAVETX", true);
  d.FlickerFreeTX = ini->ReadBool("DISPLAY", "EDITBB", true);
  d.FlickerFreeRX = ini->ReadBool("DISPLAY", "RXBB", false);
}

void WriteDisplaySection(Config& config) {
  auto ini = OpenConfigFile(config);
  const DisplaySettings& d = config.Display;
  ini->WriteBool("DISPLAY", "ETD", d.EchoOwnText);
  ini->WriteInteger("DISPLAY", "SBL", d.MaxRXLines);
  ini->WriteInteger("DISPLAY", "MEL", d.MaxTXLines);
  ini->WriteBool("DISPLAY", "SAVERX", d.SaveRX);
  ini->WriteBool("DISPLAY", "SAVETX", d.SaveTX);
  ini->WriteBool("DISPLAY", "EDITBB", d.FlickerFreeTX);
  ini->WriteBool("DISPLAY", "RXBB", d.FlickerFreeRX);
  FinishOperation(config, *ini);
}

void ReadLanguageSection(Config& config) {
  auto ini = OpenConfigFile(config);
  config.Language.Visual = ini->ReadString("LANGUAGE", "VISUAL", "DEUTSCH.DLL");
  config.Language.Output = ini->ReadString("LANGUAGE", "OUTPUT", "DEUTSCH");
}

void WriteLanguageSection(Config& config) {
  auto ini = OpenConfigFile(config);
  ini->WriteString("LANGUAGE", "VISUAL", config.Language.Visual);
  ini->WriteString("LANGUAGE", "OUTPUT", config.Language.Output);
  FinishOperation(config, *ini);
}

}  // namespace trv
