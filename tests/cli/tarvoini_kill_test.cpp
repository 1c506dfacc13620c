// tarvoini killed at every step of a write, other writers in between, and what a killed run
// leaves for the next one.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>

#include "tarvoini_runner.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::ReadFile;
using test::WriteFile;

class TarvoIniKills : public ::testing::Test {
 protected:
  test::Result Run(const std::string& args, const std::string& env = {}) { return test::RunTarvoIni(tmp, args, env); }
  std::string Dir() const { return "'" + program.string() + "'"; }
  std::string Path(const char* name) const { return (program / name).string(); }
  std::string Ini() const { return ReadFile(Path("TARVO.INI")); }
  std::string Bak() const { return ReadFile(Path("TARVO.BAK")); }
  // A run of the next program that takes the folder's lock and changes nothing.
  void NextRun() { Run("ini del '" + Path("TARVO.INI") + "' NOSUCH KEY"); }
  std::vector<std::string> HiddenFiles() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(program))
      if (e.path().filename().string()[0] == '.') names.push_back(e.path().filename().string());
    return names;
  }

  test::TempDir tmp;
  fs::path program = tmp.path() / "prog";
};

// Lacks the colour keys that loading adds, so a resave writes.
const std::string kCurrent = "[STATION]\r\nCALL=DL1ABC\r\n";
const std::string kBackup = "[STATION]\r\nCALL=DL2OLD\r\n";

// TARVO.INI keeps its permissions whatever step is killed; a write that did not happen leaves
// TARVO.BAK as it was, one that did leaves the file as it was before in TARVO.BAK once the next
// run has finished it: TARVO.BAK always holds a state TARVO.INI once had.
TEST_F(TarvoIniKills, AKillAtAnyStepOfAWriteKeepsTheCurrentFileAndTheNextRunTidiesUp) {
  fs::create_directories(program);
  WriteFile(tmp / "qth.json", R"({"StationSettings":{"Qth":"JN00AA"}})");
  for (const std::string& verb : std::vector<std::string>{"restore", "resave", "set StationSettings.Qth JN00AA",
                                                          "apply '" + (tmp / "qth.json") + "'"})
    for (const std::string exchange : {"", " TRV_NO_EXCHANGE=1"})
      for (const std::string kind : {"rename", "write", "chmod"})
        for (int n = 1; n <= (verb == "restore" ? 4 : 6); ++n) {
          const std::string at = verb + exchange + " " + kind + ":" + std::to_string(n);
          WriteFile(Path("TARVO.INI"), kCurrent);
          WriteFile(Path("TARVO.BAK"), kBackup);
          fs::permissions(Path("TARVO.INI"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
          fs::permissions(Path("TARVO.BAK"), fs::perms::owner_read | fs::perms::owner_write);
          Run("--dir " + Dir() + " " + verb,
              test::ShimPreload() + exchange + " TRV_KILL_AT=" + kind + ":" + std::to_string(n));
          NextRun();
          const std::string ini = Ini(), bak = Bak();
          EXPECT_TRUE(ini == kCurrent || bak == kCurrent) << at << "\n" << ini << "\n" << bak;
          if (verb == "restore") {
            EXPECT_TRUE((ini == kCurrent && bak == kBackup) || (ini == kBackup && bak == kCurrent)) << at;
          } else {
            EXPECT_EQ(bak, ini == kCurrent ? kBackup : kCurrent) << at;
          }
          EXPECT_EQ(fs::status(Path("TARVO.INI")).permissions() & fs::perms::all,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
              << at;
          EXPECT_EQ(HiddenFiles(), std::vector<std::string>{}) << at;
        }
}

// The file was replaced, but the disk refused the rename that makes the file as it was TARVO.BAK:
// the write stands and says so, and the next run puts the backup in place.
TEST_F(TarvoIniKills, ABackupRefusedAfterTheWriteIsSaidAndFinishedByTheNextRun) {
  fs::create_directories(program);
  for (const int error : {ENOSPC, EIO, EPERM, EDQUOT}) {
    WriteFile(Path("TARVO.INI"), kCurrent);
    WriteFile(Path("TARVO.BAK"), kBackup);
    const test::Result r = Run("--dir " + Dir() + " set StationSettings.Qth JN00AA",
                               test::ShimPreload() + " TRV_RENAME_FAIL=" + std::to_string(error) + ":.pending");
    const std::string at = std::to_string(error);
    EXPECT_EQ(r.status, 0) << at << r.err;
    EXPECT_NE(r.err.find("tarvoini: warning: "), std::string::npos) << at << r.err;
    EXPECT_NE(r.err.find(std::strerror(error)), std::string::npos) << at << r.err;
    EXPECT_NE(Ini().find("QTH=JN00AA"), std::string::npos) << at;
    EXPECT_EQ(Bak(), kBackup) << at;
    NextRun();
    EXPECT_EQ(Bak(), kCurrent) << at;
    EXPECT_EQ(HiddenFiles(), std::vector<std::string>{}) << at;
  }
}

// Killed after its new file took the file's place, before it removed the file it displaced:
// that file may hold another program's write, so every later run keeps it and says where it
// is; later writes displace under another name.
TEST_F(TarvoIniKills, AKillAfterTheSwapLeavesTheDisplacedFileWhichLaterRunsKeepAndReport) {
  fs::create_directories(program);
  WriteFile(Path("TARVO.INI"), kCurrent);
  const std::string set = "ini set '" + Path("TARVO.INI") + "' STATION CALL ";
  Run(set + "DK0NEW", test::ShimPreload() + " TRV_KILL_AT=unlink:1");
  EXPECT_EQ(ReadFile(Path(".TARVO.INI.displaced")), kCurrent);
  for (const std::string& next : {"--dir " + Dir() + " show", set + "DK0TWO", "--dir " + Dir() + " resave"}) {
    const test::Result r = Run(next);
    EXPECT_EQ(r.status, 0) << next << r.err;
    EXPECT_NE(r.err.find("tarvoini: kept " + Path(".TARVO.INI.displaced") + ": a save that was stopped"),
              std::string::npos)
        << next << r.err;
    EXPECT_EQ(HiddenFiles(), std::vector<std::string>{".TARVO.INI.displaced"}) << next;
  }
  EXPECT_EQ(ReadFile(Path(".TARVO.INI.displaced")), kCurrent);
  EXPECT_NE(Ini().find("CALL=DK0TWO"), std::string::npos);
}

TEST_F(TarvoIniKills, ResaveThenRestoreGivesBackTheFileAsItWasBeforeLoadingAddedToIt) {
  fs::create_directories(program);
  WriteFile(Path("TARVO.INI"), kCurrent);
  ASSERT_EQ(Run("--dir " + Dir() + " resave").status, 0);
  EXPECT_EQ(Bak(), kCurrent);
  ASSERT_EQ(Run("--dir " + Dir() + " restore").status, 0);
  EXPECT_EQ(Ini(), kCurrent);
}

TEST_F(TarvoIniKills, AnotherWriterWhileResaveHoldsTheFileIsNeitherLostNorUndone) {
  fs::create_directories(program);
  WriteFile(Path("TARVO.INI"), kCurrent);
  // The resave's first flush takes 500 ms, after its read; meanwhile another tarvoini sets a key.
  const std::string script = test::ShimPreload() + " TRV_SLOW_FSYNC_MS=500 " + TARVOINI_PATH + " --dir " + Dir() +
                             " resave & pid=$!; sleep 0.2; " + TARVOINI_PATH + " ini set '" + Path("TARVO.INI") +
                             "' STATION CALL DK0NEW; wait $pid";
  WriteFile(tmp / "script.sh", script);
  ASSERT_EQ(std::system(("bash '" + (tmp / "script.sh") + "'").c_str()), 0);
  const std::string ini = Ini();
  EXPECT_NE(ini.find("CALL=DK0NEW\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("[DEVICE]"), std::string::npos) << ini;
}

// Every run, reading ones too, removes the temporary files a killed run left beside the file,
// its backup and the target of a symlinked TARVO.INI; never one that its writer still holds,
// and a reading run none while another holds the folder.
TEST_F(TarvoIniKills, TheNextRunRemovesOnlyOurOwnStaleTemporaryFiles) {
  fs::create_directories(program / "real");
  WriteFile((program / "real" / "REAL.INI").string(), kCurrent);
  fs::create_symlink("real/REAL.INI", Path("TARVO.INI"));
  const std::string held = Path(".TARVO.INI.HeLd00");
  const std::vector<std::string> kept = {".TARVO.INI.HeLd00", ".TARVO.INI.keep", ".other.abcdef"};
  for (const std::string& next :
       {"ini del '" + Path("TARVO.INI") + "' NOSUCH KEY", "--dir " + Dir() + " show", "--dir " + Dir() + " check",
        "--dir " + Dir() + " get StationSettings.Call", "--dir " + Dir() + " show (folder held)"}) {
    for (const char* name : {".TARVO.INI.a1B2c3", ".TARVO.BAK.Zz9Yy8", ".TARVO.INI.keep", ".other.abcdef",
                             ".TARVO.INI.HeLd00", "real/.REAL.INI.Qq1Ww2"})
      WriteFile(Path(name), "x");
    test::HeldFile writer(held);  // a writer at work
    const bool folderHeld = next.find("(folder held)") != std::string::npos;
    std::optional<test::ForeignFolderLock> folder;
    if (folderHeld) folder.emplace(program.string());
    Run(folderHeld ? next.substr(0, next.find(" (")) : next);
    EXPECT_EQ(HiddenFiles().size(), folderHeld ? 5u : kept.size()) << next;
    for (const std::string& name : kept) EXPECT_TRUE(fs::exists(Path(name.c_str()))) << next << name;
    EXPECT_EQ(fs::exists(program / "real" / ".REAL.INI.Qq1Ww2"), folderHeld) << next;
  }
}

TEST_F(TarvoIniKills, AFolderThatRefusesNewFilesRefusesEveryWriterAndTheFileIsNeverCut) {
  fs::create_directories(program);
  WriteFile(Path("TARVO.INI"), kCurrent);
  if (std::system(("chattr +i " + Dir() + " 2>/dev/null").c_str()) != 0) GTEST_SKIP() << "chattr not possible here";
  const test::Result set = Run("ini set '" + Path("TARVO.INI") + "' STATION CALL DK0NEW");
  const test::Result resave = Run("--dir " + Dir() + " resave");
  std::system(("chattr -i " + Dir()).c_str());
  EXPECT_EQ(set.status, 3) << set.err;
  EXPECT_EQ(resave.status, 3) << resave.err;
  EXPECT_NE(set.err.find("kann nicht geschrieben werden"), std::string::npos) << set.err;
  EXPECT_EQ(Ini(), kCurrent);
}

TEST_F(TarvoIniKills, AValueLongerThanTheNextReadTakesIsRefused) {
  fs::create_directories(program);
  WriteFile(Path("TARVO.INI"), kCurrent);
  const test::Result r = Run("ini set '" + Path("TARVO.INI") + "' MAILBOX CLOSEDTIME " + std::string(2048, '1'));
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("at most 2047 characters"), std::string::npos) << r.err;
  EXPECT_EQ(Ini(), kCurrent);
}

}  // namespace
}  // namespace trv
