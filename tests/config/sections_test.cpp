#include "config/store/sections.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "config/sections/color_sound_section.h"
#include "config/sections/dir_section.h"
#include "config/sections/display_section.h"
#include "config/sections/extra_section.h"
#include "config/sections/free_section.h"
#include "config/sections/mailbox_section.h"
#include "config/settings/setting_catalogue.h"
#include "config/store/config.h"
#include "config/store/saved_forms.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::ProgramDir;

// A TIniFile on the configuration file, set up by the store's options, outside any action.
std::unique_ptr<TIniFile> OpenConfigFile(const Config& config) {
  const IniTransactionFile file = ConfigTransactionFile(config);
  auto ini = std::make_unique<TIniFile>(file.hostPath, file.shownPath, &file.writer, &file.reader);
  ini->SetFindings(file.findings);
  return ini;
}

TEST(SharedOperations, IntegerInRangeAndSplitter) {
  ProgramDir p("[S]\nmin=5\nmax=10\nlow=4\nhigh=11\nhex=0x8\nbad=12abc\n");
  Config c = p.MakeConfig();
  auto ini = OpenConfigFile(c);
  EXPECT_EQ(ReadIntegerInRange(*ini, "S", "min", 7, 5, 10), 5);
  EXPECT_EQ(ReadIntegerInRange(*ini, "S", "max", 7, 5, 10), 10);
  EXPECT_EQ(ReadIntegerInRange(*ini, "S", "low", 7, 5, 10), 7);
  EXPECT_EQ(ReadIntegerInRange(*ini, "S", "high", 7, 5, 10), 7);
  EXPECT_EQ(ReadIntegerInRange(*ini, "S", "hex", 7, 5, 10), 8);
  EXPECT_EQ(ReadIntegerInRange(*ini, "S", "bad", 7, 5, 10), 7);
  EXPECT_EQ(ReadIntegerInRange(*ini, "S", "missing", 99, 5, 10), 99);  // default outside the range

  std::string text = "a,b,c", head;
  SplitAtSeparator(text, ",", head);
  EXPECT_EQ(head, "a");
  EXPECT_EQ(text, "b,c");
  text = "abc";
  SplitAtSeparator(text, ",", head);
  EXPECT_EQ(head, "abc");
  EXPECT_EQ(text, "");
  text = ",x";
  SplitAtSeparator(text, ",", head);
  EXPECT_EQ(head, "");
  EXPECT_EQ(text, "x");
  SplitAtSeparator(text = "", ",", head);
  EXPECT_EQ(head, "");
}

// The program's sections and those it keeps, in any letter case (the file's names do not
// depend on it), and what else keeps a name from naming a command block.
TEST(SharedOperations, KnownAndUserSections) {
  const std::pair<const char*, BlockNameFault> names[] = {
      {"BEACON7", BlockNameFault::ProgramSection},
      {"BEACONS", BlockNameFault::ProgramSection},
      {"Beacon", BlockNameFault::ProgramSection},
      {"device", BlockNameFault::ProgramSection},
      {"Validcall", BlockNameFault::ProgramSection},
      {" sfile ", BlockNameFault::ProgramSection},
      {"USER", BlockNameFault::None},
      {" MyBlock ", BlockNameFault::None},
      {"STATIONS", BlockNameFault::None},
      {"A,B", BlockNameFault::Character},
      {"A]B", BlockNameFault::Character},
      {"[A", BlockNameFault::Character},
      {" \t", BlockNameFault::Empty},
      {"", BlockNameFault::Empty},
  };
  for (const auto& [name, fault] : names) {
    EXPECT_EQ(CommandBlockNameFault(name), fault) << name;
    if (fault != BlockNameFault::Character && fault != BlockNameFault::Empty && name[0] != ' ') {
      EXPECT_EQ(IsKnownSection(name), fault == BlockNameFault::ProgramSection) << name;
    }
  }
  ProgramDir p("[DEVICE]\n[DEFINI]\n[station]\n[BEACON2]\n[MYBLOCK]\n");
  Config c = p.MakeConfig();
  std::vector<std::string> list;
  EXPECT_FALSE(ListUserSections(c, nullptr));
  EXPECT_TRUE(ListUserSections(c, &list));
  EXPECT_EQ(list, (std::vector<std::string>{"DEFINI", "MYBLOCK"}));
}

TEST(FreeSections, BlankLinesLeaveGapsAndTerminatorsAreDropped) {
  ProgramDir p("[X]\r\n0=old\r\n");
  Config c = p.MakeConfig();
  WriteFreeSection(c, "X", {"A", "", "  ", "B", "  indented"});
  EXPECT_EQ(p.Ini(), "[X]\r\n0=A\r\n3=B\r\n4=indented\r\n");  // the blanks the terminal would drop
  std::vector<std::string> lines;
  ReadFreeSection(c, "X", lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"A", "B", "indented"}));

  p.SetIni("[B]\n0=X\n1=END OF BLOCK\n2=Y\n3=END OF BLOCK\n4=\n5=end of block\n6=" + std::string(300, 'z') + "\n");
  lines.clear();
  ReadFreeSection(c, "B", lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"X", "Y", "end of block", std::string(255, 'z')}));

  WriteFreeSection(c, "B", {"", " "});  // only blank lines: the section goes
  EXPECT_EQ(p.Ini(), "");
}

TEST(Station, UpperCasesAndCuts) {
  ProgramDir p("[STATION]\nCALL=dl1abc-15\nQTH=" + std::string(40, 'q') + "\n");
  Config c = p.MakeConfig();
  ReadStationSection(c);
  EXPECT_EQ(c.Station.Call, "DL1ABC-15");
  EXPECT_EQ(c.Station.Qth, std::string(31, 'Q'));
  p.SetIni("");
  ReadStationSection(c);
  EXPECT_EQ(c.Station.Call, "NOCALL");
  EXPECT_EQ(c.Station.Qth, "JN59IL");
  c.Station.Call = "dl2xyz";  // written as held
  WriteSection(c, SectionId::Station);
  EXPECT_EQ(p.Ini(), "[STATION]\r\nCALL=dl2xyz\r\nQTH=JN59IL\r\n");
}

TEST(Dir, DefaultsAndTheNineteenDirectoriesInOrder) {
  ProgramDir p;
  std::vector<std::string> asked;
  Config c = p.MakeConfig({.directoryRequested = [&](const std::string& d) { asked.push_back(d); }});
  ReadDirSection(c);
  EXPECT_EQ(asked, (std::vector<std::string>{"C:\\DRIVER.TNC\\", "C:\\VOICE\\", "C:\\FILTER\\", "C:\\LANGUAGE\\",
                                             "C:\\READ\\", "C:\\WRITE\\", "C:\\MAIL\\", "C:\\MAIL\\SF\\",
                                             "C:\\MAIL\\SFEXPORT\\", "C:\\MAIL\\SFIMPORT\\", "C:\\MAIL\\HELP\\",
                                             "C:\\MAIL\\NNTP\\", "C:\\MAIL\\TEMP\\", "C:\\MAIL\\FBB", "C:\\MAIL\\BC\\",
                                             "C:\\MAIL\\IMPORT\\", "C:\\7PLUS\\", "C:\\WAV\\", "C:\\TEMP\\"}));
  for (const char* d : {"DRIVER.TNC", "MAIL/FBB", "MAIL/IMPORT", "7PLUS", "TEMP"})
    EXPECT_TRUE(fs::is_directory(p.dir.path() / d)) << d;
}

TEST(Dir, ValuesAreKeptAsWrittenAndOtherKeysStay) {
  ProgramDir p("[DIR]\r\nX=keep\r\nMD=C:\\BOX\r\nRD=MAIL\\\r\nWD=\r\n");
  std::vector<std::string> asked;
  Config c = p.MakeConfig({.directoryRequested = [&](const std::string& d) { asked.push_back(d); }});
  ReadDirSection(c);
  EXPECT_EQ(c.Dirs.GetMailDir(), "C:\\BOX\\");
  EXPECT_EQ(c.Dirs.GetReadDir(), "MAIL\\");
  EXPECT_EQ(c.Dirs.GetWriteDir(), "");
  EXPECT_EQ(c.Dirs.GetImportDir(), "C:\\MAIL\\IMPORT\\");  // not under the configured mailbox
  EXPECT_EQ(asked[7], "C:\\BOX\\SF\\");
  EXPECT_TRUE(fs::is_directory(p.dir.path() / "BOX" / "BC"));
  WriteSection(c, SectionId::Dir);
  EXPECT_EQ(p.Ini(),
            "[DIR]\r\nX=keep\r\nMD=C:\\BOX\\\r\nRD=MAIL\\\r\nWD=\r\nID=C:\\MAIL\\IMPORT\\\r\n"
            "PD=C:\\7PLUS\\\r\nSD=C:\\WAV\\\r\nTD=C:\\TEMP\\\r\n");
}

TEST(Display, RangesAndDefaults) {
  ProgramDir p("[DISPLAY]\nSBL=30000\nMEL=501\nRXBB=1\nETD=0\n");
  Config c = p.MakeConfig();
  ReadDisplaySection(c);
  EXPECT_EQ(c.Display.MaxRXLines, 30000);
  EXPECT_EQ(c.Display.MaxTXLines, 50);
  EXPECT_TRUE(c.Display.FlickerFreeRX);
  EXPECT_FALSE(c.Display.EchoOwnText);
  p.SetIni("[DISPLAY]\nSBL=word\nMEL=49\n");
  ReadDisplaySection(c);
  EXPECT_EQ(c.Display.MaxRXLines, 100);
  EXPECT_EQ(c.Display.MaxTXLines, 50);
  p.SetIni("");
  ReadDisplaySection(c);
  WriteSection(c, SectionId::Display);
  EXPECT_EQ(p.Ini(), "[DISPLAY]\r\nETD=1\r\nSBL=100\r\nMEL=50\r\nSAVERX=1\r\nSAVETX=1\r\nEDITBB=1\r\nRXBB=0\r\n");
}

TEST(Language, EmptyIsNotMissing) {
  ProgramDir p("[LANGUAGE]\nVISUAL=\n");
  Config c = p.MakeConfig();
  ReadLanguageSection(c);
  EXPECT_EQ(c.Language.Visual, "");
  EXPECT_EQ(c.Language.Output, "DEUTSCH");
}

TEST(Extra, DefaultsAndWriteOrder) {
  ProgramDir p("[EXTRA]\r\nPWBOX=1\r\nOLCSOUND=0\r\nOWN=x\r\n");
  Config c = p.MakeConfig();
  ReadExtraSection(c);
  const ExtraSettings& x = c.Extra;
  EXPECT_EQ(x.PollDelay, 2);
  EXPECT_EQ(x.NodeCall, "NOCALL-9");
  EXPECT_EQ(x.NodeTimeout, 3600);
  EXPECT_EQ(x.UtcOffset, -3600);
  EXPECT_EQ(x.SuppressBin, -1);
  EXPECT_TRUE(x.LoadSpy && x.LoadMailbox && x.MultiLineToolbar);
  EXPECT_FALSE(x.LoadBroadcast || x.LoadDigiInfo || x.DelayedDisplay);
  WriteSection(c, SectionId::Extra);
  EXPECT_EQ(p.Ini(),
            "[EXTRA]\r\nPWBOX=1\r\nOLCSOUND=0\r\nOWN=x\r\nNODECALL=NOCALL-9\r\nNODETO=60\r\n"
            "PROMPT=(%CCALL ) de %Call >\r\nFORTUNE=FORTUNE.DL\r\nDLINK=0\r\nSPY=1\r\nBOX=1\r\nLBROAD=0\r\n"
            "LDXC=0\r\nSRESYNC=0\r\nMULTILINE=1\r\nUTC=-3600\r\nPOR=1\r\nDUP=0\r\nSUPBIN=1\r\nTPRI=2\r\nCONMODE=1\r\n");
}

TEST(Extra, RangesUnitsAndDependentSwitch) {
  ProgramDir p(
      "[EXTRA]\nTPRI=11\nNODETO=7\nLBROAD=1\nBOX=0\nNODECALL=dl0abc-3\xE1xxxxx\nUTC=100000\n"
      "SUPBIN=5\nCONMODE=3\nPOR=10\n");
  Config c = p.MakeConfig();
  ReadExtraSection(c);
  EXPECT_EQ(c.Extra.PollDelay, 2);
  EXPECT_EQ(c.Extra.NodeTimeout, 300);
  EXPECT_FALSE(c.Extra.LoadBroadcast);
  EXPECT_EQ(c.Extra.NodeCall, "DL0ABC-3SSXX");
  EXPECT_EQ(c.Extra.UtcOffset, 100000);
  EXPECT_NE(c.Extra.SuppressBin, 0);
  EXPECT_EQ(c.Extra.ConMode, 1);
  EXPECT_EQ(c.Extra.Por, 10);
  p.SetIni("[EXTRA]\nNODETO=90\nLBROAD=1\nUTC=abc\nTPRI=10\n");
  ReadExtraSection(c);
  EXPECT_EQ(c.Extra.NodeTimeout, 5400);
  EXPECT_TRUE(c.Extra.LoadBroadcast);
  EXPECT_EQ(c.Extra.UtcOffset, -3600);
  EXPECT_EQ(c.Extra.PollDelay, 10);
}

TEST(Mailbox, DefaultsAndRoundTrip) {
  ProgramDir p;
  Config c = p.MakeConfig();
  ReadMailboxSection(c);
  EXPECT_EQ(c.Mailbox.BoxCall, "NOCALL-7");
  EXPECT_EQ(c.FHeaderText.GetFHeader(), "[NOCALL NONAMECITY]");
  EXPECT_EQ(c.Mailbox.Timeout, 900);
  EXPECT_EQ(c.ClosedTimes.Count(), 0);
  WriteSection(c, SectionId::Mailbox);
  EXPECT_EQ(p.Ini(),
            "[EXTRA]\r\nPWBOX=0\r\n[MAILBOX]\r\nBOXCALL=NOCALL-7\r\nHPATH=\r\nFHEADER=NOCALL NONAMECITY\r\n"
            "SYSMTO=XNET\r\nDEFBOARD=\r\nDEFLT=20\r\nGARBAT=300\r\nRESTART=0\r\nTIMEOUT=15\r\nMOBID=15000\r\n"
            "SMLIFE=1\r\nSMROUTE=1\r\nFHINCL=1\r\nFHBID=1\r\nGARMEM=0\r\nQZDOS=0\r\nPAM=0\r\nBLINKLED=1\r\n"
            "BLINKICON=1\r\nCLOSEDTIME=\r\n");
}

TEST(Mailbox, RangesCutsAndBlinkSwitch) {
  ProgramDir p(
      "[MAILBOX]\nTIMEOUT=60\nMOBID=2999\nGARBAT=1275\nBLINKLED=1\nBLINKICON=0\nBOXCALL=db0xyz\n"
      "HPATH=#bay.deu\nFHEADER=" +
      std::string(30, 'f') + "\nDEFBOARD=ALLEBOARDS\n");
  Config c = p.MakeConfig();
  ReadMailboxSection(c);
  EXPECT_EQ(c.Mailbox.Timeout, 3600);
  EXPECT_EQ(c.Mailbox.MaxBidCount, 15000);
  EXPECT_EQ(c.Mailbox.GarbageAt, 1275);
  EXPECT_FALSE(c.Mailbox.BlinkLed);
  EXPECT_EQ(c.Mailbox.BoxCall, "DB0XYZ");
  EXPECT_EQ(c.Mailbox.HPath, "#bay.deu");
  EXPECT_EQ(c.Mailbox.DefaultBoard, "ALLEBOAR");
  WriteSection(c, SectionId::Mailbox);
  auto ini = OpenConfigFile(c);
  EXPECT_EQ(ini->ReadString("MAILBOX", "FHEADER", ""), std::string(25, 'f'));
  EXPECT_EQ(ini->ReadString("MAILBOX", "TIMEOUT", ""), "60");
}

TEST(Mailbox, ClosedTimesSkipMalformedItems) {
  ProgramDir p("[MAILBOX]\nCLOSEDTIME=2230-0600,,1200,1300-,12:00-13:00,0800-0900, 0930-1000,930-1000 ,2500-9999\n");
  Config c = p.MakeConfig();
  ReadMailboxSection(c);
  EXPECT_EQ(ClosedTimeValue(c.ClosedTimes), "2230-0600,0800-0900, 0930-1000,2500-9999");
}

TEST(Color, MissingSectionAddsThePortKeysInOrder) {
  ProgramDir p;
  Config c = p.MakeConfig();
  ReadColorSection(c);
  EXPECT_EQ(p.Ini(), "[COLOR]\r\nHFG0=14\r\nHBG0=0\r\nHFG1=14\r\nHBG1=0\r\nHFG2=14\r\nHBG2=0\r\nHFG3=14\r\nHBG3=0\r\n");
  // Within an action the keys wait for its first write, which they go before; a value the
  // action writes is not replaced by them.
  ProgramDir q("[COLOR]\r\nHFG=3\r\n");
  Config d = q.MakeConfig();
  RunAction(d, [&](TIniFile& ini) {
    ReadColorSection(d);
    EXPECT_FALSE(ini.HasKey(kColorSection, "HFG0"));
    ini.WriteString(kColorSection, "HFG1", "9");
  });
  EXPECT_EQ(q.Ini(),
            "[COLOR]\r\nHFG=3\r\nHFG0=3\r\nHBG0=0\r\nHFG1=9\r\nHBG1=0\r\nHFG2=3\r\nHBG2=0\r\nHFG3=3\r\nHBG3=0\r\n");
}

// Each screen element as the file and the Colors page's list know it: its keys and their
// defaults in a file without them; a side without a key borrows "default output" (entry 2).
struct ElementKeys {
  int entry;
  const char* fgKey;
  std::int16_t fgDefault;
  const char* bgKey;
  std::int16_t bgDefault;
};
constexpr ElementKeys kElementKeys[] = {
    {0, nullptr, 0, "CCOL", 12}, {1, nullptr, 0, "FILLBG", 15}, {2, "NFG", 14, "NBG", 0},   {3, "EFG", 14, "EBG", 0},
    {4, "LFG", 14, "LBG", 0},    {5, "MFG", 14, "MBG", 0},      {6, "HFG0", 14, "HBG0", 0}, {7, "HFG1", 14, "HBG1", 0},
    {8, "HFG2", 14, "HBG2", 0},  {9, "HFG3", 14, "HBG3", 0},    {10, "RFG", 14, "RBG", 0},  {11, nullptr, 0, "SCOL", 9},
};

TEST(Color, EveryScreenElementReadsWritesAndListsItsOwnKeys) {
  std::string ini = "[COLOR]\n";
  auto valueOf = [](int entry, bool fg) { return static_cast<std::int16_t>((2 * entry + (fg ? 1 : 0)) % 16); };
  for (const ElementKeys& k : kElementKeys) {
    if (k.fgKey != nullptr) ini += std::string(k.fgKey) + "=" + std::to_string(valueOf(k.entry, true)) + "\n";
    ini += std::string(k.bgKey) + "=" + std::to_string(valueOf(k.entry, false)) + "\n";
  }
  ProgramDir empty, full(ini);
  Config defaults = empty.MakeConfig(), read = full.MakeConfig();
  ReadColorSection(defaults);
  ReadColorSection(read);
  for (ColorEntry& e : read.ColorTable)  // the writer takes what the page left, not what was read
    for (std::int16_t* side : {&e.Fg, &e.Bg})
      if (*side >= 0) *side = static_cast<std::int16_t>((*side + 1) % 16);
  WriteSection(read, SectionId::Color);
  auto written = OpenConfigFile(read);
  const SettingCatalogue catalogue = MakeSettingCatalogue(read);
  for (const ElementKeys& k : kElementKeys) {
    SCOPED_TRACE(k.bgKey);
    const ColorEntry& d = defaults.ColorTable[k.entry];
    const ColorEntry& r = read.ColorTable[k.entry];
    EXPECT_EQ(d.FgEnabled, k.fgKey != nullptr);
    EXPECT_TRUE(d.BgEnabled);
    EXPECT_EQ(d.Fg, k.fgKey != nullptr ? k.fgDefault : -2);
    EXPECT_EQ(d.Bg, k.bgDefault);
    EXPECT_EQ(r.Fg, k.fgKey != nullptr ? (valueOf(k.entry, true) + 1) % 16 : -2);
    EXPECT_EQ(r.Bg, (valueOf(k.entry, false) + 1) % 16);
    if (k.fgKey != nullptr) {
      EXPECT_EQ(written->ReadString("COLOR", k.fgKey, ""), std::to_string(r.Fg));
    }
    EXPECT_EQ(written->ReadString("COLOR", k.bgKey, ""), std::to_string(r.Bg));

    const std::string item = "ColorTable[" + std::to_string(k.entry) + "].";
    const CatalogueEntry* fg = FindSetting(catalogue, item + "Fg");
    const CatalogueEntry* bg = FindSetting(catalogue, item + "Bg");
    ASSERT_TRUE(fg != nullptr && bg != nullptr);
    EXPECT_EQ(fg->readOnly, k.fgKey == nullptr);
    EXPECT_EQ(fg->key, k.fgKey != nullptr ? k.fgKey : "");
    EXPECT_EQ(fg->defaultValue, k.fgKey != nullptr ? std::to_string(k.fgDefault) : "");
    EXPECT_EQ(std::string(bg->section) + " " + bg->key + " " + bg->defaultValue,
              "COLOR " + std::string(k.bgKey) + " " + std::to_string(k.bgDefault));
    EXPECT_FALSE(bg->about.empty());
  }
}

TEST(Color, OldHeaderKeysAndUnusableValues) {
  ProgramDir p("[COLOR]\nHFG=10\nHBG=4\nHBG2=abc\nHFG3=\nNFG=16\nCCOL=-1\nSCOL=15\n");
  Config c = p.MakeConfig();
  ReadColorSection(c);
  EXPECT_EQ(c.ColorTable[6].Fg, 10);
  EXPECT_EQ(c.ColorTable[6].Bg, 4);
  EXPECT_EQ(c.ColorTable[8].Bg, 1);   // present but unusable
  EXPECT_EQ(c.ColorTable[9].Fg, 10);  // present but empty: added
  EXPECT_EQ(c.ColorTable[2].Fg, 14);
  EXPECT_EQ(c.ColorTable[0].Bg, 12);
  EXPECT_EQ(c.ColorTable[11].Bg, 15);
  c.ColorTable[4].Fg = 3;
  WriteSection(c, SectionId::Color);
  auto ini = OpenConfigFile(c);
  std::vector<std::string> keys;
  ini->ReadSection("COLOR", keys);
  EXPECT_EQ(keys, (std::vector<std::string>{"HFG",  "HBG",  "HBG2", "HFG3", "NFG",  "CCOL", "SCOL",  "HFG0",
                                            "HBG0", "HFG1", "HBG1", "HFG2", "HBG3", "LFG",  "LBG",   "NBG",
                                            "MFG",  "MBG",  "EFG",  "EBG",  "RFG",  "RBG",  "FILLBG"}));
  EXPECT_EQ(ini->ReadString("COLOR", "LFG", ""), "3");
  EXPECT_EQ(ini->ReadString("COLOR", "HFG", ""), "10");
}

TEST(Sound, WaveDirectoryGoesInFrontOfBareNames) {
  ProgramDir p(
      "[DIR]\nSD=C:\\RADIO\\WAVE\\\n[SOUND]\nCONNECT=RING.WAV\nRING=C:B.WAV\nLFAIL=D:\\SOUNDS\\A.WAV\n"
      "[EXTRA]\nOLCSOUND=0\nNOSOUND=1\n");
  Config c = p.MakeConfig({.readOnly = true});
  ReadDirSection(c);
  ReadSoundSection(c);
  const auto& w = c.Sound.WaveFiles;
  EXPECT_EQ(w[0], "C:\\RADIO\\WAVE\\STARTUP.WAV");
  EXPECT_EQ(w[1], "C:\\RADIO\\WAVE\\RING.WAV");
  EXPECT_EQ(w[2], "C:\\RADIO\\WAVE\\");
  EXPECT_EQ(w[4], "D:\\SOUNDS\\A.WAV");
  EXPECT_EQ(w[5], "C:B.WAV");
  EXPECT_FALSE(c.Sound.OnlyLastConnectSound);
  EXPECT_TRUE(c.Sound.DisableSound);
  c.Dirs.SetWaveDir("");
  ReadSoundSection(c);
  EXPECT_EQ(w[1], "RING.WAV");
}

}  // namespace
}  // namespace trv

namespace trv {
namespace {

// What OK makes of the loaded records (load all leaves them as read): the cases the demo does
// not show. A read folder that only reading would make (nothing is created when only reading)
// is taken as there, as the load that writes makes it; one that nothing makes stays as read.
TEST(SavedForms, ListedFilesDefaultsAndMissingDirectories) {
  struct Case {
    std::string ini;
    std::vector<std::string> files;
    std::string visual, output, rd, iniBlock, call;
  };
  const std::string tnc = "[DEVICE]\nTNC0=1,248,19200,8,1,1,144.8,  ,DEFDEI,0,0,TNC2.TNC\nTNC1=END OF BLOCK\n";
  const Case cases[] = {
      {"[LANGUAGE]\nVISUAL=eng\nOUTPUT=x\n[STATION]\nCALL=\n[DIR]\nRD=read\\\n" + tnc,
       {"LANGUAGE/deutsch.wlf", "LANGUAGE/english.dll", "LANGUAGE/Deutsch.dll"},
       "ENGLISH.DLL",
       "DEUTSCH.WLF",
       "C:\\read\\",
       "DEFINI",
       "NOCALL"},
      {"[LANGUAGE]\nVISUAL=english\n[DIR]\nRD=read\\\n",
       {"read/x"},
       "DEUTSCH.DLL",
       "DEUTSCH",
       "C:\\read\\",
       "",
       "NOCALL"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    ProgramDir p(c.ini);
    for (const auto& file : c.files) test::WriteFile(p.dir / file, "x");
    Config config = p.MakeConfig({.readOnly = true});
    LoadAll(config);
    ApplySavedForms(config);
    EXPECT_EQ(config.Language.Visual, c.visual);
    EXPECT_EQ(config.Language.Output, c.output);
    EXPECT_EQ(config.Dirs.GetReadDir(), c.rd);
    if (!c.iniBlock.empty()) {
      EXPECT_EQ(config.TncTable[0].IniBlock, c.iniBlock);
    }
    EXPECT_EQ(config.Station.Call, c.call);
    config.Dirs.SetReadDir("elsewhere\\");  // typed after the load: no folder made for it
    ApplySavedForms(config);
    EXPECT_EQ(config.Dirs.GetReadDir(), "elsewhere\\");
  }
}

}  // namespace
}  // namespace trv
