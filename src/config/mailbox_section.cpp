#include "config/mailbox_section.h"

#include "config/config.h"
#include "config/ini_numbers.h"
#include "support/text.h"

namespace trv {
namespace {

constexpr std::string_view kSection = "MAILBOX";

// Why a closed-time item cannot be read, or empty when it can.
std::string ItemProblem(std::string item, std::int32_t& from, std::int32_t& to) {
  std::string start;
  SplitAtSeparator(item, "-", start);
  if (start.empty() || item.empty()) return "has no start or no end";
  const auto a = ParseIniInteger(start), b = ParseIniInteger(item);
  if (!a || !b) return "is not two numbers";
  from = *a;
  to = *b;
  return {};
}

void ReadClosedTimes(Config& config, TIniFile& ini) {
  std::string rest = ini.ReadString(kSection, "CLOSEDTIME", "");
  while (!rest.empty()) {
    std::string item;
    SplitAtSeparator(rest, ",", item);
    if (item.empty()) continue;
    std::int32_t from = 0, to = 0;
    const std::string problem = ItemProblem(item, from, to);
    if (problem.empty())
      config.ClosedTimes.AddWindow(from, to);
    else
      ini.Report(kSection, "CLOSEDTIME", "item '" + item + "' skipped: it " + problem);
  }
}

}  // namespace

std::string ClosedTimeValue(TClosedTimeCol& list) {
  std::string value;
  int fh = 0, fm = 0, th = 0, tm = 0;
  for (bool more = list.FirstWindow(fh, fm, th, tm); more; more = list.NextWindow(fh, fm, th, tm)) {
    if (!value.empty()) value += ',';
    value += TClosedTimeCol::WindowText(ClosedTime{fh * 100 + fm, th * 100 + tm});
  }
  return value;
}

void ReadMailboxSection(Config& config) {
  auto ini = OpenConfigFile(config);
  MailboxSettings& m = config.Mailbox;
  m.PasswordRequired = ini->ReadBool("EXTRA", "PWBOX", false);
  m.BoxCall =
      CutReported(*ini, kSection, "BOXCALL", UpperCaseDos(ini->ReadString(kSection, "BOXCALL", "NOCALL-7")), 12);
  m.HPath = ReadText(*ini, kSection, "HPATH", "", 40);
  const std::string header = ReadText(*ini, kSection, "FHEADER", "", kShortStringMax);
  config.FHeaderText.SetFHeader(CutReported(*ini, kSection, "FHEADER", header, 25));  // it keeps at most 25
  m.SysMailTo = ReadText(*ini, kSection, "SYSMTO", "XNET", 40);
  m.DefaultBoard = ReadText(*ini, kSection, "DEFBOARD", "", 8);
  m.DefaultLifetime = ReadIntegerInRange(*ini, kSection, "DEFLT", 20, 0, 365);
  m.GarbageAt = ReadIntegerInRange(*ini, kSection, "GARBAT", 300, 0, 2359);
  m.RestartAfterGarbage = ini->ReadBool(kSection, "RESTART", false);
  m.Timeout = ReadIntegerInRange(*ini, kSection, "TIMEOUT", 15, 5, 60) * 60;
  m.MaxBidCount = ReadIntegerInRange(*ini, kSection, "MOBID", 15000, 3000, 150000);
  m.LifetimeReport = ini->ReadBool(kSection, "SMLIFE", true);
  m.RoutingErrorReport = ini->ReadBool(kSection, "SMROUTE", true);
  m.InsertFHeader = ini->ReadBool(kSection, "FHINCL", true);
  m.IncludeBid = ini->ReadBool(kSection, "FHBID", true);
  m.MemoryGarbage = ini->ReadBool(kSection, "GARMEM", false);
  m.QzDos = ini->ReadBool(kSection, "QZDOS", false);
  m.ParseAllMails = ini->ReadBool(kSection, "PAM", false);
  m.BlinkLed = ini->ReadBool(kSection, "BLINKLED", true);
  m.BlinkIcon = ini->ReadBool(kSection, "BLINKICON", true);
  if (m.BlinkLed && !m.BlinkIcon) ini->Report(kSection, "BLINKLED", "turned off because BLINKICON is off");
  m.BlinkLed = m.BlinkLed && m.BlinkIcon;
  ReadClosedTimes(config, *ini);
}

void WriteMailboxSection(Config& config) {
  auto ini = OpenConfigFile(config);
  const MailboxSettings& m = config.Mailbox;
  ini->WriteBool("EXTRA", "PWBOX", m.PasswordRequired);
  ini->WriteString(kSection, "BOXCALL", m.BoxCall);
  ini->WriteString(kSection, "HPATH", m.HPath);
  ini->WriteString(kSection, "FHEADER", config.FHeaderText.HeaderText());
  ini->WriteString(kSection, "SYSMTO", m.SysMailTo);
  ini->WriteString(kSection, "DEFBOARD", m.DefaultBoard);
  ini->WriteInteger(kSection, "DEFLT", m.DefaultLifetime);
  ini->WriteInteger(kSection, "GARBAT", m.GarbageAt);
  ini->WriteBool(kSection, "RESTART", m.RestartAfterGarbage);
  ini->WriteInteger(kSection, "TIMEOUT", m.Timeout / 60);
  ini->WriteInteger(kSection, "MOBID", m.MaxBidCount);
  ini->WriteBool(kSection, "SMLIFE", m.LifetimeReport);
  ini->WriteBool(kSection, "SMROUTE", m.RoutingErrorReport);
  ini->WriteBool(kSection, "FHINCL", m.InsertFHeader);
  ini->WriteBool(kSection, "FHBID", m.IncludeBid);
  ini->WriteBool(kSection, "GARMEM", m.MemoryGarbage);
  ini->WriteBool(kSection, "QZDOS", m.QzDos);
  ini->WriteBool(kSection, "PAM", m.ParseAllMails);
  ini->WriteBool(kSection, "BLINKLED", m.BlinkLed);
  ini->WriteBool(kSection, "BLINKICON", m.BlinkIcon);
  ini->WriteString(kSection, "CLOSEDTIME", ClosedTimeValue(config.ClosedTimes));
  FinishOperation(config, *ini);
}

}  // namespace trv
