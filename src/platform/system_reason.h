#pragma once
// The system's text for an errno value, as every message of ours gives it after its own words.
#include <cstring>
#include <string>

namespace trv {

// Empty for none (0).
inline std::string SystemReason(int error) { return error == 0 ? std::string() : std::string(std::strerror(error)); }

}  // namespace trv
