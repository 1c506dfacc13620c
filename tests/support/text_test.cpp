#include "support/text.h"

#include <gtest/gtest.h>

#include "support/codepage.h"
#include "support/directories.h"
#include "support/dos_colors.h"
#include "support/fheader.h"

namespace trv {
namespace {

TEST(Text, AddBackslashKeepsEmptyAndFullPaths) {
  EXPECT_EQ(AddBackslash(""), "");
  EXPECT_EQ(AddBackslash("C:\\MAIL"), "C:\\MAIL\\");
  EXPECT_EQ(AddBackslash("C:\\MAIL\\"), "C:\\MAIL\\");
  const std::string full(255, 'x');
  EXPECT_EQ(AddBackslash(full), full);  // no room for the backslash
  EXPECT_EQ(AddBackslash(std::string(254, 'x')).back(), '\\');
}

TEST(Text, StartsWithIsExactAndCaseSensitive) {
  EXPECT_TRUE(StartsWith("BEACON2", "BEACON"));
  EXPECT_FALSE(StartsWith("beacon", "BEACON"));
  EXPECT_FALSE(StartsWith("BEA", "BEACON"));
  EXPECT_TRUE(StartsWith("anything", ""));
}

TEST(Text, UpperCaseDosMapsUmlautsAndSharpS) {
  EXPECT_EQ(UpperCaseDos("da\xE1"), "DASS");
  EXPECT_EQ(UpperCaseDos("\x81\x84\x94"), "\x9A\x8E\x99");
  EXPECT_EQ(UpperCaseDos("\x82"), "\x82");
  EXPECT_EQ(UpperCaseAscii("dl1abc-15 \xE4"), "DL1ABC-15 \xE4");
}

TEST(Text, DirectoryPartEndsAtLastBackslashOrColon) {
  EXPECT_EQ(DirectoryPart("C:\\A\\B.WAV"), "C:\\A\\");
  EXPECT_EQ(DirectoryPart("C:B.WAV"), "C:");
  EXPECT_EQ(DirectoryPart("B.WAV"), "");
}

TEST(Colors, ColorToDosIndexFindsExactEntriesOnly) {
  EXPECT_EQ(ColorToDosIndex(0xC0C0C0), 7);
  EXPECT_EQ(ColorToDosIndex(0xFFFFFF), 15);
  EXPECT_EQ(ColorToDosIndex(0x123456), 0);
  EXPECT_EQ(ColorToDosIndex(0x0000FF), 12);  // red: low byte
}

TEST(Directories, ProgramDirectoryAndFixedSubdirectories) {
  Directories d("C:\\RADIO\\");
  EXPECT_EQ(d.GetTncDriverDir(), "C:\\RADIO\\DRIVER.TNC\\");
  EXPECT_EQ(d.GetLanguageDir(), "C:\\RADIO\\LANGUAGE\\");
  d.SetMailDir("D:\\BOX");
  EXPECT_EQ(d.GetMailDir(), "D:\\BOX\\");
  EXPECT_EQ(d.GetMailSFExportDir(), "D:\\BOX\\SFEXPORT\\");
  EXPECT_EQ(d.GetMailFbbPath(), "D:\\BOX\\FBB");
}

TEST(Directories, EmptyMailDirGivesRelativeSubdirectories) {
  Directories d("C:\\");
  d.SetMailDir("");
  EXPECT_EQ(d.GetMailDir(), "");
  EXPECT_EQ(d.GetMailBCDir(), "BC\\");
  EXPECT_EQ(d.GetMailFbbPath(), "FBB");
}

TEST(Directories, JoinedPathsAreCutAt255) {
  Directories d(std::string(250, 'A'));
  EXPECT_EQ(d.GetProgramDir().size(), 251u);
  EXPECT_EQ(d.GetTncDriverDir().size(), 255u);
  d.SetReadDir(std::string(300, 'R'));
  EXPECT_EQ(d.GetReadDir(), std::string(255, 'R'));
}

TEST(FHeader, EmptyAndLongHeaders) {
  FHeader h;
  h.SetFHeader("");
  EXPECT_EQ(h.GetFHeader(), "[NOCALL NONAMECITY]");
  h.SetFHeader(std::string(30, 'h'));
  EXPECT_EQ(h.GetFHeader(), "[" + std::string(25, 'h') + "]");
  EXPECT_EQ(h.HeaderText(), std::string(25, 'h'));
}

TEST(Codepage, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1252ToUtf8(all);
  const auto back = Utf8ToCp1252(utf8);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, all);
  EXPECT_EQ(Cp1252ToUnicode(0x80), u'\u20AC');
  EXPECT_EQ(Cp1252ToUnicode(0x81), u'\u0081');
  EXPECT_EQ(UnicodeToCp1252(U'\u0100'), -1);
  EXPECT_FALSE(Utf8ToCp1252("\xE2\x82").has_value());  // cut sequence
  EXPECT_FALSE(Utf8ToCp1252("\xD0\x96").has_value());  // Cyrillic
}

TEST(Codepage, CaseFoldingAndDosCharacters) {
  EXPECT_TRUE(
      EqualNoCase1252("Stra\xDF"
                      "e\xC4",
                      "STRA\xDF"
                      "E\xE4"));
  EXPECT_TRUE(EqualNoCase1252("\x8A", "\x9A"));
  EXPECT_FALSE(EqualNoCase1252("\xD7", "\xF7"));  // multiplication and division signs
  EXPECT_TRUE(LessNoCase1252("kiss.tnc", "TNC2.TNC"));
  EXPECT_TRUE(IsDosCharacter(U'\u00E4'));
  EXPECT_TRUE(IsDosCharacter(U'\u2592'));
  EXPECT_FALSE(IsDosCharacter(U'\u20AC'));
  EXPECT_FALSE(IsDosCharacter(U'\u00C0'));
}

}  // namespace
}  // namespace trv
