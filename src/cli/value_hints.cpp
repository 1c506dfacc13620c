#include "cli/value_hints.h"

#include "config/ini/ini_errors.h"
#include "config/settings/setting_catalogue.h"
#include "config/settings/value_forms.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "support/codepage.h"

namespace trv {
namespace {

constexpr std::int64_t kMostNamed = 100;  // a range longer than this is not listed (the times of day)

}  // namespace

int ValuesCommand(const std::string& programDir, const std::string& name, CommandStreams io) {
  auto config = MakeConfig(programDir, {.readOnly = true}, io);
  if (!config) return kUsage;
  try {
    config->ResetSettings();
    LoadAllSections(*config, {}, [](const StoreError&) { throw; });
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
  const SettingCatalogue catalogue = MakeSettingCatalogue(*config);
  const CatalogueEntry* entry = FindSetting(catalogue, name);
  if (entry == nullptr) {
    io.err << "tarvoini: no setting " << name << " (tarvoini names lists them)\n";
    return kUsage;
  }
  if (entry->kind == CatalogueEntry::Kind::Flag) {
    io.out << "yes\nno\n";
  } else if (!entry->allowed.empty()) {
    for (const std::int64_t value : entry->allowed)
      io.out << Cp1252ToUtf8(WindowForm(*entry, std::to_string(value))) << "\n";
  } else if (entry->shownAs && entry->ranged && entry->max - entry->min < kMostNamed) {  // the colours' names
    for (std::int64_t value = entry->min; value <= entry->max; ++value)
      io.out << Cp1252ToUtf8(WindowForm(*entry, std::to_string(value))) << "\n";
  } else {
    io.out << Cp1252ToUtf8(WindowForm(*entry, entry->get(*config))) << "\n";
  }
  return kOk;
}

}  // namespace trv
