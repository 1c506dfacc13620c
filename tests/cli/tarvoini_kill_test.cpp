// tarvoini killed at every step of a write, other writers in between, and what a killed run
// leaves for the next one.
#include <gtest/gtest.h>

#include <filesystem>

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

TEST_F(TarvoIniKills, AKillAtAnyStepOfRestoreOrResaveKeepsTheCurrentFileAndTheNextRunTidiesUp) {
  fs::create_directories(program);
  for (const std::string verb : {"restore", "resave"})
    for (const std::string exchange : {"", " TRV_NO_EXCHANGE=1"})
      for (const std::string kind : {"rename", "write"})
        for (int n = 1; n <= 4; ++n) {
          const std::string at = verb + exchange + " " + kind + ":" + std::to_string(n);
          WriteFile(Path("TARVO.INI"), kCurrent);
          WriteFile(Path("TARVO.BAK"), kBackup);
          Run("--dir " + Dir() + " " + verb,
              test::ShimPreload() + exchange + " TRV_KILL_AT=" + kind + ":" + std::to_string(n));
          NextRun();
          const std::string ini = Ini(), bak = Bak();
          EXPECT_TRUE(ini == kCurrent || bak == kCurrent) << at << "\n" << ini << "\n" << bak;
          if (verb == "restore") {
            EXPECT_TRUE((ini == kCurrent && bak == kBackup) || (ini == kBackup && bak == kCurrent)) << at;
          }
          EXPECT_EQ(HiddenFiles(), std::vector<std::string>{}) << at;
        }
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

TEST_F(TarvoIniKills, TheNextRunRemovesOnlyOurOwnStaleTemporaryFiles) {
  fs::create_directories(program);
  WriteFile(Path("TARVO.INI"), kCurrent);
  for (const char* name : {".TARVO.INI.a1B2c3", ".TARVO.BAK.Zz9Yy8", ".TARVO.INI.keep", ".other.abcdef"})
    WriteFile(Path(name), "x");
  NextRun();
  EXPECT_EQ(HiddenFiles().size(), 2u);
  EXPECT_TRUE(fs::exists(Path(".TARVO.INI.keep")));
  EXPECT_TRUE(fs::exists(Path(".other.abcdef")));
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
