// Another program writes the file between our read and our rename.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "config/config.h"
#include "config/ini_errors.h"
#include "config/ini_operation.h"
#include "config/sections.h"
#include "test_util.h"

namespace trv {
namespace {

using test::ProgramDir;

// Before each of the first `times` replacements another program rewrites the file in place
// (truncate and write, as the terminal program's profile writes do).
class InterferingWriter : public FileWriter {
 public:
  InterferingWriter(int times, std::function<void()> interfere) : times_(times), interfere_(std::move(interfere)) {}
  WriteResult Replace(const std::string& path, std::string_view bytes, std::string_view previous,
                      const FileIdentity& read) override {
    if (times_-- > 0) interfere_();
    return DefaultFileWriter().Replace(path, bytes, previous, read);
  }

 private:
  int times_;
  std::function<void()> interfere_;
};

const std::string kTheirs = "[STATION]\r\nCALL=DL1ABC\r\n[PROFILE]\r\nsaved=by the terminal program\r\n";

// Their write lands before our rename: in place (the terminal program) or by a rename of its
// own with the same bytes (an editor's save, a new inode). Ours runs again and keeps theirs.
TEST(OtherWriters, AWriteBeforeOurRenameRunsTheOperationAgainAndKeepsBoth) {
  const std::function<void(ProgramDir&)> writes[] = {
      [](ProgramDir& p) { p.SetIni(kTheirs); },
      [](ProgramDir& p) {
        test::WriteFile(p.dir / "their.tmp", kTheirs);
        std::filesystem::rename(p.dir / "their.tmp", p.IniPath());
      },
  };
  for (const auto& theirs : writes) {
    ProgramDir p("[STATION]\r\nCALL=DL1ABC\r\n");
    InterferingWriter writer(1, [&] { theirs(p); });
    Config c = p.MakeConfig({.writer = &writer});
    c.Station.Call = "DK0NEW";
    WriteStationSection(c);
    EXPECT_EQ(p.Ini(), "[STATION]\r\nCALL=DK0NEW\r\nQTH=JN59IL\r\n[PROFILE]\r\nsaved=by the terminal program\r\n");
  }
}

TEST(OtherWriters, AFileThatKeepsChangingIsAWriteErrorAndKeepsTheirBytes) {
  ProgramDir p("[STATION]\r\nCALL=DL1ABC\r\n");
  int round = 0;
  InterferingWriter writer(1000, [&] { p.SetIni(kTheirs + std::string(++round, ';') + "\r\n"); });
  Config c = p.MakeConfig({.writer = &writer});
  c.Station.Call = "DK0NEW";
  try {
    WriteStationSection(c);
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
  InterferingWriter writer(2, [&] { p.SetIni("[COLOR]\r\nNFG=99\r\n[X]\r\n" + (tail += ";\r\n")); });
  Config c = p.MakeConfig({.writer = &writer, .findings = &findings});
  EXPECT_TRUE(LoadAll(c).empty());
  int nfg = 0;
  for (const Finding& f : findings) nfg += f.key == "NFG";
  EXPECT_EQ(nfg, 1);
  EXPECT_NE(p.Ini().find("[X]"), std::string::npos);
  EXPECT_NE(p.Ini().find("HBG3=0"), std::string::npos);
}

}  // namespace
}  // namespace trv
