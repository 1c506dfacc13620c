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

// A name given more than once (in any letter case) keeps its first place and takes its last
// value; the reading takes time in proportion to the text. Throws std::runtime_error naming the
// offset of what is not JSON, of nesting deeper than 64 levels, or of a name longer than 256
// characters (no setting has one).
JsonSettings ReadJsonSettings(std::string_view json);

}  // namespace trv
