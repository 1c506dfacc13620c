#include "cli/port_commands.h"

#include <filesystem>

#include "platform/wine_ports.h"
#include "platform/wine_prefix.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

constexpr int kHighestComPort = 9;  // above it the DEVICE line holds SIRQ ports

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
    case DeviceState::NotAllowed: return "you may not open it: add yourself to the group " + facts.group;
  }
  return "";
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
    const std::string head = fileName + ": [DEVICE] TNC" + std::to_string(n) + ": COM " + std::to_string(port);
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

}  // namespace trv
