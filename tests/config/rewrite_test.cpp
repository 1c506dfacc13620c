// What saving writes: sections rewritten in place, values that read back as themselves,
// closed times and QRGs that survive the round trip, and the cuts that check reports.
#include <gtest/gtest.h>

#include "config/ini/ini_errors.h"
#include "config/sections/device_section.h"
#include "config/sections/mailbox_section.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "test_util.h"

namespace trv {
namespace {

using test::ProgramDir;

void Resave(const ProgramDir& p) {
  Config c = p.MakeConfig();
  ASSERT_TRUE(LoadAll(c).empty());
  SaveAll(c);
}

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(InPlace, ADuplicateDeviceSectionIsNeverTouched) {
  ProgramDir p(
      "[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n"
      "[MINE]\r\n0=x\r\n[DEVICE]\r\nOLD=keep me\r\n");
  Resave(p);
  const std::string once = p.Ini();
  EXPECT_EQ(once.find("[DEVICE]\r\nTNC0=3,248,9600"), 0u) << once;
  EXPECT_TRUE(Holds(once, "[MINE]\r\n0=x\r\n[DEVICE]\r\nOLD=keep me\r\n[")) << once;
  Resave(p);
  EXPECT_EQ(p.Ini(), once);  // settles at once
}

TEST(InPlace, CommentsInAndAroundDeviceAndBlocksStay) {
  const std::string file =
      "[DEVICE]\r\n; my 2m TNC\r\nTNC0=3,248,9600,8,1,1,144.8,DEFINI,DEFDEI\r\n\r\n; 70cm\r\nTNC1=4,248,9600,8,1,1,"
      "438.1,DEFINI,DEFDEI\r\nTNC2=END OF BLOCK\r\n; ===== sound =====\r\n"
      "[DEFINI]\r\n; init\r\n0=ESC I\r\n\r\n; ===== next =====\r\n[SOUND]\r\n";
  ProgramDir p(file);
  Config c = p.MakeConfig();
  LoadAll(c);
  c.TncCount = 3;
  c.TncTable[2] = NewTncEntry();
  SaveAll(c);
  EXPECT_TRUE(
      Holds(p.Ini(),
            "[DEVICE]\r\n; my 2m TNC\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\n\r\n; 70cm\r\n"
            "TNC1=4,248,9600,8,1,1,438.100,DEFINI,DEFDEI,0,0,TNC2.TNC\r\n"
            "TNC2=2,248,19200,8,1,1,123.456,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC3=END OF BLOCK\r\n"
            "; ===== sound =====\r\n[DEFINI]"))
      << p.Ini();
  c.TncCount = 0;
  WriteSection(c, SectionId::Device);
  EXPECT_TRUE(Holds(p.Ini(), "[DEVICE]\r\n; my 2m TNC\r\nTNC0=END OF BLOCK\r\n\r\n; 70cm\r\n; ===== sound =====\r\n"))
      << p.Ini();

  WriteFreeSection(c, "DEFINI", {"ESC I", "ESC M"});
  EXPECT_TRUE(Holds(p.Ini(), "[DEFINI]\r\n; init\r\n0=ESC I\r\n1=ESC M\r\n\r\n; ===== next =====\r\n[SOUND]"))
      << p.Ini();
  WriteFreeSection(c, "DEFINI", {" ", ""});  // an editor left empty removes the block
  EXPECT_FALSE(Holds(p.Ini(), "DEFINI"));
}

TEST(Quoting, ValuesReadBackAsThemselvesAndNeverDrift) {
  ProgramDir p("[STATION]\r\nCALL=\"\"dl1x\"\"\r\n[EXTRA]\r\nPROMPT=\"de %Call> \"\r\nFORTUNE='F'\r\n");
  Resave(p);
  const std::string once = p.Ini();
  EXPECT_TRUE(Holds(once, "CALL=\"\"DL1X\"\"\r\n")) << once;
  EXPECT_TRUE(Holds(once, "PROMPT=\"de %Call> \"\r\n"));  // the value it already reads as: untouched
  EXPECT_TRUE(Holds(once, "FORTUNE='F'\r\n"));
  Resave(p);
  EXPECT_EQ(p.Ini(), once);

  Config c = p.MakeConfig();
  LoadAll(c);
  EXPECT_EQ(c.Station.Call, "\"DL1X\"");
  EXPECT_EQ(c.Extra.Prompt, "de %Call> ");
  c.Extra.Prompt = "  leading";
  c.Extra.FortuneFile = "'BOTH'";
  SaveAll(c);
  Config back = p.MakeConfig();
  LoadAll(back);
  EXPECT_EQ(back.Extra.Prompt, "leading");  // written without the blanks the terminal would drop
  EXPECT_EQ(back.Extra.FortuneFile, "'BOTH'");
}

TEST(ClosedTimes, WhatIsWrittenReadsBackAsTheSameWindows) {
  ProgramDir p("[MAILBOX]\r\nCLOSEDTIME=1--5,2200-0600,-30-100,123456-99,930-1000\r\n");
  Config c = p.MakeConfig();
  LoadAll(c);
  ASSERT_EQ(c.ClosedTimes.Count(), 4);  // -30-100 has no start before its first dash
  SaveAll(c);
  // Windows read from the file keep their text; only an added window is written as HHMM-HHMM.
  EXPECT_TRUE(Holds(p.Ini(), "CLOSEDTIME=1--5,2200-0600,123456-99,930-1000\r\n")) << p.Ini();
  c.ClosedTimes.AddWindow(-5, -2147483647 - 1);
  SaveAll(c);
  Config back = p.MakeConfig();
  LoadAll(back);
  ASSERT_EQ(back.ClosedTimes.Count(), 5);
  for (std::int32_t i = 0; i < 5; ++i) {
    EXPECT_EQ(back.ClosedTimes.WindowAt(i)->From, c.ClosedTimes.WindowAt(i)->From) << i;
    EXPECT_EQ(back.ClosedTimes.WindowAt(i)->To, c.ClosedTimes.WindowAt(i)->To) << i;
  }
  EXPECT_EQ(ClosedTimeText(-5), "$FFFFFFFB");
}

// Written as HHMM-HHMM, 511 short windows grew past what the next read takes, and were lost.
TEST(ClosedTimes, AListNeverGrowsPastWhatTheNextReadTakes) {
  std::string value;
  for (int i = 0; i < 511; ++i) value += (i > 0 ? "," : "") + std::string("1-2");
  ProgramDir p("[MAILBOX]\r\nCLOSEDTIME=" + value + "\r\n");
  Config c = p.MakeConfig();
  LoadAll(c);
  ASSERT_EQ(c.ClosedTimes.Count(), 511);
  SaveAll(c);
  EXPECT_TRUE(Holds(p.Ini(), "CLOSEDTIME=" + value + "\r\n"));
  EXPECT_FALSE(ClosedTimeFits(c.ClosedTimes, 2359, 2358));  // 2,043 characters: no room for ",2359-2358"
  for (int i = 0; i < 3; ++i) c.ClosedTimes.DeleteWindowText(TClosedTimeCol::WindowText(*c.ClosedTimes.WindowAt(0)));
  int added = 0;
  for (; ClosedTimeFits(c.ClosedTimes, 2359, 2358); ++added) c.ClosedTimes.AddWindow(2359, 2358);
  EXPECT_EQ(added, 1);  // three windows less are 12 characters less: room for one
  SaveAll(c);
  Config back = p.MakeConfig();
  LoadAll(back);
  EXPECT_EQ(back.ClosedTimes.Count(), c.ClosedTimes.Count());
  c.ClosedTimes.AddWindow(2359, 2358);  // past the check: refused, the file stays
  EXPECT_THROW(SaveAll(c), IniInputError);
  Config again = p.MakeConfig();
  LoadAll(again);
  EXPECT_EQ(again.ClosedTimes.Count(), back.ClosedTimes.Count());
}

TEST(Qrg, AnExponentOutsideTheRangeOfADoubleKeepsTheLine) {
  ProgramDir p(
      "[DEVICE]\r\nTNC0=1,248,1200,8,1,1,1e-400,I,D\r\nTNC1=1,248,1200,8,1,1,1e400,I,D\r\n"
      "TNC2=1,248,1200,8,1,1,0.0001e309,I,D\r\nTNC3=1,248,1200,8,1,1,-1e-400,I,D\r\n");
  Findings findings;
  Config c = p.MakeConfig({.findings = &findings});
  LoadAll(c);
  ASSERT_EQ(c.TncCount, 4);
  EXPECT_EQ(c.TncTable[0].Qrg, 0.0);
  EXPECT_EQ(c.TncTable[1].Qrg, kDefaultQrg);
  EXPECT_EQ(c.TncTable[2].Qrg, 1e305);
  EXPECT_EQ(c.TncTable[3].Qrg, 0.0);
  std::vector<std::string> qrgFindings;
  for (const Finding& f : findings)
    if (f.message.find("QRG") == 0) qrgFindings.push_back(f.key + ": " + f.message);
  EXPECT_EQ(qrgFindings,
            (std::vector<std::string>{"TNC0: QRG 1e-400 is read as 0", "TNC1: QRG 1e400 is too large; 123.456 is used",
                                      "TNC3: QRG -1e-400 is read as 0"}));
}

TEST(Check, ReportsTheCutsOfLongValuesAndWavePaths) {
  const std::string waveDir = "C:\\" + std::string(240, 'W') + "\\";
  ProgramDir p("[DIR]\r\nSD=" + waveDir + "\r\n[SOUND]\r\nRING=" + std::string(20, 'r') +
               ".WAV\r\n[EXTRA]\r\nPROMPT=" + std::string(3000, 'p') + "\r\n");
  Findings findings;
  Config c = p.MakeConfig({.readOnly = true, .findings = &findings});
  LoadAll(c);
  EXPECT_EQ(c.Extra.Prompt.size(), 2047u);
  EXPECT_EQ(c.Sound.WaveFiles[5].size(), 255u);
  std::vector<std::string> cuts;
  for (const Finding& f : findings)
    if (f.message.find("cut") == 0) cuts.push_back(f.section + " " + f.key + ": " + f.message);
  EXPECT_EQ(cuts,
            (std::vector<std::string>{"SOUND RING: cut to 255 characters after the wave directory is put in front",
                                      "EXTRA PROMPT: cut to 2047 characters"}));
}

}  // namespace
}  // namespace trv
