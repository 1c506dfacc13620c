#pragma once
// What a field's tooltip and its screen-reader description say of the setting behind it, from
// the setting's one declaration: what it does, its range or width, its default and where the
// file keeps it ("[MAILBOX] TIMEOUT").
#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

#include "config/settings/setting_catalogue.h"

class QListWidgetItem;
class QWidget;

namespace trv {

// A number in a unit a setting is shown in ("min", "ms", "h"), in the unit's plural form ("-1 hour").
QString ShownQuantity(std::int64_t n, std::string_view unit);
// Rich text for a tooltip.
QString SettingToolTip(const CatalogueEntry& entry);
// The same as plain text, for the accessible description.
QString SettingDescription(const CatalogueEntry& entry);
// Of the settings one field edits together (the two colours of a screen element): what they
// do, said once, then the range, default and key of each.
QString SettingToolTip(const std::vector<const CatalogueEntry*>& entries);
QString SettingDescription(const std::vector<const CatalogueEntry*>& entries);
// Both on the widget, or on a list line.
void ShowSettingHelp(QWidget* widget, const std::vector<const CatalogueEntry*>& entries);
// The help of the catalogue's entry of that name; none when there is no such entry.
void ShowSettingHelp(QWidget* widget, const SettingCatalogue& catalogue, std::string_view name);
void ShowSettingHelp(QListWidgetItem* item, const SettingCatalogue& catalogue, std::string_view name);
void ShowSettingHelp(QListWidgetItem* item, const std::vector<const CatalogueEntry*>& entries);
// A list line's on the field that edits the line's setting; none without a line.
void ShowSettingHelp(QWidget* widget, const QListWidgetItem* item);

}  // namespace trv
