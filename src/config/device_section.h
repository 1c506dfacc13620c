#pragma once
// The DEVICE section: one line of twelve comma-separated fields per TNC.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/records.h"

namespace trv {

class Config;

void ReadDeviceSection(Config& config);
void WriteDeviceSection(Config& config);

// The DEVICE line of an entry.
std::string FormatTncLine(const TncEntry& entry);

struct TncLineResult {
  std::optional<TncEntry> entry;     // empty when the line is rejected
  std::string problem;               // why it is rejected
  std::vector<std::string> changes;  // values taken otherwise than they stand
};
// Reads one DEVICE line; `driverExists` tells whether a driver file of a name exists.
TncLineResult ParseTncLine(std::string value, const std::function<bool(const std::string&)>& driverExists);

}  // namespace trv
