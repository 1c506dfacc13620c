// Load all + save all over generated files: comments, duplicate sections and keys, quotes,
// NULs, odd spacing, LF and CR LF. The second round never changes a byte, and every line the
// program does not own survives, in order.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <random>

#include "config/owned_lines.h"
#include "config/store/config.h"
#include "config/store/edit_session.h"
#include "config/store/sections.h"
#include "support/codepage.h"
#include "test_util.h"

namespace trv {
namespace {

using test::Owned;
using test::ProgramDir;

class FileGenerator {
 public:
  explicit FileGenerator(unsigned seed) : random_(seed) {}

  std::string Generate() {
    eol_ = Pick(2) == 0 ? "\n" : "\r\n";
    std::string file;
    if (Pick(3) == 0) file += "; before any section" + eol_;
    const int sections = 3 + Pick(12);
    for (int s = 0; s < sections; ++s) file += Section();
    if (Pick(4) == 0 && !file.empty()) file.resize(file.size() - eol_.size());  // no line break at the end
    return file;
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  std::string Name() {
    const auto& owned = Owned();
    const int which = Pick(static_cast<int>(owned.size()) + 3);
    if (which >= static_cast<int>(owned.size()))
      return std::array<const char*, 3>{"MINE", "BEACON1", "DEFINI"}[which - owned.size()];
    std::string name(owned[which].name);
    if (Pick(4) == 0) name[1] = static_cast<char>(name[1] - 'A' + 'a');  // names match without regard to case
    return name;
  }

  std::string Key(const std::string& section) {
    for (const auto& owned : Owned())
      if (EqualNoCase1252(owned.name, section) && !owned.keys.empty() && Pick(4) != 0)
        return std::string(owned.keys[Pick(static_cast<int>(owned.keys.size()))]);
    return std::array<const char*, 5>{"TNC0", "0", "1", "FOO", "HFG"}[Pick(5)];
  }

  std::string Value() {
    static const std::array<std::string, 15> values = {"1",
                                                       "0",
                                                       "abc",
                                                       "\"quoted\"",
                                                       "' both '",
                                                       "\"\"x\"\"",
                                                       std::string("de\0 >", 5),
                                                       "  spaced  ",
                                                       "",
                                                       "3,248,9600,8,1,1,144.8,DEFINI,DEFDEI",
                                                       "2230-0600,1--5",
                                                       "1e400",
                                                       "C:\\X\\",
                                                       "x=y",
                                                       std::string(254, 'a') + " b"};  // cut, a blank at its end
    return values[Pick(static_cast<int>(values.size()))];
  }

  std::string Line(const std::string& section) {
    switch (Pick(8)) {
      case 0: return "; comment " + std::to_string(Pick(100));
      case 1: return "";
      case 2: return "no equals here";
      case 3: return "  " + Key(section) + " =\t" + Value() + " ";
      default: return Key(section) + "=" + Value();
    }
  }

  std::string Section() {
    const std::string name = Name();
    std::string text = (Pick(5) == 0 ? " [ " + name + " ] " : "[" + name + "]") + eol_;
    const int lines = Pick(8);
    for (int i = 0; i < lines; ++i) text += Line(name) + eol_;
    return text;
  }

  std::mt19937 random_;
  std::string eol_;
};

void LoadAndSave(const ProgramDir& p) {
  Config c = p.MakeConfig();
  const auto errors = LoadAll(c);
  ASSERT_TRUE(errors.empty()) << errors.front();
  SaveAll(c);
}

TEST(StoreProperty, SecondRoundChangesNothingAndForeignLinesSurvive) {
  for (unsigned seed = 1; seed <= 150; ++seed) {
    const std::string original = FileGenerator(seed).Generate();
    ProgramDir p(original);
    LoadAndSave(p);
    const std::string once = p.Ini();
    LoadAndSave(p);
    ASSERT_EQ(p.Ini(), once) << "seed " << seed << "\n" << original;
    ASSERT_EQ(once.substr(0, test::Preamble(original).size()), test::Preamble(original)) << "seed " << seed;
    ASSERT_TRUE(test::SurvivesIn(test::NotOwned(original), test::Lines(once))) << "seed " << seed << "\n"
                                                                               << original << "\n---\n"
                                                                               << once;
  }
}

// A dry run is the run without the write: the text it predicts is the file the real run writes,
// also where a value depends on a folder that the real run makes (the read folder becomes a
// full path only once it is there).
TEST(StoreProperty, ADryRunPredictsTheFileTheRunWrites) {
  std::vector<std::string> files = {
      "[DIR]\r\nRD=read\r\n",                          // made by the run
      "[DIR]\r\nRD=mail\r\n",                          // made for RD, then found for MD=MAIL
      "[DIR]\r\nRD=C:\\deep\\er\\\r\nSD=C:\\x\\\r\n",  // its folder above made too
      "[DIR]\r\nRD=Q:\\READ\\\r\n",                    // on no drive: nothing made
      "[STATION]\r\nCALL=DL1ABC\r\n",
  };
  for (const auto& e : std::filesystem::directory_iterator(TEST_DATA_DIR "/ini"))
    files.push_back(test::ReadFile(e.path().string()));
  for (unsigned seed = 1; seed <= 40; ++seed) files.push_back(FileGenerator(seed).Generate());
  for (const std::string& original : files) {
    ProgramDir p(original);
    Config dry = p.MakeConfig({.readOnly = true});
    const DryRun predicted = RunDryAction(dry, [&](TIniFile&) { Resave(dry); });
    EXPECT_EQ(p.Ini(), original);
    Config real = p.MakeConfig();
    RunAction(real, [&](TIniFile&) { Resave(real); });
    EXPECT_EQ(p.Ini(), predicted.after) << original;
  }
}

}  // namespace
}  // namespace trv
