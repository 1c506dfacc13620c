#include "config/sections/device_section.h"

#include <algorithm>
#include <type_traits>

#include "config/ini/ini_errors.h"
#include "config/ini/ini_numbers.h"
#include "config/ini/ini_scan.h"
#include "config/sections/free_section.h"
#include "config/store/config.h"
#include "support/text.h"

namespace trv {
namespace {

constexpr bool ListsEachFieldOnce() {
  std::array<bool, kTncFields.size()> listed{};
  for (std::size_t i : kTncFieldsListed) {
    if (i >= listed.size() || listed[i]) return false;
    listed[i] = true;
  }
  return true;
}
static_assert(ListsEachFieldOnce());

std::int32_t FieldInteger(const std::string& field) { return ParseIniInteger(field).value_or(-1); }

bool ValidPort(std::int32_t port) {
  const auto sirq = [](std::int64_t number) { return number >= kFirstSirqPort && number <= kLastSirqPort; };
  return (port >= kFirstComPort && port <= kLastPortWithBaud) || sirq(port) ||
         sirq(std::int64_t{port} - kDrsiPortOffset);  // the lowest port read must not overflow
}

std::string Range(std::int32_t from, std::int32_t to) { return std::to_string(from) + "-" + std::to_string(to); }

// Takes the next field off the front of `rest`; empty when it is missing or empty.
std::string NextField(std::string& rest) {
  std::string head;
  SplitAtSeparator(rest, ",", head);
  return head;
}

TncLineResult Rejected(std::string why) {
  TncLineResult result;
  result.problem = std::move(why);
  return result;
}

std::optional<bool> Bit(const std::string& field) {
  const std::int32_t value = FieldInteger(field);
  if (value != 0 && value != 1) return std::nullopt;
  return value == 1;
}

// Fields 10 to 12; reading stops at the first that is missing or empty.
void ReadOptionalFields(std::string& rest, TncLineResult& result,
                        const std::function<bool(const std::string&)>& driverExists) {
  TncEntry& e = *result.entry;
  const std::string fastPoll = NextField(rest);
  if (fastPoll.empty()) return;
  const std::int32_t poll = FieldInteger(fastPoll);
  e.FastPoll = poll != 0 && poll != -1;
  if (poll == -1 && fastPoll != "-1")
    result.changes.push_back("FastPoll '" + fastPoll + "' is not a number; off is used");

  const std::string hostMode = NextField(rest);
  if (hostMode.empty()) return;
  const std::int32_t mode = FieldInteger(hostMode);
  e.HostMode = (mode == 0 || mode == 1) ? static_cast<std::uint8_t>(mode) : 0;
  if (mode != 0 && mode != 1) result.changes.push_back("hostmode '" + hostMode + "' is unknown; WA8DED (0) is used");

  const std::string driver = NextField(rest);
  if (driver.empty()) return;
  if (driverExists(driver))
    e.Driver = UpperCaseAscii(driver);
  else if (UpperCaseAscii(driver) == kDefaultDriver)  // what OK writes for a missing driver: told once
    result.notes.push_back("driver file '" + driver + "' not found");
  else
    result.changes.push_back("driver file '" + driver + "' not found; " + std::string(kDefaultDriver) + " is used");
}

}  // namespace

std::vector<std::int32_t> OfferedComPorts() {
  std::vector<std::int32_t> ports;
  for (std::int32_t port = kFirstComPort; port <= kLastComPort; ++port) ports.push_back(port);
  return ports;
}

std::vector<std::int32_t> OfferedSirqPorts() {
  std::vector<std::int32_t> ports;
  for (std::int32_t port = kFirstSirqPort; port <= kLastSirqPort; ++port) ports.push_back(port);
  return ports;
}

std::vector<std::int32_t> OfferedTncPorts() {
  std::vector<std::int32_t> ports = OfferedComPorts();
  for (std::int32_t offset : {0, kDrsiPortOffset})
    for (std::int32_t port : OfferedSirqPorts()) ports.push_back(port + offset);
  return ports;
}

std::vector<std::int32_t> OfferedBaudRates() {
  std::vector<std::int32_t> bauds;
  for (std::int32_t baud = 1200; baud <= 38400; baud *= 2) bauds.push_back(baud);
  bauds.push_back(kSirqBaud);
  bauds.push_back(115200);
  return bauds;
}

std::vector<std::int32_t> OfferedPacketLengths() {
  std::vector<std::int32_t> lengths;
  for (std::int32_t length = kMinPacLen; length < kMaxPacLen; length += 5) lengths.push_back(length);
  lengths.push_back(kMaxPacLen);
  return lengths;
}

std::vector<std::int32_t> OfferedHostModes() { return {0, 1}; }

std::string PortName(std::int32_t port) {
  if (port <= kLastPortWithBaud) return "COM " + std::to_string(port);
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::int32_t sirq = port % kDrsiPortOffset;
  std::string name = "SIRQ ";
  name += kHex[(sirq / 16) % 16];
  name += kHex[sirq % 16];
  return port >= kDrsiPortOffset ? name + " DRSI" : name;
}

std::string BaudName(std::int32_t baud) { return std::to_string(baud) + " Baud"; }

std::string HostModeName(std::int32_t mode) { return mode == 0 ? "WA8DED" : "TNC3S"; }

std::function<bool(const std::string&)> DriverFileTest(const Config& config) {
  return [&config, driverDir = config.Dirs.GetTncDriverDir()](const std::string& name) {
    const std::string path = Join255(driverDir, name);
    int error = 0;
    const bool exists = config.Files.FileExists(path, error);
    if (error != 0) throw IniReadError(path, SystemReason(error));  // there, maybe: never taken as missing
    return exists;
  };
}

std::string TncKey(int n) { return "TNC" + std::to_string(n); }

std::string FormatTncLine(const TncEntry& e) {
  std::string line;
  for (const TncField& field : kTncFields) {
    if (&field != kTncFields.data()) line += ',';
    std::visit(
        [&](auto member) {
          const auto& value = e.*member;
          using T = std::remove_cvref_t<decltype(value)>;
          if constexpr (std::is_same_v<T, bool>)
            line += value ? "1" : "0";
          else if constexpr (std::is_same_v<T, double>)
            line += FormatFixed3(value);  // three decimals
          else if constexpr (std::is_same_v<T, std::string>)
            line += value;
          else
            line += std::to_string(value);
        },
        field.member);
  }
  return line;
}

TncLineResult ParseTncLine(std::string rest, const std::function<bool(const std::string&)>& driverExists) {
  TncEntry e;
  e.Driver = kDefaultDriver;
  std::vector<std::string> changes;

  const std::string port = NextField(rest);
  const std::int32_t portValue = FieldInteger(port);
  if (port.empty() || !ValidPort(portValue))
    return Rejected("port '" + port + "' is not " + Range(kFirstComPort, kLastPortWithBaud) + ", " +
                    Range(kFirstSirqPort, kLastSirqPort) + " or " +
                    Range(kFirstSirqPort + kDrsiPortOffset, kLastSirqPort + kDrsiPortOffset));
  e.Port = static_cast<std::uint16_t>(portValue);

  const std::string pacLen = NextField(rest);
  const std::int32_t length = FieldInteger(pacLen);
  if (pacLen.empty() || length < 0 || length > kMaxPacLenField)
    return Rejected("packet length '" + pacLen + "' is not " + Range(0, kMaxPacLenField));
  e.PacLen = static_cast<std::uint16_t>(std::clamp(length, kMinPacLen, kMaxPacLen));
  if (e.PacLen != length) changes.push_back("packet length " + pacLen + " is read as " + std::to_string(e.PacLen));

  const std::string baud = NextField(rest);
  const std::int32_t baudValue = FieldInteger(baud);
  if (baud.empty() || baudValue == -1) return Rejected("baud rate '" + baud + "' is not a number");
  e.Baud = e.Port > kLastPortWithBaud ? kSirqBaud : baudValue;
  if (e.Baud != baudValue)
    changes.push_back("baud rate " + baud + " is read as " + std::to_string(kSirqBaud) + " for a SIRQ port");

  const std::string channels = NextField(rest);
  const std::int32_t count = FieldInteger(channels);
  if (channels.empty() || count < 0 || count > kMaxTncChannels)
    return Rejected("channels '" + channels + "' is not " + Range(0, kMaxTncChannels));
  e.Channels = static_cast<std::uint16_t>(count);

  const std::string autoParam = NextField(rest);
  const auto autoBit = Bit(autoParam);
  if (!autoBit) return Rejected("AutoParam '" + autoParam + "' is not 0 or 1");
  e.AutoParam = *autoBit;

  const std::string xhost = NextField(rest);
  const auto xhostBit = Bit(xhost);
  if (!xhostBit) return Rejected("UseXHost '" + xhost + "' is not 0 or 1");
  e.UseXHost = *xhostBit;

  const std::string qrg = NextField(rest);
  const auto qrgValue = ParseDecimalField(qrg);
  if (!qrgValue) return Rejected("QRG '" + qrg + "' is not a number");
  e.Qrg = qrgValue->range == DecimalField::Range::Overflow ? kDefaultQrg : qrgValue->value;
  if (qrgValue->range == DecimalField::Range::Overflow)
    changes.push_back("QRG " + qrg + " is too large; " + FormatFixed3(kDefaultQrg) + " is used");
  if (qrgValue->range == DecimalField::Range::Underflow) changes.push_back("QRG " + qrg + " is read as 0");

  e.IniBlock = NextField(rest);
  if (e.IniBlock.empty()) return Rejected("initialisation block name is missing");
  e.DeiBlock = NextField(rest);
  if (e.DeiBlock.empty()) return Rejected("deinitialisation block name is missing");

  TncLineResult result;
  result.entry = std::move(e);
  result.changes = std::move(changes);
  ReadOptionalFields(rest, result, driverExists);
  return result;
}

namespace {

// Reads the TNC lines in key order until an empty or END OF BLOCK value.
void ReadTncLines(Config& config, TIniFile& ini) {
  std::vector<std::string> keys;
  ini.ReadSection(kDeviceSection, keys);
  const auto driverExists = DriverFileTest(config);
  std::string endedBy;
  for (const auto& key : keys) {
    if (!endedBy.empty()) {
      ini.Report(kDeviceSection, key, "not read: " + endedBy);
      continue;
    }
    const std::string value = ini.ReadString(kDeviceSection, key, "");
    if (value.empty() || value == kEndOfBlock) {
      endedBy = "the reading ended at " + key + " (line " + std::to_string(ini.LineNumber(kDeviceSection, key)) + ")";
      continue;
    }
    if (config.TncCount >= kTncTableSize) {
      ini.Report(kDeviceSection, key, "not read: the table holds ten TNCs");
      continue;
    }
    TncLineResult result = ParseTncLine(value, driverExists);
    for (const auto& change : result.changes) ini.Report(kDeviceSection, key, change);
    for (const auto& note : result.notes) ini.Report(kDeviceSection, key, note, FindingKind::Note);
    if (!result.entry) {
      ini.Report(kDeviceSection, key, "line rejected: " + result.problem);
      continue;
    }
    result.entry->AsRead = value;
    config.TncTable[config.TncCount++] = std::move(*result.entry);
  }
}

std::vector<std::string> SplitFields(std::string line) {
  std::vector<std::string> fields;
  for (std::size_t at; (at = line.find(',')) != std::string::npos; line.erase(0, at + 1))
    fields.push_back(line.substr(0, at));
  fields.push_back(std::move(line));
  return fields;
}

std::string JoinFields(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += (i == 0 ? "" : ",") + fields[i];
  return line;
}

// The line as read with the fields that `written` changes against what reading made of it
// (`loaded`). Fields the line as read leaves out stay out unless they change.
std::string KeepFieldsAsRead(const std::string& asRead, const std::string& loaded, const std::string& written) {
  if (written == loaded) return asRead;
  const std::vector<std::string> raw = SplitFields(asRead), before = SplitFields(loaded), after = SplitFields(written);
  const auto same = [&](std::size_t i) { return i < before.size() && before[i] == after[i]; };
  std::size_t end = std::min(raw.size(), after.size());
  for (std::size_t i = end; i < after.size(); ++i)
    if (!same(i)) end = i + 1;
  std::vector<std::string> fields;
  for (std::size_t i = 0; i < end; ++i) fields.push_back(i < raw.size() && same(i) ? raw[i] : after[i]);
  return JoinFields(fields);
}

// A block name that cannot name a block is written only as the line was read with it.
void RefuseNewBadBlockName(const TncEntry& e, const std::string& name) {
  const BlockNameFault fault = CommandBlockNameFault(name);
  if (name.empty() || fault == BlockNameFault::None) return;
  for (const std::string& field : SplitFields(e.AsRead))
    if (TrimIniBlanks(field) == TrimIniBlanks(name)) return;
  throw IniInputError(BlockNameFaultText(name, fault));
}

}  // namespace

IniKeys KeepTncLinesAsRead(const Config& config, IniKeys keys) {
  const auto driverExists = DriverFileTest(config);
  for (std::int32_t i = 0; i < config.TncCount && static_cast<std::size_t>(i) < keys.size(); ++i) {
    const TncEntry& e = config.TncTable[i];
    if (e.AsRead.empty()) continue;
    const TncLineResult loaded = ParseTncLine(e.AsRead, driverExists);
    if (loaded.entry) keys[i].second = KeepFieldsAsRead(e.AsRead, FormatTncLine(*loaded.entry), keys[i].second);
  }
  return keys;
}

void ReadDeviceSection(Config& config) {
  const std::int32_t countBefore = config.TncCount;
  RunOperation(config, [&](TIniFile& ini) {
    config.TncCount = countBefore;  // a run again from the read starts over
    ReadTncLines(config, ini);
  });
}

IniWrites DeviceSectionWrites(const Config& config) {
  IniKeys keys;
  for (std::int32_t i = 0; i < config.TncCount; ++i) {
    const TncEntry& e = config.TncTable[i];
    for (const std::string* name : {&e.Driver, &e.IniBlock, &e.DeiBlock})
      if (name->find(',') != std::string::npos)  // the next read would split the line there
        throw IniInputError("a name in the DEVICE line may not hold a comma: " + *name);
    for (const std::string* name : {&e.IniBlock, &e.DeiBlock}) RefuseNewBadBlockName(e, *name);
    keys.emplace_back(TncKey(i), FormatTncLine(config.TncTable[i]));
  }
  keys.emplace_back(TncKey(config.TncCount), std::string(kEndOfBlock));
  return {IniWrite::Section(kDeviceSection, std::move(keys))};
}

}  // namespace trv
