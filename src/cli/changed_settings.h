#pragma once
// show --json --changed: only the values that differ from those a station without TARVO.INI
// reads, at the same place; records stay and lists stay whole, so that the output is a
// settings file apply takes.
#include <map>
#include <memory>
#include <string>

#include "cli/settings_visitor.h"

namespace trv {

// Each value by its place ("StationSettings.Call", "TncTable[0].Port"), as a visit gives them.
using ValuesByPlace = std::map<std::string, std::string>;
ValuesByPlace RecordValues(Config& config);

// Passes to `next` every record and list, and only the values that `defaults` does not hold
// the same at the same place.
std::unique_ptr<SettingsVisitor> OnlyChanged(const ValuesByPlace& defaults, SettingsVisitor& next);

}  // namespace trv
