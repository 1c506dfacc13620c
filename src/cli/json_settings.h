#pragma once
// The settings of a `show --json` output as name and value pairs, named as `get` and `set` take
// them ("StationSettings.Call", "TncTable[0].Port"); flags as yes or no.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trv {

struct JsonSettings {
  std::vector<std::pair<std::string, std::string>> values;  // text in UTF-8, in file order
  std::map<std::string, std::size_t> listLengths;           // "TncTable" -> number of items
};

// Throws std::runtime_error naming the offset of what is not JSON.
JsonSettings ReadJsonSettings(std::string_view json);

}  // namespace trv
