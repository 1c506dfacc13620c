#include "config/sections/mailbox_section.h"

#include <cstdio>

#include "config/ini/ini_numbers.h"
#include "config/settings/setting_tables.h"

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
      config.ClosedTimes.AddWindow(from, to, item);
    else
      ini.Report(kSection, "CLOSEDTIME", "item '" + item + "' skipped: it " + problem);
  }
}

void ReadFHeader(Config& config, TIniFile& ini) {
  const std::string header = ReadText(ini, kSection, "FHEADER", "", kShortStringMax);
  config.FHeaderText.SetFHeader(CutReported(ini, kSection, "FHEADER", header, kFHeaderWidth));
}

}  // namespace

std::string ClosedTimeText(std::int32_t time) {
  char text[16];
  if (time >= 0)
    std::snprintf(text, sizeof text, "%2.2d%2.2d", time / 100, time % 100);
  else  // a dash would end the start time; the hexadecimal form reads back as the same number
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(time));
  return text;
}

std::string ClosedTimeValue(const TClosedTimeCol& list) {
  std::string value;
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    const ClosedTime* window = list.WindowAt(i);
    if (window == nullptr) continue;
    if (!value.empty()) value += ',';
    value += window->Text.empty() ? ClosedTimeText(window->From) + "-" + ClosedTimeText(window->To) : window->Text;
  }
  return value;
}

bool ClosedTimeFits(TClosedTimeCol& list, std::int32_t from, std::int32_t to) {
  const std::string value = ClosedTimeValue(list);
  return value.size() + (value.empty() ? 0 : 1) + ClosedTimeText(from).size() + 1 + ClosedTimeText(to).size() <=
         kMaxValueLength;
}

void ReadMailboxSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) {
    MailboxSettings& m = config.Mailbox;
    ReadSettings<MailboxSettings>(ini, kMailboxSettingsBeforeHeader, m);
    ReadFHeader(config, ini);
    ReadSettings<MailboxSettings>(ini, kMailboxSettings, m);
    ReadClosedTimes(config, ini);
  });
}

IniWrites MailboxSectionWrites(const Config& config) {
  IniWrites writes;
  AppendWrites<MailboxSettings>(writes, kMailboxSettingsBeforeHeader, config.Mailbox);
  writes.push_back(IniWrite::Text(kSection, "FHEADER", config.FHeaderText.HeaderText()));
  AppendWrites<MailboxSettings>(writes, kMailboxSettings, config.Mailbox);
  writes.push_back(IniWrite::Text(kSection, "CLOSEDTIME", ClosedTimeValue(config.ClosedTimes)));
  return writes;
}

}  // namespace trv
