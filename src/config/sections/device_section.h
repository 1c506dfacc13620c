#pragma once
// The DEVICE section: one line of twelve comma-separated fields per TNC.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "config/settings/setting_table.h"
#include "config/store/records.h"

namespace trv {

class Config;

void ReadDeviceSection(Config& config);
// The keys the section is written with, from the records as they are.
IniWrites DeviceSectionWrites(const Config& config);

inline constexpr std::string_view kDeviceSection = "DEVICE";

// The ports of a TNC line. COM 1 to 9 are offered; reading also takes 10 to 15, and keeps the
// baud rate of every port up to 15. SIRQ 48 to 255, plus 256 with the DRSI option, always
// runs at kSirqBaud.
inline constexpr std::int32_t kFirstComPort = 1;
inline constexpr std::int32_t kLastComPort = 9;
inline constexpr std::int32_t kLastPortWithBaud = 15;
inline constexpr std::int32_t kFirstSirqPort = 48;
inline constexpr std::int32_t kLastSirqPort = 255;
inline constexpr std::int32_t kDrsiPortOffset = 256;
inline constexpr std::int32_t kSirqBaud = 57600;
// A packet length field of 0 to 255 is read, and taken as 40 to 248.
inline constexpr std::int32_t kMaxPacLenField = 255;
inline constexpr std::int32_t kMinPacLen = 40;
inline constexpr std::int32_t kMaxPacLen = 248;
inline constexpr std::int32_t kMaxTncChannels = 27;
inline constexpr std::size_t kQrgWidth = 10;  // characters, written with three decimals
inline constexpr std::size_t kBlockNameWidth = 20;
// The table holds kTncTableSize (reading and apply take that many); the TNC page and tnc add
// let the user reach this many.
inline constexpr int kMaxTncs = 9;

// What the TNC page offers: the COM ports, the SIRQ numbers (without DRSI), every port a line
// may be given (the SIRQ numbers also with DRSI), baud rates, packet lengths, host modes.
std::vector<std::int32_t> OfferedComPorts();
std::vector<std::int32_t> OfferedSirqPorts();
std::vector<std::int32_t> OfferedTncPorts();
std::vector<std::int32_t> OfferedBaudRates();
std::vector<std::int32_t> OfferedPacketLengths();
std::vector<std::int32_t> OfferedHostModes();
// How the TNC page and tarvoini name a value: a port "COM 2", "SIRQ 3C" (hexadecimal),
// "SIRQ 3C DRSI"; a baud rate "9600 Baud"; a host mode "WA8DED" (0) or "TNC3S" (any other).
std::string PortName(std::int32_t port);
std::string BaudName(std::int32_t baud);
std::string HostModeName(std::int32_t mode);

// The member of TncEntry a field of the line is read into.
using TncMember = std::variant<std::uint16_t TncEntry::*, std::int32_t TncEntry::*, std::uint8_t TncEntry::*,
                               bool TncEntry::*, double TncEntry::*, std::string TncEntry::*>;

// A field of a TNC line: where the entry keeps it, what it does in the terminal program, and
// what may be set there. A number is one of `allowed` when that is given, else 0 to `max`;
// `shownAs` names its values as the TNC page shows them. A text (or the QRG) is at most `width`
// characters; with `keepsLonger` reading takes a longer one (the block names).
struct TncField {
  std::string_view name;  // of the TncEntry member
  TncMember member;
  std::string_view about = {};
  std::vector<std::int32_t> (*allowed)() = nullptr;
  std::int32_t max = 0;
  std::string (*shownAs)(std::int32_t) = nullptr;
  std::size_t width = 0;
  bool keepsLonger = false;
  bool upperCase = false;       // kept in capitals
  bool inDriverFolder = false;  // names a file that must be in the driver folder
  bool commandBlock = false;    // names a command block (empty: the default block)
};
// The fields in the line's order.
inline constexpr std::array<TncField, 12> kTncFields = {{
    {.name = "Port",
     .member = &TncEntry::Port,
     .about = TRV_ABOUT("How the terminal program reaches the TNC: a COM port, or a SIRQ number (256 more with the "
                        "DRSI option)."),
     .allowed = OfferedTncPorts,
     .shownAs = PortName},
    {.name = "PacLen",
     .member = &TncEntry::PacLen,
     .about = TRV_ABOUT("The packet length in characters."),
     .allowed = OfferedPacketLengths},
    {.name = "Baud",
     .member = &TncEntry::Baud,
     .about = TRV_ABOUT("The baud rate of the serial line to the TNC; a SIRQ port always runs at 57600."),
     .allowed = OfferedBaudRates,
     .shownAs = BaudName},
    {.name = "Channels",
     .member = &TncEntry::Channels,
     .about = TRV_ABOUT("The number of channels of the TNC."),
     .max = kMaxTncChannels},
    {.name = "AutoParam", .member = &TncEntry::AutoParam},
    {.name = "UseXHost", .member = &TncEntry::UseXHost},
    {.name = "Qrg", .member = &TncEntry::Qrg, .about = TRV_ABOUT("The working frequency (QRG)."), .width = kQrgWidth},
    {.name = "IniBlock",
     .member = &TncEntry::IniBlock,
     .about = TRV_ABOUT("The user section that holds the TNC's initialisation commands."),
     .width = kBlockNameWidth,
     .keepsLonger = true,
     .commandBlock = true},
    {.name = "DeiBlock",
     .member = &TncEntry::DeiBlock,
     .about = TRV_ABOUT("The user section that holds the TNC's deinitialisation commands."),
     .width = kBlockNameWidth,
     .keepsLonger = true,
     .commandBlock = true},
    {.name = "FastPoll", .member = &TncEntry::FastPoll},
    {.name = "HostMode",
     .member = &TncEntry::HostMode,
     .about = TRV_ABOUT("The TNC's hostmode type: 0 WA8DED, 1 TNC3S."),
     .allowed = OfferedHostModes,
     .shownAs = HostModeName},
    {.name = "Driver",
     .member = &TncEntry::Driver,
     .about = TRV_ABOUT("The TNC driver file, in the folder DRIVER.TNC of the program directory."),
     .width = kShortStringMax,
     .upperCase = true,
     .inDriverFolder = true},
}};
// The order tarvoini lists the fields in (show, set, check): the entry's, FastPoll with the other flags.
inline constexpr std::array<std::size_t, kTncFields.size()> kTncFieldsListed = {0, 1, 2, 3, 4, 5, 9, 6, 7, 8, 10, 11};

// Whether a driver file of that name is in the driver folder; a file that cannot be told
// (its folder cannot be searched) throws IniReadError.
std::function<bool(const std::string&)> DriverFileTest(const Config& config);

// The key the writer gives the line of entry n: "TNC0", "TNC1", ...
std::string TncKey(int n);
// The DEVICE line of an entry.
std::string FormatTncLine(const TncEntry& entry);

struct TncLineResult {
  std::optional<TncEntry> entry;     // empty when the line is rejected
  std::string problem;               // why it is rejected
  std::vector<std::string> changes;  // values taken otherwise than they stand
  std::vector<std::string> notes;    // worth knowing, though the value is taken as it stands
};
// The DEVICE keys save all writes (`keys`, in TNC order) with each entry's line kept as it was
// read but for the fields whose value the entry no longer has: a command that changes one field
// does not write what reading replaced in the others (a driver file missing just now, say).
IniKeys KeepTncLinesAsRead(const Config& config, IniKeys keys);

// Reads one DEVICE line; `driverExists` tells whether a driver file of a name exists.
TncLineResult ParseTncLine(std::string value, const std::function<bool(const std::string&)>& driverExists);

}  // namespace trv
