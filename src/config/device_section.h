#pragma once
// The DEVICE section: one line of twelve comma-separated fields per TNC.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/records.h"

namespace trv {

class Config;

void ReadDeviceSection(Config& config);
void WriteDeviceSection(Config& config);

// What the TNC page offers: COM 1 to 9, SIRQ 48 to 255 (plus 256 on a DRSI card), these baud
// rates (a SIRQ port always runs at 57600), packet lengths and channel counts.
inline constexpr std::int32_t kLastComPort = 9;
inline constexpr std::int32_t kFirstSirqPort = 48;
inline constexpr std::int32_t kLastSirqPort = 255;
inline constexpr std::int32_t kDrsiPortOffset = 256;
inline constexpr std::int32_t kSirqBaud = 57600;
inline constexpr std::int32_t kMaxTncChannels = 27;
inline constexpr std::size_t kQrgWidth = 10;  // characters, written with three decimals
inline constexpr std::size_t kBlockNameWidth = 20;
std::vector<std::int32_t> OfferedTncPorts();
std::vector<std::int32_t> OfferedBaudRates();
std::vector<std::int32_t> OfferedPacketLengths();

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
