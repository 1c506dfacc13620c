#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cstdlib>
#include <filesystem>

#include "config/ini/ini_errors.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::ProgramDir;

// Every section the program owns, with comments, blocks and a foreign section; the DEVICE
// section last (it is rewritten in place, so it may stand anywhere).
const std::string kRichFile = test::IniFixture("rich.ini");

TEST(Store, LoadAllThenSaveAllKeepsAnUpToDateFileByteForByte) {
  ProgramDir p(kRichFile);
  Config c = p.MakeConfig();
  EXPECT_TRUE(LoadAll(c).empty());
  EXPECT_EQ(p.Ini(), kRichFile);  // nothing to add
  SaveAll(c);
  EXPECT_EQ(p.Ini(), kRichFile);
  EXPECT_EQ(c.ClosedTimes.Count(), 2);
  EXPECT_EQ(c.TncCount, 1);
}

TEST(Store, SaveAllWritesTheSectionsInOrderAndKeepsForeignLines) {
  ProgramDir p("[FOREIGN]\nx = 1\n");
  Config c = p.MakeConfig();
  LoadAll(c);
  SaveAll(c);
  const std::string ini = p.Ini();
  std::vector<std::size_t> positions;
  for (const char* name : {"[FOREIGN]", "[COLOR]", "[STATION]", "[DIR]", "[DISPLAY]", "[SOUND]", "[EXTRA]", "[MAILBOX]",
                           "[LANGUAGE]", "[DEVICE]"})
    positions.push_back(ini.find(name));
  EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end())) << ini;
  EXPECT_EQ(ini.substr(0, 16), "[FOREIGN]\nx = 1\n");
  EXPECT_EQ(ini.find('\r'), std::string::npos);  // an LF file stays LF

  Config again = p.MakeConfig();
  LoadAll(again);
  SaveAll(again);
  EXPECT_EQ(p.Ini(), ini);  // a second round changes nothing
}

TEST(Store, SaveAllCallsThePageStepsBeforeEachWrite) {
  ProgramDir p;
  Config c = p.MakeConfig();
  std::vector<SectionId> order;
  LoadAll(c, [&](SectionId id) { order.push_back(id); });
  EXPECT_EQ(order.size(), 9u);
  EXPECT_EQ(order.front(), SectionId::Station);
  EXPECT_EQ(order.back(), SectionId::Device);
  SaveAll(c, [&](SectionId id) {
    if (id == SectionId::Station) c.Station.Call = "DK0XX";
  });
  EXPECT_NE(p.Ini().find("CALL=DK0XX"), std::string::npos);
}

TEST(Store, ARefusedSaveWritesNothingAtAll) {
  ProgramDir p(kRichFile);
  Config loaded = p.MakeConfig();
  LoadAll(loaded);
  const std::string before = p.Ini();
  test::ScriptedWriter refuse({.passes = 0});
  Config c = p.MakeConfig({.writer = &refuse});
  LoadAll(c);
  c.Station.Call = "DK0NEW";
  c.Display.MaxRXLines = 200;
  c.ColorTable[2].Fg = 1;
  c.TncCount = 0;
  try {
    SaveAll(c);
    FAIL() << "no error";
  } catch (const IniWriteError& e) {
    EXPECT_STREQ(e.what(), "nach C:\\TARVO.INI kann nicht geschrieben werden");
  }
  EXPECT_EQ(p.Ini(), before);
}

TEST(Store, LoadAllGoesOnWhenTheColourKeysCannotBeAdded) {
  ProgramDir p("[STATION]\nCALL=DL1ABC\n[DISPLAY]\nSBL=500\n[EXTRA]\nTPRI=5\n");
  test::ScriptedWriter refuse({.passes = 0});
  Config c = p.MakeConfig({.writer = &refuse});
  const auto errors = LoadAll(c);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "nach C:\\TARVO.INI kann nicht geschrieben werden");
  EXPECT_EQ(c.Extra.PollDelay, 5);  // later steps still ran
  EXPECT_EQ(c.ColorTable[6].Fg, 14);
}

TEST(Store, ReadOnlyLoadChangesNothingOnDisk) {
  ProgramDir p("[COLOR]\nHFG=3\n[DIR]\nMD=C:\\BOX\\\n");
  const std::string before = p.Ini();
  Config c = p.MakeConfig({.readOnly = true});
  LoadAll(c);
  EXPECT_EQ(p.Ini(), before);
  EXPECT_EQ(c.ColorTable[7].Fg, 3);  // the added keys are seen in memory
  EXPECT_FALSE(fs::exists(p.dir.path() / "BOX"));
  EXPECT_FALSE(fs::exists(p.dir.path() / "DRIVER.TNC"));
}

TEST(Store, FileNameIsFoundWithoutRegardToCase) {
  ProgramDir p({}, false);
  test::WriteFile(p.dir / "tarvo.ini", "[STATION]\nCALL=DL9LOW\n");
  Config c = p.MakeConfig();
  ReadStationSection(c);
  EXPECT_EQ(c.Station.Call, "DL9LOW");
  WriteSection(c, SectionId::Station);
  EXPECT_FALSE(fs::exists(p.IniPath()));
  EXPECT_NE(test::ReadFile(p.dir / "tarvo.ini").find("QTH=JN59IL"), std::string::npos);
}

// End to end: the file system itself refuses. Needs root and a kernel that allows it.
TEST(Store, ImmutableFileIsLeftExactlyAsItWas) {
  ProgramDir p(kRichFile);
  if (std::system(("chattr +i '" + p.IniPath() + "' 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "chattr not possible here";
  Config c = p.MakeConfig();
  LoadAll(c);
  c.Station.Call = "DK0NEW";
  EXPECT_THROW(SaveAll(c), IniWriteError);
  std::system(("chattr -i '" + p.IniPath() + "'").c_str());
  EXPECT_EQ(p.Ini(), kRichFile);
}

// Rewriting the file in place would leave it cut or empty when the writer is killed.
TEST(Store, ADirectoryThatRefusesNewFilesRefusesTheWriteAndTheFileIsNeverCut) {
  const std::string old = "[STATION]\r\nCALL=DL1ABC\r\n";
  ProgramDir p(old);
  const std::string dir = p.dir.path().string();
  if (std::system(("chattr +i '" + dir + "' 2>/dev/null").c_str()) != 0) GTEST_SKIP() << "chattr not possible here";
  Config c = p.MakeConfig();
  ReadStationSection(c);
  c.Station.Call = "DK0NEW";
  EXPECT_THROW(WriteSection(c, SectionId::Station), IniWriteError);
  std::system(("chattr -i '" + dir + "'").c_str());
  EXPECT_EQ(p.Ini(), old);
}

TEST(Store, AProgramDirectoryOnNoDriveCannotBeWritten) {
  Config c(HostFileSystem(DriveTable(), "Q:\\TARVO\\"));
  ReadStationSection(c);
  EXPECT_EQ(c.Station.Call, "NOCALL");
  EXPECT_THROW(WriteSection(c, SectionId::Station), IniWriteError);
}

TEST(Store, ReadOnlyMountIsRefused) {
  ProgramDir p;
  const fs::path mountPoint = p.dir.path() / "ro";
  fs::create_directories(mountPoint);
  if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "cannot mount here";
  test::WriteFile((mountPoint / "TARVO.INI").string(), "[STATION]\r\nCALL=DL1ABC\r\n");
  ::mount("tmpfs", mountPoint.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr);
  Config c(HostFileSystem(DriveTable({{'C', mountPoint.string()}}), "C:\\"));
  ReadStationSection(c);
  c.Station.Call = "DK0NEW";
  EXPECT_THROW(WriteSection(c, SectionId::Station), IniWriteError);
  EXPECT_EQ(test::ReadFile((mountPoint / "TARVO.INI").string()), "[STATION]\r\nCALL=DL1ABC\r\n");
  ::umount(mountPoint.c_str());
}

}  // namespace
}  // namespace trv
