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

enum class JsonType { Object, List, Text, Number, Boolean, Null };

struct JsonValue {
  std::string name;
  std::string text;  // in UTF-8; a number as written; a boolean as yes or no; null as nothing
  JsonType type;
};

struct JsonSettings {
  JsonType top = JsonType::Object;
  std::vector<JsonValue> values;                             // every value that is no object or list, in file order
  std::vector<std::pair<std::string, JsonType>> containers;  // every object and list below the top
  std::map<std::string, std::size_t> listLengths;            // "TncTable" -> number of items
};

// The type in words, as apply names what it was given: "a text", "a number", "null", ...
std::string JsonTypeName(JsonType type);

// A name given more than once (in any letter case) keeps its first place and takes its last
// value; the reading takes time in proportion to the text. Throws std::runtime_error naming the
// offset of what is not JSON, of nesting deeper than 64 levels, or of a name longer than 256
// characters (no setting has one).
JsonSettings ReadJsonSettings(std::string_view json);

}  // namespace trv
