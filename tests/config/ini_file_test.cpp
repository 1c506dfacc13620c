#include "config/ini/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "config/ini/ini_errors.h"
#include "config/ini/ini_numbers.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class IniTest : public ::testing::Test {
 protected:
  TempDir tmp;
  std::string path = tmp / "TARVO.INI";
  TIniFile Open() { return TIniFile(path, "C:\\TARVO.INI"); }
  void Set(const std::string& bytes) { WriteFile(path, bytes); }
  std::string Get() { return ReadFile(path); }
  void Write(std::string_view s, std::string_view k, std::string_view v) {
    TIniFile ini = Open();
    ini.WriteString(s, k, v);
    ini.UpdateFile();
  }
};

TEST_F(IniTest, ReadsValuesAsWindowsDoes) {
  Set("x=preamble\r\n[Sec]\r\n  Key  =  value with blanks  \r\nq1=\"quoted\"\r\nq2=' in '\r\nq3=\"a'\r\n"
      "empty=\r\n;comment=1\r\n#hash=2\r\nnokey\r\neq=a=b=c\r\ntail=1 ;c\r\n[ other ] trailing\r\nk=o\r\n");
  TIniFile ini = Open();
  EXPECT_EQ(ini.ReadString("sec", "KEY", "d"), "value with blanks");
  EXPECT_EQ(ini.ReadString("SEC", "q1", "d"), "quoted");
  EXPECT_EQ(ini.ReadString("SEC", "q2", "d"), " in ");
  EXPECT_EQ(ini.ReadString("SEC", "q3", "d"), "\"a'");
  EXPECT_EQ(ini.ReadString("SEC", "empty", "d"), "");
  EXPECT_EQ(ini.ReadString("SEC", ";comment", "d"), "d");
  EXPECT_EQ(ini.ReadString("SEC", "#hash", "d"), "2");
  EXPECT_EQ(ini.ReadString("SEC", "nokey", "d"), "d");
  EXPECT_EQ(ini.ReadString("SEC", "eq", "d"), "a=b=c");
  EXPECT_EQ(ini.ReadString("SEC", "tail", "d"), "1 ;c");
  EXPECT_EQ(ini.ReadString("other", "k", "d"), "o");
  EXPECT_EQ(ini.ReadString("SEC", "missing", "def  "), "def");
  EXPECT_EQ(ini.ReadString("nosuch", "x", "d"), "d");
  std::vector<std::string> keys;
  ini.ReadSection("SEC", keys);
  EXPECT_EQ(keys, (std::vector<std::string>{"Key", "q1", "q2", "q3", "empty", "#hash", "eq", "tail"}));
}

// A setting's value loses the blanks at its ends, as the terminal program's reader would drop
// them, unless the key already reads so; `ini set` writes any value to read back as itself.
TEST_F(IniTest, ASettingLosesTheBlanksAtItsEndsAndAnExactWriteKeepsThem) {
  const struct {
    const char* before;
    const char* value;
    bool asIs;
    const char* after;
  } cases[] = {
      {"K=old", " new ", false, "K=new"},
      {"K=\" new \"", " new ", false, "K=\" new \""},  // read in quotes and not changed
      {"K=old", " new ", true, "K=\" new \""},
      {"K=old", "\t'x' ", false, "K=\"'x'\""},  // quoted for its quotes, not for blanks
  };
  for (const auto& c : cases) {
    Set(std::string("[S]\r\n") + c.before + "\r\n");
    TIniFile ini = Open();
    if (c.asIs)
      ini.WriteStringAsIs("S", "K", c.value);
    else
      ini.WriteString("S", "K", c.value);
    ini.UpdateFile();
    EXPECT_EQ(Get(), std::string("[S]\r\n") + c.after + "\r\n") << c.before << " " << c.value;
  }
  Set("[B]\r\n0=\"  kept\"\r\n");
  TIniFile ini = Open();
  ini.RewriteSection("B", {{"0", "  kept"}, {"1", "  typed "}});
  ini.UpdateFile();
  EXPECT_EQ(Get(), "[B]\r\n0=\"  kept\"\r\n1=typed\r\n");
}

TEST_F(IniTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
  TIniFile ini = Open();
  EXPECT_EQ(ini.ReadString("A", "B", "d"), "d");
  std::vector<std::string> names{"stale"};
  ini.ReadSections(names);
  EXPECT_TRUE(names.empty());
  ini.EraseSection("A");
  ini.UpdateFile();
  EXPECT_FALSE(fs::exists(path));  // erasing nothing creates nothing
  Write("A", "B", "1");
  EXPECT_EQ(Get(), "[A]\r\nB=1\r\n");
}

TEST_F(IniTest, DuplicatesFirstMatchWinsEverywhere) {
  Set("[A]\nk=1\nk=2\n[a]\nk=3\nonly=4\n");
  TIniFile ini = Open();
  EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
  EXPECT_EQ(ini.ReadString("A", "only", "d"), "d");  // only in the second section of that name
  std::vector<std::string> list;
  ini.ReadSections(list);
  EXPECT_EQ(list, (std::vector<std::string>{"A", "a"}));
  ini.ReadSection("a", list);
  EXPECT_EQ(list, (std::vector<std::string>{"k", "k"}));
  ini.WriteString("a", "K", "9");
  ini.UpdateFile();
  EXPECT_EQ(Get(), "[A]\nk=9\nk=2\n[a]\nk=3\nonly=4\n");
}

TEST_F(IniTest, HeaderForms) {
  Set("[no close\n[  Spaced  ]\nk=1\n[x]y]z\nk=2\n[]\nk=3\n[Gr\xFC\xDF aus K\xF6ln]\nk=4\n");
  TIniFile ini = Open();
  std::vector<std::string> list;
  ini.ReadSections(list);
  EXPECT_EQ(list, (std::vector<std::string>{"Spaced", "x]y", "", "Gr\xFC\xDF aus K\xF6ln"}));
  EXPECT_EQ(ini.ReadString("x]y", "k", ""), "2");
  EXPECT_EQ(ini.ReadString("", "k", ""), "3");
  EXPECT_EQ(ini.ReadString("GR\xDC\xDF AUS K\xD6LN", "k", ""), "4");  // Windows-1252 capitals
}

TEST_F(IniTest, ReplacesInPlaceKeepingEverythingElse) {
  Set("; top\r\n[S]\r\n  Key = old \r\n\r\n; inside\r\nother=1\n[T]\r\nx=1");
  Write("s", "KEY", "new");
  EXPECT_EQ(Get(), "; top\r\n[S]\r\nKey=new\r\n\r\n; inside\r\nother=1\n[T]\r\nx=1");
  const std::string before = Get();
  Write("S", "other", "1");  // the value it already has
  EXPECT_EQ(Get(), before);
}

TEST_F(IniTest, NewKeysGoAfterTheLastNonBlankLineOfTheFirstSection) {
  Set("[S]\r\na=1\r\n; note\r\n\r\n\r\n[T]\r\n[S]\r\nz=1\r\n");
  Write("S", "b", "2");
  EXPECT_EQ(Get(), "[S]\r\na=1\r\n; note\r\nb=2\r\n\r\n\r\n[T]\r\n[S]\r\nz=1\r\n");
  Write("T", "c", "3");
  EXPECT_EQ(Get(), "[S]\r\na=1\r\n; note\r\nb=2\r\n\r\n\r\n[T]\r\nc=3\r\n[S]\r\nz=1\r\n");
}

TEST_F(IniTest, NewSectionsGoAtTheEndInTheFileLineEndings) {
  Set("[S]\na=1\n");
  Write("N", "k", "v");
  EXPECT_EQ(Get(), "[S]\na=1\n[N]\nk=v\n");  // LF throughout stays LF
  Set("[S]\r\na=1");
  Write("N", "k", "v");
  EXPECT_EQ(Get(), "[S]\r\na=1\r\n[N]\r\nk=v\r\n");
  Set("[S]\r\na=1\n");
  Write("S", "b", "2");
  EXPECT_EQ(Get(), "[S]\r\na=1\nb=2\r\n");  // mixed file: CR LF for new lines
  Set("[S]\ra=1\r");
  Write("S", "b", "2");
  EXPECT_EQ(Get(), "[S]\ra=1\rb=2\r\n");
}

TEST_F(IniTest, LinesBeforeTheFirstHeaderAreKeptButNeverRead) {
  Set("\xEF\xBB\xBF[S]\r\nk=1\r\n[T]\r\nk=2\r\n");
  TIniFile ini = Open();
  EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");  // a byte-order mark hides the header
  EXPECT_EQ(ini.ReadString("T", "k", "d"), "2");
  ini.WriteString("S", "k", "3");
  ini.UpdateFile();
  EXPECT_EQ(Get(), "\xEF\xBB\xBF[S]\r\nk=1\r\n[T]\r\nk=2\r\n[S]\r\nk=3\r\n");
}

TEST_F(IniTest, EraseSectionAndKey) {
  Set("[A]\r\nk=1\r\n; c\r\n\r\n[B]\r\nk=2\r\nj=3\r\n[A]\r\nk=4\r\n");
  TIniFile ini = Open();
  ini.EraseSection("a");
  ini.DeleteKey("B", "K");
  ini.DeleteKey("B", "none");
  ini.UpdateFile();
  EXPECT_EQ(Get(), "[B]\r\nj=3\r\n[A]\r\nk=4\r\n");
}

// A few names are looked for one by one, more through an index: what was erased or added
// before the index was made is found the same way after.
TEST_F(IniTest, ManyNamesAskedFindTheSameSections) {
  Set("[A]\nk=1\n[B]\nk=2\n[a]\nk=3\n");
  TIniFile ini = Open();
  ini.EraseSection("A");
  EXPECT_EQ(ini.ReadString("A", "k", ""), "3");
  ini.WriteString("N", "k", "5");  // asked for and missing, then added
  EXPECT_EQ(ini.ReadString("n", "k", ""), "5");
  for (int i = 0; i < 40; ++i) EXPECT_EQ(ini.ReadString("M" + std::to_string(i), "k", "d"), "d");
  EXPECT_EQ(ini.ReadString("A", "k", ""), "3");
  EXPECT_EQ(ini.ReadString("N", "k", ""), "5");
  ini.EraseSection("a");
  EXPECT_EQ(ini.ReadString("A", "k", "d"), "d");
  ini.UpdateFile();
  EXPECT_EQ(Get(), "[B]\nk=2\n[N]\nk=5\n");
}

// A key erased between a line ending in CR and an empty line ending in LF: the two breaks
// would read back as one, losing the empty line.
TEST_F(IniTest, AnEmptyLineSurvivesTheKeyErasedBeforeIt) {
  Set("[A]\rk=1\rj=2\r\n\n[B]\rx=3");
  TIniFile ini = Open();
  ini.DeleteKey("A", "j");
  ini.UpdateFile();
  EXPECT_EQ(Get(), "[A]\rk=1\r\r\n\n[B]\rx=3");
  EXPECT_EQ(Open().ReadString("B", "x", ""), "3");
}

TEST_F(IniTest, ReadSectionValuesMergesIntoTheList) {
  Set("[S]\nA=1\nb=\nC=3\n");
  std::vector<std::string> list{"a=old", "B=gone", "keep=1"};
  Open().ReadSectionValues("S", list);
  EXPECT_EQ(list, (std::vector<std::string>{"A=1", "keep=1", "C=3"}));
}

TEST_F(IniTest, LimitsOfValuesAndListings) {
  std::string file = "[S]\nlong=" + std::string(3000, 'v') + "\n";
  for (int i = 0; i < 2000; ++i) file += "[SECTION" + std::to_string(1000 + i) + "]\n";  // 12 bytes each
  Set(file);
  TIniFile ini = Open();
  EXPECT_EQ(ini.ReadString("S", "long", "").size(), 2047u);
  std::vector<std::string> list;
  ini.ReadSections(list);
  EXPECT_EQ(list.size(), 1 + (16384 - 2) / 12);
}

TEST_F(IniTest, IntegersAndFlags) {
  Set("[S]\na=0x20\nb=$ff\nc=12abc\nd= -7\ne=2147483648\nf=\ng=x1F\nh=\"5\"\ni=0\nj=-2147483648\n");
  TIniFile ini = Open();
  EXPECT_EQ(ini.ReadInteger("S", "a", -1), 32);
  EXPECT_EQ(ini.ReadInteger("S", "b", -1), 255);
  EXPECT_EQ(ini.ReadInteger("S", "c", -1), -1);
  EXPECT_EQ(ini.ReadInteger("S", "d", -1), -7);
  EXPECT_EQ(ini.ReadInteger("S", "e", -1), -1);
  EXPECT_EQ(ini.ReadInteger("S", "f", -1), -1);
  EXPECT_EQ(ini.ReadInteger("S", "g", -1), 31);
  EXPECT_EQ(ini.ReadInteger("S", "h", -1), 5);
  EXPECT_EQ(ini.ReadInteger("S", "j", 0), INT32_MIN);
  EXPECT_FALSE(ini.ReadBool("S", "i", true));
  EXPECT_TRUE(ini.ReadBool("S", "d", false));
  EXPECT_TRUE(ini.ReadBool("S", "c", true));
}

TEST(IniNumbers, DecimalsAndFixedPointIgnoreTheLocale) {
  EXPECT_EQ(ParseDecimal("438.1"), 438.1);
  EXPECT_EQ(ParseDecimal("  -1e3"), -1000.0);
  EXPECT_EQ(ParseDecimal("+7"), 7.0);
  EXPECT_FALSE(ParseDecimal("438,1").has_value());
  EXPECT_FALSE(ParseDecimal("1.2.3").has_value());
  EXPECT_FALSE(ParseDecimal("1e").has_value());
  EXPECT_FALSE(ParseDecimal("").has_value());
  EXPECT_FALSE(ParseDecimal("abc").has_value());
  EXPECT_EQ(FormatFixed3(144.8), "144.800");
  EXPECT_EQ(FormatFixed3(7), "7.000");
  EXPECT_EQ(FormatFixed3(123.456), "123.456");
}

TEST_F(IniTest, BadNamesAndValuesAreRefusedAndTheFileIsUntouched) {
  Set("[S]\r\nk=1\r\n");
  TIniFile ini = Open();
  EXPECT_THROW(ini.WriteString("S", "k", "a\r\n[EVIL]\r\nx=1"), IniInputError);
  EXPECT_THROW(ini.WriteString("S", "k", std::string("a\0b", 3)), IniInputError);
  EXPECT_THROW(ini.WriteString("S\nT", "k", "1"), IniInputError);
  EXPECT_THROW(ini.WriteString("S", "a=b", "1"), IniInputError);
  EXPECT_THROW(ini.WriteString("S", ";k", "1"), IniInputError);
  EXPECT_THROW(ini.WriteString("S", "[k", "1"), IniInputError);
  EXPECT_THROW(ini.WriteString("S", " k", "1"), IniInputError);
  ini.UpdateFile();
  EXPECT_EQ(Get(), "[S]\r\nk=1\r\n");
}

TEST_F(IniTest, Utf16FilesAreNeitherReadNorWritten) {
  const std::string utf16("\xFF\xFE[\0S\0]\0", 8);
  Set(utf16);
  TIniFile ini = Open();
  std::vector<std::string> list;
  ini.ReadSections(list);
  EXPECT_TRUE(list.empty());
  try {
    ini.WriteString("S", "k", "1");
    FAIL();
  } catch (const IniWriteError& e) {
    EXPECT_STREQ(e.what(), "nach C:\\TARVO.INI kann nicht geschrieben werden");
  }
  EXPECT_EQ(Get(), utf16);
}

TEST_F(IniTest, RefusedWriteRaisesAndKeepsTheFile) {
  Set("[S]\r\nk=1\r\n");
  test::ScriptedWriter refuse({.passes = 0});
  TIniFile ini(path, "C:\\TARVO.INI", &refuse);
  ini.WriteString("S", "k", "2");
  EXPECT_THROW(ini.UpdateFile(), IniWriteError);
  EXPECT_EQ(Get(), "[S]\r\nk=1\r\n");
}

TEST_F(IniTest, SavesThroughSymlinksAndKeepsPermissions) {
  const std::string real = tmp / "real.ini";
  WriteFile(real, "[S]\nk=1\n");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("real.ini", path);
  Write("S", "k", "2");
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(ReadFile(real), "[S]\nk=2\n");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  for (const auto& entry : fs::directory_iterator(tmp.path()))  // no temporary file left behind
    EXPECT_EQ(entry.path().filename().string().find(".real.ini"), std::string::npos);
}

}  // namespace
}  // namespace trv
