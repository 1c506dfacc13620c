#pragma once
#include <array>
#include <string_view>

#include "support/directories.h"
// The DIR section: the seven working directories. Reading creates them, with the fixed
// directories under the program directory and the mailbox directory.
namespace trv {

class Config;

// A working directory of the DIR section: its key, its name in the records, its default below
// the program directory.
struct DirKey {
  std::string_view key;
  std::string_view name;
  std::string_view defaultName;
  void (Directories::*set)(std::string_view);
  const std::string& (Directories::*get)() const;
};
const std::array<DirKey, 7>& DirKeys();

void ReadDirSection(Config& config);
void WriteDirSection(Config& config);

}  // namespace trv
