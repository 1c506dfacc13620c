#include "platform/windows_form.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/host_files.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

TEST(WindowsForm, ADirectoryWithAnExactFormGetsItWithABackslash) {
  test::TempDir tmp;
  fs::create_directories(tmp.path() / "drive_c" / "Tarvo \xC3\xA4");
  const DriveTable drives({{'C', (tmp.path() / "drive_c").string()}, {'Z', "/"}});
  const WindowsDirectory dir = WindowsFormOfDirectory(drives, (tmp.path() / "drive_c" / "Tarvo \xC3\xA4").string());
  EXPECT_EQ(dir.path, "C:\\Tarvo \xE4\\");
  EXPECT_EQ(dir.problem, "");
  EXPECT_EQ(WindowsFormOfDirectory(drives, "/").path, "Z:\\");
}

TEST(WindowsForm, OnlyTheNamesBelowTheDriveRootNeedAWindowsForm) {
  test::TempDir tmp;
  for (const std::string home :
       {"micha\xC5\x82", "\xD0\xB8\xD0\xB2\xD0\xB0\xD0\xBD", "\xCE\xBD\xCE\xAF\xCE\xBA\xCE\xBF\xCF\x82"}) {
    const fs::path driveC = tmp.path() / home / ".wine" / "drive_c";
    fs::create_directories(driveC / "TARVO");
    const DriveTable drives({{'C', driveC.string()}, {'Z', "/"}});
    EXPECT_EQ(WindowsFormOfDirectory(drives, (driveC / "TARVO").string()).path, "C:\\TARVO\\") << home;
    EXPECT_EQ(WindowsFormOfDirectory(drives, driveC.string()).path, "C:\\") << home;
    EXPECT_EQ(WindowsFormOfDirectory(drives, (tmp.path() / home).string()).path, "") << home;  // on Z: only
  }
}

TEST(WindowsForm, NamesWindowsCannotHoldOrOpenAndLongPathsAreRefused) {
  test::TempDir tmp;
  const DriveTable drives;
  for (const std::string& name :
       std::vector<std::string>{"micha\xC5\x82", "a\\b", "what?", "x:y", std::string(300, 'l'), "CON", "nul", "COM1",
                                "AUX.ini", "lpt9.txt", "Nul .txt", "com\xC2\xB9", "tarvo.", "tarvo "}) {
    const WindowsDirectory dir = WindowsFormOfDirectory(drives, (tmp.path() / name).string());
    EXPECT_EQ(dir.path, "") << name;
    EXPECT_FALSE(dir.problem.empty()) << name;
  }
  const fs::path deep = tmp.path() / std::string(200, 'b') / std::string(60, 'c');
  EXPECT_EQ(WindowsFormOfDirectory(drives, deep.string()).problem, "its Windows path is longer than 255 characters");
  EXPECT_EQ(ProgramDirOfHostExecutable(drives, (deep / "trvcfg").string()), "");  // never falls back to Z:\ .
  for (const std::string name : {"CONSOLE", "COM10", "LPT", "nul_", "Tarvo.x"})   // names like them are fine
    EXPECT_NE(WindowsFormOfDirectory(drives, (tmp.path() / name).string()).path, "") << name;
}

}  // namespace
}  // namespace trv
