#include "cli/json_types.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <vector>

#include "config/settings/setting_catalogue.h"
#include "config/store/config.h"
#include "platform/host_files.h"
#include "support/codepage.h"

namespace trv {
namespace {

struct Takes {
  std::string words;  // what the setting takes, in words
  std::vector<JsonType> types;
};

const Takes kObject{"an object", {JsonType::Object}};
const Takes kList{"a list", {JsonType::List}};
const Takes kText{"a text", {JsonType::Text}};

Takes OfKind(CatalogueEntry::Kind kind) {
  switch (kind) {
    case CatalogueEntry::Kind::Text: return kText;
    case CatalogueEntry::Kind::Integer:
    case CatalogueEntry::Kind::Real: return {"a number or its text", {JsonType::Number, JsonType::Text}};
    case CatalogueEntry::Kind::Flag: return {"true or false", {JsonType::Boolean, JsonType::Text}};
  }
  return kText;
}

// A name in small letters with its list numbers left out: "TncTable[3].Port" is "tnctable[].port".
std::string Shape(std::string_view name) {
  std::string out;
  bool inNumber = false;
  for (char c : name) {
    if (inNumber && std::isdigit(static_cast<unsigned char>(c))) continue;
    inNumber = c == '[';
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

// What each shape of name takes: the settings of a store with a TNC and a closed time, so that
// the items of every list are named, and every record and list above them.
std::map<std::string, Takes> MakeTypeTable() {
  Config probe(HostFileSystem(DriveTable(), "Z:\\"), {.readOnly = true});
  probe.TncCount = 1;
  probe.ClosedTimes.AddWindow(0, 0);
  std::map<std::string, Takes> table;
  for (const CatalogueEntry& e : MakeSettingCatalogue(probe)) {
    const std::string shape = Shape(e.name);
    table[shape] = OfKind(e.kind);
    for (std::size_t i = 0; i < shape.size(); ++i)
      if (shape[i] == '.' || shape[i] == '[') table.try_emplace(shape.substr(0, i), shape[i] == '.' ? kObject : kList);
  }
  table["usersections"] = kList;
  table["usersections[]"] = kText;
  table["blocks"] = {"an object of command blocks", {JsonType::Object}};
  table["sections"] = kList;
  table["sections[]"] = {"a section (an object)", {JsonType::Object}};
  table["sections[].name"] = kText;
  table["sections[].lines"] = {"a list of lines", {JsonType::List}};
  table["sections[].lines[]"] = {"a line (a text)", {JsonType::Text}};
  return table;
}

// The command blocks: "Blocks.NAME" a list of lines, "Blocks.NAME[i]" a line. A name may hold
// any character, so a block's line is told by its number at the end.
const Takes* BlockTakes(const std::string& name) {
  static const Takes list{"a list of lines", {JsonType::List}}, line{"a line (a text)", {JsonType::Text}};
  if (!StartsWithNoCase1252(name, "Blocks.")) return nullptr;
  const std::size_t open = name.rfind('[');
  const bool numbered = name.back() == ']' && open != std::string::npos && open + 2 < name.size() &&
                        std::all_of(name.begin() + static_cast<std::ptrdiff_t>(open) + 1, name.end() - 1,
                                    [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
  return numbered ? &line : &list;
}

std::string Fault(const std::map<std::string, Takes>& table, const std::string& name, JsonType given) {
  const Takes* takes = BlockTakes(name);
  if (takes == nullptr) {
    const auto found = table.find(Shape(name));
    if (found == table.end())
      return given == JsonType::Object || given == JsonType::List
                 ? "no setting " + name + " (tarvoini names lists them)"
                 : std::string();
    takes = &found->second;
  }
  if (std::find(takes->types.begin(), takes->types.end(), given) != takes->types.end()) return {};
  return name + ": " + takes->words + ", not " + JsonTypeName(given);
}

}  // namespace

std::string JsonTypeFault(const JsonSettings& settings) {
  if (settings.top != JsonType::Object) return "the whole: an object of settings, not " + JsonTypeName(settings.top);
  static const std::map<std::string, Takes> table = MakeTypeTable();
  for (const auto& [name, type] : settings.containers)
    if (std::string fault = Fault(table, name, type); !fault.empty()) return fault;
  for (const JsonValue& value : settings.values)
    if (std::string fault = Fault(table, value.name, value.type); !fault.empty()) return fault;
  return {};
}

}  // namespace trv
