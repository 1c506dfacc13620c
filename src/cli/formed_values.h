#pragma once
// Puts show's integers into the window's forms ("15min", "COM 3", "yellow") or, raw, into the
// file's own numbers, before they reach the listing or the JSON writer.
#include <memory>

#include "cli/settings_visitor.h"
#include "config/settings/setting_catalogue.h"

namespace trv {

// `catalogue` and `inner` must outlive the returned visitor.
std::unique_ptr<SettingsVisitor> MakeFormedValues(const SettingCatalogue& catalogue, bool raw, SettingsVisitor& inner);

}  // namespace trv
