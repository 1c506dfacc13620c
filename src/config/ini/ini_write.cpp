#include "config/ini/ini_write.h"

#include "config/ini/ini_document.h"
#include "config/ini/ini_errors.h"

namespace trv {

void CheckIniName(std::string_view name, bool isKey) {
  if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
    throw IniInputError("a name may not hold a line break or NUL");
  if (isKey &&
      (name.find('=') != std::string_view::npos || (!name.empty() && (name.front() == ';' || name.front() == '['))))
    throw IniInputError("a key name may not hold '=' or start with ';' or '[': " + std::string(name));
  if (TrimIniBlanks(name).size() != name.size() || name.empty())
    throw IniInputError("a name may not be empty or start or end with blanks");
}

void CheckIniValue(std::string_view value) {
  if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
    throw IniInputError("a value may not hold a line break or NUL");
  // What the next read would cut is never written.
  if (value.size() > kMaxValueLength)
    throw IniInputError("a value may be at most " + std::to_string(kMaxValueLength) +
                        " characters long; this one has " + std::to_string(value.size()));
}

void CheckIniWrite(const IniWrite& write) {
  CheckIniName(write.section, false);
  if (!write.WholeSection()) {
    CheckIniName(write.key, true);
    CheckIniValue(write.value);
  }
  for (const auto& [key, value] : write.keys) {
    CheckIniName(key, true);
    CheckIniValue(value);
  }
}

}  // namespace trv
