#include "cli/port_commands.h"

#include <algorithm>
#include <filesystem>

#include "config/sections/device_section.h"
#include "platform/system_reason.h"
#include "platform/wine_ports.h"
#include "platform/wine_prefix.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

constexpr int kHighestComPort = kHighestTarvoComPort;  // above it the DEVICE line holds SIRQ ports

std::string PrefixOf(const std::string& programDir) {
  std::error_code ec;
  const std::string prefix = WinePrefixFor(fs::absolute(programDir, ec).string());
  return IsWinePrefix(prefix) ? prefix : std::string();
}

const char* SourceText(PortSource source) {
  switch (source) {
    case PortSource::Registry: return "Software\\Wine\\Ports";
    case PortSource::FoundDevice: return "found by Wine";
    case PortSource::LeftLink: return "link left in dosdevices";
    case PortSource::None: break;
  }
  return "";
}

std::string StateText(const DeviceFacts& facts) {
  switch (facts.state) {
    case DeviceState::Present: return facts.adapter.empty() ? "present" : "present, " + facts.adapter;
    case DeviceState::Missing: return "does not exist";
    case DeviceState::NotAllowed:
      return facts.group.empty() ? "you may not open it"
                                 : "you may not open it: add yourself to the group " + facts.group;
  }
  return "";
}

// "COM3", "com 3" or "3": the port's number, or 0 when it names no port from COM 1 to COM 9.
int ComPortArgument(std::string word) {
  if (word.size() >= 3 && (word[0] | 0x20) == 'c' && (word[1] | 0x20) == 'o' && (word[2] | 0x20) == 'm') {
    word.erase(0, 3);
    if (!word.empty() && word.front() == ' ') word.erase(0, 1);
  }
  if (word.empty() || word.size() > 2 ||
      !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  const int number = std::stoi(word);
  return number >= 1 && number <= kHighestTarvoComPort ? number : 0;
}

std::string PortText(const ComPort& port) {
  if (port.source == PortSource::None) return "not mapped";
  return port.device + " (" + SourceText(port.source) + ")";
}

const char* PathProblemText(DevicePathProblem problem) {
  switch (problem) {
    case DevicePathProblem::Empty: return "a device path is needed";
    case DevicePathProblem::NotFullPath: return "name the device by its full path, such as /dev/ttyUSB0";
    case DevicePathProblem::NotPlainText:
      return "the Wine registry takes a device path in printable ASCII only (no accents, no control characters)";
    case DevicePathProblem::TooLong: return "Wine skips a device path longer than 255 bytes";
    case DevicePathProblem::None: break;
  }
  return "";
}

// Says why the change is refused and gives the exit status; kOk when it is not.
int Refusal(const ComPortChange& check, const std::string& prefix, CommandStreams io) {
  using R = ComPortChange::Refusal;
  switch (check.refusal) {
    case R::None: return kOk;
    case R::BadDevice: io.err << "tarvoini: " << PathProblemText(check.pathProblem) << "\n"; return kUsage;
    case R::ServerRunning:
      io.err << "tarvoini: Wine is running in " << prefix
             << "; it keeps the registry in memory and writes it back when it ends, so nothing is changed now. "
                "Close the programs running in Wine (or run wineserver -k) and try again\n";
      return kWriteFailed;
    case R::NoRegistry:
      io.err << "tarvoini: " << check.registryFile
             << " does not exist: start a program in this Wine prefix once, then map the port\n";
      return kReadFailed;
    case R::RegistryUnreadable:
      io.err << "tarvoini: " << check.registryFile << " cannot be read: " << check.reason << "\n";
      return kReadFailed;
    case R::RegistryReadOnly:
      io.err << "tarvoini: " << check.registryFile << " cannot be written: " << check.reason << "\n";
      return kWriteFailed;
  }
  return kOk;
}

// What the user should know before relying on the port: a device that is missing now, one
// they may not open, another COM port on the same device.
void Notes(const ComPortChange& check, int number, std::ostream& out) {
  const ComPort& port = check.after;
  if (port.source == PortSource::None) return;
  if (check.device.state != DeviceState::Present)
    out << "note: " << port.device << ": " << StateText(check.device) << "\n";
  for (const ComPort& other : check.sameDevice)
    out << "note: " << port.device << " is also COM " << other.number << " (" << SourceText(other.source) << "); COM "
        << number << " and COM " << other.number << " share the device\n";
}

}  // namespace

int PrintPortFindings(const Config& config, const std::string& programDir, const std::string& fileName,
                      std::ostream& out) {
  const std::string prefix = PrefixOf(programDir);
  if (prefix.empty()) return 0;
  const SerialHost host = SerialHost::OfThisProcess();
  std::string problem;
  const std::vector<ComPort> ports = NextStartComPorts(prefix, host, kHighestComPort, &problem);
  if (!problem.empty()) {  // the ports cannot be told
    out << fileName << ": " << SystemRegistryFile(prefix) << " cannot be read (" << problem
        << "); the COM ports are not checked\n";
    return 1;
  }
  int printed = 0;
  for (int n = 0; n < config.TncCount && n < static_cast<int>(config.TncTable.size()); ++n) {
    const int port = config.TncTable[static_cast<std::size_t>(n)].Port;
    if (port < 1 || port > kHighestComPort) continue;
    const ComPort& mapping = ports[static_cast<std::size_t>(port - 1)];
    const std::string head = fileName + ": [" + std::string(kDeviceSection) + "] " + TncKey(n) + ": " + PortName(port);
    if (mapping.source == PortSource::None) {
      out << head << " is not mapped in the Wine prefix " << prefix << "\n";
    } else if (ProbeSerialDevice(mapping.device, host).state == DeviceState::Missing) {
      out << head << " is " << mapping.device << ", which does not exist (Wine prefix " << prefix << ")\n";
    } else {
      continue;
    }
    ++printed;
  }
  return printed;
}

int PortsCommand(const std::string& programDir, CommandStreams io) {
  const std::string prefix = PrefixOf(programDir);
  if (prefix.empty()) {
    io.err << "tarvoini: " << programDir << " is in no Wine prefix (none above it, none in $WINEPREFIX or ~/.wine)\n";
    return kNotFound;
  }
  const SerialHost host = SerialHost::OfThisProcess();
  std::string problem;
  const std::vector<ComPort> ports = NextStartComPorts(prefix, host, kHighestComPort, &problem);
  if (!problem.empty()) {
    io.err << "tarvoini: " << SystemRegistryFile(prefix) << " cannot be read: " << problem << "\n";
    return kReadFailed;
  }
  io.out << "Wine prefix " << prefix << ", as its next start maps the ports:\n";
  for (const ComPort& port : ports) {
    io.out << "COM " << port.number << ": ";
    if (port.source == PortSource::None) {
      io.out << "not mapped\n";
      continue;
    }
    io.out << port.device << " (" << SourceText(port.source) << "; " << StateText(ProbeSerialDevice(port.device, host))
           << ")\n";
  }
  return kOk;
}

std::string PortsChangeUsage(const std::vector<std::string>& args) {
  const bool map = !args.empty() && args[0] == "map" && args.size() == 3;
  const bool unmap = !args.empty() && args[0] == "unmap" && args.size() == 2;
  if (!map && !unmap) return "ports takes map COMn DEVICE or unmap COMn";
  if (ComPortArgument(args[1]) == 0)
    return args[1] + " is no COM port from COM1 to COM" + std::to_string(kHighestComPort);
  if (map && args[2].empty()) return PathProblemText(DevicePathProblem::Empty);
  return {};
}

int PortsChangeCommand(const std::string& programDir, const std::vector<std::string>& args, CommandStreams io) {
  if (const std::string wrong = PortsChangeUsage(args); !wrong.empty()) {
    io.err << "tarvoini: " << wrong << " (see tarvoini --help)\n";
    return kUsage;
  }
  const bool map = args[0] == "map";
  const int number = ComPortArgument(args[1]);
  const std::string device = map ? args[2] : std::string();
  const std::string prefix = PrefixOf(programDir);
  if (prefix.empty()) {
    io.err << "tarvoini: " << programDir << " is in no Wine prefix (none above it, none in $WINEPREFIX or ~/.wine)\n";
    return kNotFound;
  }
  const SerialHost host = SerialHost::OfThisProcess();
  const ComPortChange check = CheckComPortChange(prefix, number, device, host);
  if (const int refused = Refusal(check, prefix, io); refused != kOk) return refused;
  const std::string value = "\"COM" + std::to_string(number) + "\"";
  const std::string key = "[Software\\Wine\\Ports] in " + check.registryFile;
  if (check.unchanged) {
    io.out << (map ? "COM " + std::to_string(number) + " is " + device + " already" : value + " is not under " + key)
           << "; nothing changed\n";
    Notes(check, number, io.err);
    return kOk;
  }
  const MapResult result = map ? MapComPort(prefix, number, device, host) : UnmapComPort(prefix, number, host);
  switch (result.outcome) {
    case MapResult::Outcome::Mapped: break;
    case MapResult::Outcome::ServerRunning:
    case MapResult::Outcome::NoRegistry:
    case MapResult::Outcome::BadDevice: {  // the prefix changed since the check: say why as the check says it
      const ComPortChange again = CheckComPortChange(prefix, number, device, host);
      if (const int refused = Refusal(again, prefix, io); refused != kOk) return refused;
      io.err << "tarvoini: " << check.registryFile << " could not be written\n";
      return kWriteFailed;
    }
    case MapResult::Outcome::Refused:
      io.err << "tarvoini: " << check.registryFile << " could not be written: "
             << (result.error == 0 ? "it is not a regular file" : SystemReason(result.error)) << "\n";
      return kWriteFailed;
  }
  if (map) {
    io.out << "set " << value << "=\"" << device << "\" under " << key;
    if (check.hasValue) io.out << " (it was \"" << check.valueNow << "\")";
  } else {
    io.out << "removed " << value << "=\"" << check.valueNow << "\" from " << key;
  }
  io.out << "\nfrom the next Wine start on, COM " << number << " is " << PortText(check.after) << "\n";
  Notes(check, number, io.err);
  return kOk;
}

}  // namespace trv
