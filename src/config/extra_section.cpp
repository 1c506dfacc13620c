#include "config/extra_section.h"

#include "config/config.h"
#include "support/text.h"

namespace trv {
namespace {

constexpr std::string_view kSection = "EXTRA";

}  // namespace

void ReadExtraSection(Config& config) {
  auto ini = OpenConfigFile(config);
  ExtraSettings& x = config.Extra;
  x.PollDelay = ReadIntegerInRange(*ini, kSection, "TPRI", 2, 1, 10);
  x.NodeCall =
      CutReported(*ini, kSection, "NODECALL", UpperCaseDos(ini->ReadString(kSection, "NODECALL", "NOCALL-9")), 12);
  const std::int32_t minutes = ReadIntegerInRange(*ini, kSection, "NODETO", 60, 5, 90);
  if (minutes % 5 != 0)
    ini->Report(kSection, "NODETO",
                std::to_string(minutes) + " minutes are read as " + std::to_string(minutes / 5 * 5));
  x.NodeTimeout = minutes / 5 * 300;
  x.Prompt = ini->ReadString(kSection, "PROMPT", "(%CCALL ) de %Call >");
  x.FortuneFile = ini->ReadString(kSection, "FORTUNE", "FORTUNE.DL");
  x.LoadDigiInfo = ini->ReadBool(kSection, "DLINK", false);
  x.LoadSpy = ini->ReadBool(kSection, "SPY", true);
  x.LoadMailbox = ini->ReadBool(kSection, "BOX", true);
  x.LoadBroadcast = ini->ReadBool(kSection, "LBROAD", false);
  x.LoadDxClusterSpy = ini->ReadBool(kSection, "LDXC", false);
  if (x.LoadBroadcast && !x.LoadMailbox) ini->Report(kSection, "LBROAD", "turned off because BOX is off");
  x.LoadBroadcast = x.LoadBroadcast && x.LoadMailbox;
  x.ReduceResync = ini->ReadBool(kSection, "SRESYNC", false);
  x.MultiLineToolbar = ini->ReadBool(kSection, "MULTILINE", true);
  x.UtcOffset = ini->ReadInteger(kSection, "UTC", -3600);
  x.Por = ReadIntegerInRange(*ini, kSection, "POR", 1, 1, 10);
  x.DelayedDisplay = ini->ReadBool(kSection, "DUP", false);
  x.SuppressBin = ini->ReadBool(kSection, "SUPBIN", true) ? -1 : 0;
  x.ConMode = ReadIntegerInRange(*ini, kSection, "CONMODE", 1, 0, 2);
}

void WriteExtraSection(Config& config) {
  auto ini = OpenConfigFile(config);
  const ExtraSettings& x = config.Extra;
  ini->WriteString(kSection, "NODECALL", x.NodeCall);
  ini->WriteInteger(kSection, "NODETO", x.NodeTimeout / 60);
  ini->WriteString(kSection, "PROMPT", x.Prompt);
  ini->WriteString(kSection, "FORTUNE", x.FortuneFile);
  ini->WriteBool(kSection, "DLINK", x.LoadDigiInfo);
  ini->WriteBool(kSection, "SPY", x.LoadSpy);
  ini->WriteBool(kSection, "BOX", x.LoadMailbox);
  ini->WriteBool(kSection, "LBROAD", x.LoadBroadcast);
  ini->WriteBool(kSection, "LDXC", x.LoadDxClusterSpy);
  ini->WriteBool(kSection, "SRESYNC", x.ReduceResync);
  ini->WriteBool(kSection, "MULTILINE", x.MultiLineToolbar);
  ini->WriteInteger(kSection, "UTC", x.UtcOffset);
  ini->WriteInteger(kSection, "POR", x.Por);
  ini->WriteBool(kSection, "DUP", x.DelayedDisplay);
  ini->WriteBool(kSection, "SUPBIN", x.SuppressBin != 0);
  ini->WriteInteger(kSection, "TPRI", x.PollDelay);
  ini->WriteInteger(kSection, "CONMODE", x.ConMode);
  FinishOperation(config, *ini);
}

}  // namespace trv
