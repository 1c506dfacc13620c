#include "ui/record_defaults.h"

#include <exception>
#include <set>

#include "config/ini/ini_errors.h"
#include "config/store/config.h"
#include "config/store/saved_forms.h"
#include "ui/setting_search.h"

namespace trv {

bool Writable(const CatalogueEntry& e) { return !e.readOnly && !e.section.empty() && e.get && e.put; }

bool HasDefault(const CatalogueEntry& e) { return !e.defaultValue.empty() || e.kind == CatalogueEntry::Kind::Text; }

void PutValue(const CatalogueEntry& e, Config& records, const std::string& value) {
  try {
    e.put(records, value);
  } catch (const std::exception&) {
  }
}

void ApplyForm(Config& records, SectionId section) {
  try {
    ApplySavedForm(records, section);
  } catch (const StoreError&) {
  }
}

namespace {

void ApplyForms(Config& records) {
  try {
    ApplySavedForms(records);
  } catch (const StoreError&) {
  }
}

// "[MAILBOX] TIMEOUT", as the index of the window's settings names a setting.
QString Key(const CatalogueEntry& e) {
  return QStringLiteral("[%1] %2").arg(QString::fromLatin1(e.section.data(), static_cast<qsizetype>(e.section.size())),
                                       QString::fromLatin1(e.key.data(), static_cast<qsizetype>(e.key.size())));
}

}  // namespace

std::vector<bool> TabsNotAtDefault(const Config& config, const QStringList& pages) {
  Config form = config;
  ApplyForms(form);
  const SettingCatalogue catalogue = MakeSettingCatalogue(form);
  Config defaults = form;
  for (const CatalogueEntry& e : catalogue)
    if (Writable(e) && HasDefault(e)) PutValue(e, defaults, e.defaultValue);
  ApplyForms(defaults);
  std::set<QString> differing;
  for (const CatalogueEntry& e : catalogue)
    if (Writable(e) && HasDefault(e) && e.get(form) != e.get(defaults)) differing.insert(Key(e));
  if (form.ClosedTimes.Count() > 0) differing.insert(QStringLiteral("[MAILBOX] CLOSEDTIME"));  // default: none
  std::vector<bool> tabs(static_cast<std::size_t>(pages.size()), false);
  for (const SettingMatch& match : SettingIndex(config, pages).All())
    if (differing.count(match.key) != 0 && match.place.page >= 0 && match.place.page < pages.size())
      tabs[static_cast<std::size_t>(match.place.page)] = true;
  return tabs;
}

}  // namespace trv
