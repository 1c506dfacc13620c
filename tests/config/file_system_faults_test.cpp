// The store against file systems that refuse: a full disk, a read-only mount, links, a
// directory that vanished, a file replaced by another program. Each refused operation names
// the file, gives the system's reason and leaves every file as it was.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <filesystem>

#include "config/ini/ini_errors.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::ProgramDir;
using test::ReadFile;
using test::WriteFile;

const std::string kWriteError = "nach C:\\TARVO.INI kann nicht geschrieben werden";

// A small tmpfs mounted on a fresh folder for the test's life; skips where mounting is refused.
class SmallTmpfs {
 public:
  explicit SmallTmpfs(const fs::path& at, const char* size) : at_(at) {
    fs::create_directories(at_);
    mounted_ = ::mount("tmpfs", at_.c_str(), "tmpfs", 0, (std::string("size=") + size).c_str()) == 0;
  }
  ~SmallTmpfs() {
    if (mounted_) ::umount(at_.c_str());
  }
  bool Mounted() const { return mounted_; }
  bool MakeReadOnly() { return ::mount("tmpfs", at_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0; }
  Config MakeConfig() const { return Config(HostFileSystem(DriveTable({{'C', at_.string()}}), "C:\\")); }
  std::string IniPath() const { return (at_ / "TARVO.INI").string(); }

 private:
  fs::path at_;
  bool mounted_ = false;
};

// Runs save all and gives the write error's text and reason; empty when nothing was refused.
std::pair<std::string, std::string> SaveAllRefusal(Config& c) {
  try {
    SaveAll(c);
  } catch (const IniWriteError& e) {
    return {e.what(), e.Cause()};
  }
  return {};
}

std::vector<std::string> Entries(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A complete file of about 40 KB: load all has nothing to add, and a copy does not fit twice in 64 KB.
std::string CompleteFileOf40k() {
  ProgramDir p;
  Config c = p.MakeConfig();
  LoadAll(c);
  SaveAll(c);
  std::string ini = p.Ini();
  for (int block = 0; ini.size() < 40'000; ++block) ini += "[BLOCK" + std::to_string(block) + "]\r\n0=ESC M UISC\r\n";
  return ini;
}

TEST(FileSystemFaults, AFullDiskRefusesTheSaveAndLeavesTheFileAndNoTemporaryFile) {
  test::TempDir tmp;
  SmallTmpfs disk(tmp.path() / "disk", "64k");
  if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
  const std::string before = CompleteFileOf40k();
  WriteFile(disk.IniPath(), before);
  Config c = disk.MakeConfig();
  EXPECT_TRUE(LoadAll(c).empty());
  c.Station.Call = "DK0NEW";
  const auto [text, reason] = SaveAllRefusal(c);
  EXPECT_EQ(text, kWriteError);
  EXPECT_EQ(reason, "No space left on device");
  EXPECT_EQ(ReadFile(disk.IniPath()), before);
  for (const auto& name : Entries(tmp.path() / "disk")) EXPECT_NE(name.front(), '.') << name;  // no half new file
  c.Station.Call = "NOCALL";  // a save that changes nothing needs no room
  EXPECT_EQ(SaveAllRefusal(c).first, "");
}

TEST(FileSystemFaults, AReadOnlyMountRefusesWithItsReasonAndAnUpToDateFileStillSaves) {
  test::TempDir tmp;
  SmallTmpfs disk(tmp.path() / "disk", "1m");
  if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
  const std::string before = CompleteFileOf40k();
  WriteFile(disk.IniPath(), before);
  {
    Config first = disk.MakeConfig();  // makes the working directories while it still can
    LoadAll(first);
  }
  ASSERT_TRUE(disk.MakeReadOnly());
  Config c = disk.MakeConfig();
  EXPECT_TRUE(LoadAll(c).empty());
  EXPECT_EQ(SaveAllRefusal(c).first, "");
  c.Extra.Prompt = "changed";
  const auto [text, reason] = SaveAllRefusal(c);
  EXPECT_EQ(text, kWriteError);
  EXPECT_EQ(reason, "Read-only file system");
  EXPECT_EQ(ReadFile(disk.IniPath()), before);
}

// TARVO.INI as a link into another folder: the target is updated, the link stays a link.
void ExpectSavedThroughLink(const ProgramDir& p, const fs::path& target, const std::string& linkText) {
  Config c = p.MakeConfig();
  EXPECT_TRUE(LoadAll(c).empty());
  c.Station.Call = "DK0NEW";
  SaveAll(c);
  EXPECT_TRUE(fs::is_symlink(p.IniPath()));
  EXPECT_EQ(fs::read_symlink(p.IniPath()).string(), linkText);
  EXPECT_NE(ReadFile(target.string()).find("CALL=DK0NEW\r\n"), std::string::npos);
  EXPECT_NE(ReadFile(target.string()).find("; kept\r\n"), std::string::npos);
}

TEST(FileSystemFaults, ASymlinkedFileIsUpdatedAtItsTargetWithItsPermissions) {
  for (const bool absolute : {false, true}) {
    ProgramDir p({}, false);
    const fs::path target = p.dir.path() / "elsewhere" / "REAL.INI";
    WriteFile(target.string(), "; kept\r\n[STATION]\r\nCALL=DL1ABC\r\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string linkText = absolute ? target.string() : "elsewhere/REAL.INI";
    fs::create_symlink(linkText, p.IniPath());
    ExpectSavedThroughLink(p, target, linkText);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
        << absolute;
    for (const auto& name : Entries(p.dir.path() / "elsewhere")) EXPECT_EQ(name, "REAL.INI");
  }
}

TEST(FileSystemFaults, ADanglingLinkIsCreatedAtItsTargetOrRefusedWhenItsFolderIsMissing) {
  ProgramDir p({}, false);
  fs::create_directories(p.dir.path() / "elsewhere");
  fs::create_symlink("elsewhere/NEW.INI", p.IniPath());
  Config c = p.MakeConfig();
  EXPECT_TRUE(LoadAll(c).empty());  // reads as a missing file; the colour keys create the target
  SaveAll(c);
  EXPECT_TRUE(fs::is_symlink(p.IniPath()));
  EXPECT_NE(ReadFile((p.dir.path() / "elsewhere" / "NEW.INI").string()).find("[DEVICE]"), std::string::npos);

  ProgramDir q({}, false);
  fs::create_symlink("gone/NEW.INI", q.IniPath());
  Config d = q.MakeConfig();
  const auto errors = LoadAll(d);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], kWriteError);
  const auto [text, reason] = SaveAllRefusal(d);
  EXPECT_EQ(text, kWriteError);
  EXPECT_EQ(reason, "No such file or directory");
  EXPECT_FALSE(fs::exists(q.dir.path() / "gone"));
  EXPECT_EQ(fs::read_symlink(q.IniPath()).string(), "gone/NEW.INI");
}

TEST(FileSystemFaults, AProgramFolderRemovedWhileTheWindowIsOpenIsNotMadeAgainBySaving) {
  test::TempDir tmp;
  const fs::path program = tmp.path() / "TARVO";
  WriteFile((program / "TARVO.INI").string(), "[STATION]\r\nCALL=DL1ABC\r\n");
  Config c(HostFileSystem(DriveTable({{'C', tmp.path().string()}}), "C:\\TARVO\\"));
  EXPECT_TRUE(LoadAll(c).empty());
  fs::remove_all(program);
  c.Station.Call = "DK0NEW";
  try {
    SaveAll(c);
    FAIL() << "no error";
  } catch (const IniWriteError& e) {
    EXPECT_STREQ(e.what(), "nach C:\\TARVO\\TARVO.INI kann nicht geschrieben werden");
    EXPECT_EQ(e.Cause(), "No such file or directory");
  }
  EXPECT_FALSE(fs::exists(program));
}

TEST(FileSystemFaults, ADirectoryThatRefusesNewFilesRefusesToCreateTheFile) {
  ProgramDir p({}, false);
  {
    Config first = p.MakeConfig({.readOnly = true});
    LoadAll(first);
  }
  const std::string dir = p.dir.path().string();
  if (std::system(("chattr +i '" + dir + "' 2>/dev/null").c_str()) != 0) GTEST_SKIP() << "chattr not possible here";
  Config c = p.MakeConfig();
  const auto errors = LoadAll(c);
  const auto [text, reason] = SaveAllRefusal(c);
  std::system(("chattr -i '" + dir + "'").c_str());
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(errors[0], kWriteError);
  EXPECT_EQ(text, kWriteError);
  EXPECT_EQ(reason, "Operation not permitted");
  EXPECT_TRUE(fs::is_empty(p.dir.path()));
}

}  // namespace
}  // namespace trv
