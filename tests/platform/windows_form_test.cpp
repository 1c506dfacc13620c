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

TEST(WindowsForm, NamesWindowsCannotHoldAndLongPathsAreRefused) {
  test::TempDir tmp;
  const DriveTable drives;
  for (const std::string& name :
       std::vector<std::string>{"micha\xC5\x82", "a\\b", "what?", "x:y", std::string(300, 'l')}) {
    const WindowsDirectory dir = WindowsFormOfDirectory(drives, (tmp.path() / name).string());
    EXPECT_EQ(dir.path, "") << name;
    EXPECT_FALSE(dir.problem.empty()) << name;
  }
  const fs::path deep = tmp.path() / std::string(200, 'b') / std::string(60, 'c');
  EXPECT_EQ(WindowsFormOfDirectory(drives, deep.string()).problem, "its Windows path is longer than 255 characters");
  EXPECT_EQ(ProgramDirOfHostExecutable(drives, (deep / "trvcfg").string()), "");  // never falls back to Z:\ .
}

}  // namespace
}  // namespace trv
