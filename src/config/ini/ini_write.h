#pragma once
// One write to the INI file, as data: what a section's writer produces, what save all and the
// merge of OK compare, and what the file applies.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trv {

// Read string's cut: a longer value is never written.
inline constexpr std::size_t kMaxValueLength = 2047;

using IniKeys = std::vector<std::pair<std::string, std::string>>;

// A key's value, or a whole section's keys (`key` empty).
struct IniWrite {
  std::string section;
  std::string key;
  std::string value;
  IniKeys keys;

  static IniWrite Text(std::string_view section, std::string_view key, std::string_view value) {
    return {std::string(section), std::string(key), std::string(value), {}};
  }
  static IniWrite Integer(std::string_view section, std::string_view key, std::int32_t value) {
    return Text(section, key, std::to_string(value));
  }
  static IniWrite Flag(std::string_view section, std::string_view key, bool on) {
    return Text(section, key, on ? "1" : "0");
  }
  static IniWrite Section(std::string_view section, IniKeys keys) {
    return {std::string(section), {}, {}, std::move(keys)};
  }
  bool WholeSection() const { return key.empty(); }
  bool operator==(const IniWrite&) const = default;
};
using IniWrites = std::vector<IniWrite>;

// Each throws IniInputError for what the file cannot hold: a name with a line break or NUL, a
// key name with '=' or starting with ';' or '[', a name empty or with blanks at its ends, a
// value with a line break or NUL, or longer than the next read takes.
void CheckIniName(std::string_view name, bool isKey);
void CheckIniValue(std::string_view value);
void CheckIniWrite(const IniWrite& write);

}  // namespace trv
