// Files no one writes by hand: very large, binary, one huge line, runs of NUL bytes. Load all
// and save all neither crash nor hang, report no error, and keep every byte they do not own.
#include <gtest/gtest.h>

#include <random>

#include "config/ini/ini_errors.h"
#include "config/owned_lines.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "test_util.h"

namespace trv {
namespace {

using test::ProgramDir;
using namespace std::string_literals;

// Load all + save all, then the same again: no errors, and the second round changes nothing.
std::string TwoRounds(const ProgramDir& p) {
  std::string once;
  for (int round = 0; round < 2; ++round) {
    Config c = p.MakeConfig();
    const auto errors = LoadAll(c);
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_NO_THROW(SaveAll(c));
    if (round == 0) once = p.Ini();
  }
  EXPECT_TRUE(p.Ini() == once) << "the second round changed the file";
  return once;
}

void ExpectForeignBytesKept(const std::string& original, const std::string& saved) {
  EXPECT_TRUE(saved.starts_with(test::Preamble(original)));
  EXPECT_TRUE(test::SurvivesIn(test::NotOwned(original), test::Lines(saved)));
}

// Every section the program owns, as load all + save all make them of an empty folder.
std::string CompleteSections() {
  ProgramDir p;
  Config c = p.MakeConfig();
  LoadAll(c);
  SaveAll(c);
  return p.Ini();
}

TEST(BadInput, A50MegabyteFileIsReadAndAChangeWritesOneLine) {
  std::string file = CompleteSections();
  const std::string block = "[BLOCK]\r\n0=ESC I DL1ABC-1 some command text for the TNC\r\n1=ESC M UISC\r\n";
  file.reserve(50'000'000 + block.size());
  while (file.size() < 50'000'000) file += block;
  ProgramDir p(file);
  Config c = p.MakeConfig();
  EXPECT_TRUE(LoadAll(c).empty());
  SaveAll(c);
  EXPECT_TRUE(p.Ini() == file) << "an up-to-date file changed";
  c.Station.Call = "DK0NEW";
  SaveAll(c);
  std::string expected = file;
  expected.replace(expected.find("CALL=NOCALL"), 11, "CALL=DK0NEW");
  EXPECT_TRUE(p.Ini() == expected);
}

TEST(BadInput, ABinaryFileKeepsEveryByteTheProgramDoesNotOwn) {
  std::mt19937 random(13);
  std::string file(1 << 20, '\0');
  for (char& byte : file) byte = static_cast<char>(random());
  file[0] = 'x';  // not a UTF-16 byte-order mark
  ProgramDir p(file);
  ExpectForeignBytesKept(file, TwoRounds(p));
}

TEST(BadInput, OneHugeLineIsCutWhereItIsReadAndKeptWhereItIsNot) {
  const std::string huge(5'000'000, 'A');
  for (const std::string& file : {"[MINE]\r\nx=" + huge + "\r\n[STATION]\r\nCALL=DL1ABC\r\n",  // foreign
                                  "[STATION]\r\nCALL=" + huge + "\r\n",                        // read and cut
                                  huge}) {                                                     // no line break
    ProgramDir p(file);
    const std::string saved = TwoRounds(p);
    ExpectForeignBytesKept(file, saved);
    Config c = p.MakeConfig();
    LoadAll(c);
    EXPECT_LE(c.Station.Call.size(), 255u);
  }
}

TEST(BadInput, RunsOfNulBytesEndValuesAndStayInTheFile) {
  const std::string nuls(1 << 20, '\0');
  const std::string file = "[STATION]\r\nCALL=DL1ABC" + nuls + "\r\n" + nuls + "\r\n[MINE]\r\n" + nuls +
                           "=x\r\ny=" + nuls + "\r\n[EXTRA]\r\nPROMPT=" + nuls + "\r\n";
  ProgramDir p(file);
  const std::string saved = TwoRounds(p);
  ExpectForeignBytesKept(file, saved);
  Config c = p.MakeConfig();
  LoadAll(c);
  EXPECT_EQ(c.Station.Call, "DL1ABC");
  EXPECT_EQ(c.Extra.Prompt, "");
  EXPECT_NE(saved.find("CALL=DL1ABC" + nuls + "\r\n"), std::string::npos);  // reads as it would be written
}

TEST(BadInput, ALineBreakInAnyValueRefusesTheWholeSaveBeforeTheFirstWrite) {
  ProgramDir p(CompleteSections());
  const std::string before = p.Ini();
  for (const std::string& bad : {"A\rB"s, "A\nB"s, "A\0B"s, "\r\n[DEVICE]\r\nTNC0=x"s}) {
    Config c = p.MakeConfig();
    LoadAll(c);
    c.Station.Call = "DK0NEW";  // written first, if anything were
    c.Mailbox.DefaultBoard = bad;
    EXPECT_THROW(SaveAll(c), IniInputError);
    EXPECT_EQ(p.Ini(), before);
  }
}

}  // namespace
}  // namespace trv
