#pragma once
// The COM port values of a Wine prefix's registry file (system.reg): the key
// Software\Wine\Ports holds "COMn"="<host device>" strings, which the next Wine start maps
// before any device it finds by itself.
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace trv {

// The key's COM port values by number (1 to 255); values of other types and names are left out.
std::map<int, std::string> RegistryComPorts(std::string_view systemReg);

// The file with "COM<number>"="<device>" in the key (the key added when it is missing), the
// rest byte for byte as it was; nothing when the device cannot be written as a plain string
// (a character outside printable ASCII).
std::optional<std::string> WithRegistryComPort(std::string_view systemReg, int number, std::string_view device,
                                               long long unixTime);

// The file without any value that Wine reads as COM<number> (in every copy of the key), the
// rest byte for byte as it was.
std::string WithoutRegistryComPort(std::string_view systemReg, int number);

}  // namespace trv
