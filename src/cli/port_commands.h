#pragma once
// How the COM ports of the program folder's Wine prefix reach the TNCs: the list of tarvoini
// ports and the port findings of tarvoini check.
#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "config/store/config.h"

namespace trv {

// One line per TNC on a COM port that the next Wine start leaves unmapped or maps to a device
// that does not exist, "FILE: [DEVICE] TNCn: COM n ..."; nothing outside a Wine prefix. The
// number of lines printed.
int PrintPortFindings(const Config& config, const std::string& programDir, const std::string& fileName,
                      std::ostream& out);

// Lists COM 1 to 9 as the next Wine start maps them, with their devices.
int PortsCommand(const std::string& programDir, CommandStreams io);

// The words after "ports": "map COMn DEVICE" or "unmap COMn". Changes the registry value of
// the port in the program folder's Wine prefix, with the checks of the window's Map...
// Why those words are no ports map or unmap command; empty when they are one.
std::string PortsChangeUsage(const std::vector<std::string>& args);
int PortsChangeCommand(const std::string& programDir, const std::vector<std::string>& args, CommandStreams io);

}  // namespace trv
