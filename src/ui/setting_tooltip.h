#pragma once
// What a field's tooltip and its screen-reader description say of the setting behind it, from
// the setting's one declaration: what it does, its range or width, its default and where the
// file keeps it ("[MAILBOX] TIMEOUT").
#include <QString>

namespace trv {

struct CatalogueEntry;

// Rich text for a tooltip.
QString SettingToolTip(const CatalogueEntry& entry);
// The same as plain text, for the accessible description.
QString SettingDescription(const CatalogueEntry& entry);

}  // namespace trv
