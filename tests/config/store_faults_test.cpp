// Read errors, odd files, bad values and saves that must write nothing, against real files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "config/ini/ini_errors.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "platform/file_reader.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::ProgramDir;
using namespace std::string_literals;

// Fails as a flaky disk does: the read breaks off with EIO.
class FailingReader : public FileReader {
 public:
  FileContents Read(const std::string&) override {
    FileContents contents;
    contents.state = FileContents::State::Failed;
    contents.error = EIO;
    return contents;
  }
};

TEST(ReadErrors, RefuseEveryOperationWithTheFileAndTheCause) {
  ProgramDir p("[STATION]\r\nCALL=DL1ABC\r\n");
  FailingReader reader;
  test::ScriptedWriter writer({.passes = 100});
  Config c = p.MakeConfig({.writer = &writer, .reader = &reader});
  try {
    WriteSection(c, SectionId::Station);
    FAIL() << "no error";
  } catch (const IniReadError& e) {
    EXPECT_STREQ(e.what(), "von C:\\TARVO.INI kann nicht gelesen werden");
    EXPECT_EQ(e.Cause(), "Input/output error");
  }
  EXPECT_THROW(ReadStationSection(c), IniReadError);
  EXPECT_THROW(WriteFreeSection(c, "MINE", {"x"}), IniReadError);
  EXPECT_EQ(writer.calls, 0);
  EXPECT_EQ(p.Ini(), "[STATION]\r\nCALL=DL1ABC\r\n");
}

TEST(ReadErrors, EndLoadAllBeforeAnyDirectoryIsMade) {
  ProgramDir p("[STATION]\r\nCALL=DL1ABC\r\n");
  FailingReader reader;
  Config c = p.MakeConfig({.reader = &reader});
  const auto errors = LoadAll(c);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "von C:\\TARVO.INI kann nicht gelesen werden");
  EXPECT_FALSE(fs::exists(p.dir.path() / "DRIVER.TNC"));
  EXPECT_EQ(p.Ini(), "[STATION]\r\nCALL=DL1ABC\r\n");
}

TEST(OddFiles, AnythingButARegularFileIsRefusedAndNothingIsCreated) {
  for (const char* kind : {"directory", "fifo", "device"}) {
    ProgramDir p({}, false);
    if (std::string(kind) == "directory") fs::create_directory(p.IniPath());
    if (std::string(kind) == "fifo") {
      ASSERT_EQ(::mkfifo(p.IniPath().c_str(), 0600), 0);
    }
    if (std::string(kind) == "device") fs::create_symlink("/dev/null", p.IniPath());
    Config c = p.MakeConfig();
    const auto errors = LoadAll(c);  // a FIFO would hang here if it were opened for reading
    ASSERT_EQ(errors.size(), 1u) << kind;
    EXPECT_EQ(errors[0], "von C:\\TARVO.INI kann nicht gelesen werden") << kind;
    try {
      WriteSection(c, SectionId::Station);
      FAIL() << kind;
    } catch (const IniReadError& e) {
      EXPECT_EQ(e.Cause(), "not a regular file") << kind;
    }
    std::vector<std::string> entries;
    for (const auto& e : fs::directory_iterator(p.dir.path())) entries.push_back(e.path().filename().string());
    EXPECT_EQ(entries, std::vector<std::string>{"TARVO.INI"}) << kind;
  }
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(BadValues, ANulEndsTheValueAndSavingStillWorks) {
  const std::string file = "[EXTRA]\r\nPROMPT=de\0 >\r\nFORTUNE=\"X\0Y\"\r\n"s;
  ProgramDir p(file);
  Findings findings;
  Config c = p.MakeConfig({.findings = &findings});
  EXPECT_TRUE(LoadAll(c).empty());
  EXPECT_EQ(c.Extra.Prompt, "de");
  EXPECT_EQ(c.Extra.FortuneFile, "\"X");  // cut first, so no pair of quotes is left to strip
  int nulCuts = 0;
  for (const Finding& f : findings) nulCuts += f.message == "cut at a NUL byte";
  EXPECT_EQ(nulCuts, 2);
  EXPECT_NO_THROW(SaveAll(c));
  EXPECT_NE(p.Ini().find("PROMPT=de\0 >\r\n"s), std::string::npos);  // reads as written
}

TEST(BadValues, SaveAllChecksEverySectionBeforeWritingTheFirst) {
  ProgramDir p("[STATION]\r\nCALL=DL1ABC\r\n");
  const std::string before = p.Ini();
  Config c = p.MakeConfig();
  c.Station.Call = "DK0NEW";          // STATION comes first and would be written
  c.Extra.Prompt = "two\r\n[lines]";  // EXTRA comes late
  EXPECT_THROW(SaveAll(c), IniInputError);
  EXPECT_EQ(p.Ini(), before);
  c.Extra.Prompt = "fine";
  SaveAll(c);
  EXPECT_NE(p.Ini().find("CALL=DK0NEW"), std::string::npos);
}

TEST(UnchangedSaves, TheSecondLoadAndSaveNeverTouchTheFile) {
  ProgramDir p("; mine\r\n[DEVICE]\r\n; my 2m TNC\r\nTNC0=3,248,9600,8,1,1,144.8,DEFINI,DEFDEI\r\n[MINE]\r\n0=x\r\n");
  {
    Config first = p.MakeConfig();
    LoadAll(first);
    SaveAll(first);
  }
  struct stat before {};
  ASSERT_EQ(::stat(p.IniPath().c_str(), &before), 0);
  test::ScriptedWriter writer;
  Config c = p.MakeConfig({.writer = &writer});
  EXPECT_TRUE(LoadAll(c).empty());
  SaveAll(c);
  EXPECT_EQ(writer.calls, 0);
  struct stat after {};
  ASSERT_EQ(::stat(p.IniPath().c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  for (const auto& e : fs::directory_iterator(p.dir.path()))  // no temporary file either
    EXPECT_NE(e.path().filename().string().front(), '.');
}

TEST(UnchangedSaves, AnImmutableUpToDateFileSavesWithoutError) {
  ProgramDir p;
  {
    Config first = p.MakeConfig();
    LoadAll(first);
    SaveAll(first);
  }
  if (std::system(("chattr +i '" + p.IniPath() + "' 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "chattr not possible here";
  Config c = p.MakeConfig();
  const auto errors = LoadAll(c);
  EXPECT_NO_THROW(SaveAll(c));
  std::system(("chattr -i '" + p.IniPath() + "'").c_str());
  EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace trv
