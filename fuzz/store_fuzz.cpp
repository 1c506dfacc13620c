// Fuzzes the whole store: any bytes as TARVO.INI, then load all + save all twice. The second
// round changes nothing; the preamble and every line the program does not own survive byte
// for byte and in order. A file starting with a UTF-16 byte-order mark is never written.
#include <cstdint>
#include <cstdio>
#include <string>

#include "config/ini/ini_errors.h"
#include "config/owned_lines.h"
#include "config/store/sections.h"
#include "fuzz_dir.h"

namespace {

using trv::fuzz::Broken;

// Load all + save all as OK does; the errors load all reported, and whether save all refused.
bool Round(const trv::fuzz::FuzzDir& dir, std::vector<std::string>& errors) {
  trv::Config config = dir.MakeConfig();
  errors = trv::LoadAll(config);
  try {
    trv::SaveAll(config);
  } catch (const trv::IniWriteError&) {
    return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string original(reinterpret_cast<const char*>(data), size);
  const bool utf16 = original.size() >= 2 && original[0] == '\xFF' && original[1] == '\xFE';
  trv::fuzz::FuzzDir dir(original);
  std::vector<std::string> errors;
  const bool saved = Round(dir, errors);
  const std::string once = dir.Ini();
  if (utf16) {
    if (saved || errors.empty()) Broken("a UTF-16 file was written to without an error");
    if (once != original) Broken("a UTF-16 file changed");
    return 0;
  }
  if (!saved || !errors.empty()) Broken("load all + save all reported an error");
  if (!Round(dir, errors) || !errors.empty()) Broken("the second round reported an error");
  if (dir.Ini() != once) Broken("the second round changed the file");
  const std::string_view preamble = trv::test::Preamble(original);
  if (std::string_view(once).substr(0, preamble.size()) != preamble) Broken("the preamble changed");
  if (!trv::test::SurvivesIn(trv::test::NotOwned(original), trv::test::Lines(once)))
    Broken("a line the program does not own was lost or changed");
  return 0;
}
