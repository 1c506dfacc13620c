// Another program writes the file between our read and our rename.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "config/ini/ini_errors.h"
#include "config/ini/ini_operation.h"
#include "config/sections/mailbox_section.h"
#include "config/sections/station_section.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "platform/atomic_file_writer.h"
#include "test_util.h"

namespace trv {
namespace {

using test::ProgramDir;

const std::string kTheirs = "[STATION]\r\nCALL=DL1ABC\r\n[PROFILE]\r\nsaved=by the terminal program\r\n";

// Their write lands before our rename: in place (the terminal program) or by a rename of its
// own with the same bytes (an editor's save, a new inode); before our last check, or after it,
// at the very moment our new file takes the file's name. Ours runs again and keeps theirs;
// nothing of ours is left beside the file.
TEST(OtherWriters, AWriteBeforeOurRenameRunsTheOperationAgainAndKeepsBoth) {
  const std::function<void(ProgramDir&)> writes[] = {
      [](ProgramDir& p) { p.SetIni(kTheirs); },
      [](ProgramDir& p) {
        test::WriteFile(p.dir / "their.tmp", kTheirs);
        std::filesystem::rename(p.dir / "their.tmp", p.IniPath());
      },
  };
  for (const bool atTheSwap : {false, true})
    for (const auto& theirs : writes) {
      ProgramDir p("[STATION]\r\nCALL=DL1ABC\r\n");
      int left = 1;
      const auto once = [&] {
        if (left-- > 0) theirs(p);
      };
      test::ScriptedWriter early({.interferences = 1, .interfere = once});
      AtomicFileWriter late(once);
      Config c = p.MakeConfig({.writer = atTheSwap ? static_cast<FileWriter*>(&late) : &early});
      c.Station.Call = "DK0NEW";
      WriteSection(c, SectionId::Station);
      EXPECT_EQ(p.Ini(), "[STATION]\r\nCALL=DK0NEW\r\nQTH=JN59IL\r\n[PROFILE]\r\nsaved=by the terminal program\r\n")
          << atTheSwap;
      EXPECT_EQ(test::HiddenFiles(p.dir.path()), std::vector<std::string>{}) << atTheSwap;
    }
}

// The terminal program writes its file in place: it cuts it, then writes it anew. A read that
// meets it part way (empty, half written) or a moment after its last change waits until the
// file has settled, so that what we write keeps all of theirs. A change time in the future
// or long ago waits for nothing.
TEST(OtherWriters, AFileBeingWrittenInPlaceIsReadOnceItHasSettled) {
  using std::chrono::hours;
  const std::size_t half = kTheirs.size() / 2;
  const struct {
    const char* name;
    std::string atRead;
    std::string later;             // what their write adds during our first pause
    std::optional<hours> changed;  // how long ago the file last changed; none: just now
    int pauses;
  } cases[] = {
      {"cut, then written", "", kTheirs, {}, 2},
      {"half written, then finished", kTheirs.substr(0, half), kTheirs.substr(half), {}, 2},
      {"written just now", kTheirs, "", {}, 1},
      {"changed in the future", kTheirs, "", hours(-1), 0},
      {"changed an hour ago", kTheirs, "", hours(1), 0},
  };
  for (const auto& c : cases) {
    ProgramDir p(c.atRead);
    if (c.changed) test::SetModified(p.IniPath(), std::chrono::system_clock::now() - *c.changed);
    int pauses = 0;
    SettleBounds settle;  // the pauses pass at once; "just now" lasts for as long as a busy machine may take
    settle.fresh = std::chrono::seconds(10);
    settle.pause = [&](std::chrono::milliseconds) {
      if (pauses++ == 0 && !c.later.empty()) test::WriteFile(p.IniPath(), p.Ini() + c.later);
    };
    Config config(p.Files(), {.settle = settle});
    config.Station.Call = "DK0NEW";
    WriteSection(config, SectionId::Station);
    EXPECT_NE(p.Ini().find("[PROFILE]\r\nsaved=by the terminal program\r\n"), std::string::npos) << c.name;
    EXPECT_NE(p.Ini().find("CALL=DK0NEW"), std::string::npos) << c.name;
    EXPECT_EQ(pauses, c.pauses) << c.name;
  }
}

TEST(OtherWriters, AFileThatKeepsChangingIsAWriteErrorAndKeepsTheirBytes) {
  ProgramDir p("[STATION]\r\nCALL=DL1ABC\r\n");
  int round = 0;
  test::ScriptedWriter writer(
      {.interferences = 1000, .interfere = [&] { p.SetIni(kTheirs + std::string(++round, ';') + "\r\n"); }});
  Config c = p.MakeConfig({.writer = &writer});
  c.Station.Call = "DK0NEW";
  try {
    WriteSection(c, SectionId::Station);
    FAIL() << "no error";
  } catch (const IniWriteError& e) {
    EXPECT_STREQ(e.what(), "nach C:\\TARVO.INI kann nicht geschrieben werden");
    EXPECT_FALSE(e.Cause().empty());
  }
  EXPECT_EQ(round, kOperationAttempts);
  EXPECT_EQ(p.Ini(), kTheirs + std::string(round, ';') + "\r\n");
}

TEST(OtherWriters, ARunAgainReportsItsFindingsOnce) {
  ProgramDir p("[COLOR]\r\nNFG=99\r\n");
  Findings findings;
  std::string tail;
  test::ScriptedWriter writer(
      {.interferences = 2, .interfere = [&] { p.SetIni("[COLOR]\r\nNFG=99\r\n[X]\r\n" + (tail += ";\r\n")); }});
  Config c = p.MakeConfig({.writer = &writer, .findings = &findings});
  EXPECT_TRUE(LoadAll(c).empty());
  int nfg = 0;
  for (const Finding& f : findings) nfg += f.key == "NFG";
  EXPECT_EQ(nfg, 1);
  EXPECT_NE(p.Ini().find("[X]"), std::string::npos);
  EXPECT_NE(p.Ini().find("HBG3=0"), std::string::npos);
}

// A read that adds to the records (the closed-time windows) runs again from the records as
// they were before the lost run, not on top of what it read then.
TEST(OtherWriters, ARunAgainStartsFromTheRecordsAsTheyWereBeforeIt) {
  ProgramDir p("[MAILBOX]\r\nCLOSEDTIME=2230-0600,1200-1300\r\n");
  test::ScriptedWriter writer({.interferences = 1, .interfere = [&] { p.SetIni(p.Ini() + "[X]\r\n"); }});
  Config c = p.MakeConfig({.writer = &writer});
  RunAction(c, [&](TIniFile&) {
    ReadMailboxSection(c);
    c.Station.Call = "DK0NEW";
    WriteSection(c, SectionId::Station);
  });
  EXPECT_EQ(writer.calls, 2);
  EXPECT_EQ(c.ClosedTimes.Count(), 2);
  EXPECT_EQ(c.Station.Call, "DK0NEW");
}

}  // namespace
}  // namespace trv
