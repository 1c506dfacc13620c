#pragma once
// The settings' values in the records against their defaults, both in the form OK writes them:
// for the marks of fields held by a page and of tabs whose page is not built yet.
#include <QStringList>
#include <string>
#include <vector>

#include "config/settings/setting_catalogue.h"

namespace trv {

class Config;
enum class SectionId;

// A setting OK writes, which a value can be put into.
bool Writable(const CatalogueEntry& e);
// A number, a flag or a list entry without a default of its own has none to go back to.
bool HasDefault(const CatalogueEntry& e);
// Puts `value` into the records; a value the setting does not take leaves them as they are.
void PutValue(const CatalogueEntry& e, Config& records, const std::string& value);
// OK's form of a section of the records; a folder that cannot be listed leaves them as they are.
void ApplyForm(Config& records, SectionId section);

// For each tab of the window (`pages`, the captions in tab order): whether it edits a setting
// whose value in the records differs from its default. Made from the declarations and the
// records alone, so it needs no page built.
std::vector<bool> TabsNotAtDefault(const Config& config, const QStringList& pages);

}  // namespace trv
