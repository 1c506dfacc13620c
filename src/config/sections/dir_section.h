#pragma once
// The DIR section: the seven working directories. Reading creates them, with the fixed
// directories under the program directory and the mailbox directory.
#include <array>
#include <string_view>

#include "config/settings/setting_table.h"
#include "support/directories.h"

namespace trv {

class Config;

inline constexpr std::string_view kDirSection = "DIR";

// A working directory of the DIR section: its key, its name in the records, its default below
// the program directory and what the terminal program keeps there. In the order of the file.
struct DirKey {
  std::string_view key;
  std::string_view name;
  std::string_view defaultName;
  void (Directories::*set)(std::string_view);
  const std::string& (Directories::*get)() const;
  std::string_view about;
};
const std::array<DirKey, 7>& DirKeys();
// The entry of that key; the keys are those of DirKeys().
const DirKey& DirKeyOf(std::string_view key);

void ReadDirSection(Config& config);
// The keys the section is written with, from the records as they are.
IniWrites DirSectionWrites(const Config& config);

}  // namespace trv
