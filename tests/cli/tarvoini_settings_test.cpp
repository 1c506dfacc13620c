// tarvoini's settings by name: get, set, apply, tnc and the dry runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "tarvoini_runner.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::ReadFile;
using test::WriteFile;

// Lacks most keys and the colour keys loading adds: commands that change one setting write one key.
const std::string kFile =
    "; my station\r\n[STATION]\r\nCALL=DL1ABC\r\n[MAILBOX]\r\nTIMEOUT=15\r\n"
    "[DEVICE]\r\nTNC0=1,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n";

class TarvoIniSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(program / "TARVO.INI", kFile);
    WriteFile(program / "DRIVER.TNC" / "TNC2.TNC", "");
  }
  test::Result Run(const std::string& args, const std::string& env = {}) {
    return test::RunTarvoIni(tmp, "--dir '" + program.string() + "' " + args, env);
  }
  std::string Ini() const { return ReadFile(program / "TARVO.INI"); }
  // What the program folder holds, by name in order.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(program)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  // The working folders and files of a case before, so that the next starts without them.
  void RemoveAllButTheDriverFolder() const {
    for (const auto& entry : fs::directory_iterator(program))
      if (entry.path().filename() != "DRIVER.TNC") fs::remove_all(entry.path());
  }

  test::TempDir tmp;
  fs::path program = tmp.path() / "prog";
};

struct SetCase {
  const char* args;
  int status;
  const char* says;  // in the error, or the line the file gets
};

TEST_F(TarvoIniSettings, EachKindOfValueIsCheckedAsTheWindowChecksIt) {
  const SetCase cases[] = {
      {"stationsettings.call dk0abc-15", 0, "CALL=DK0ABC-15"},  // letter case converted, name case ignored
      {"StationSettings.Call ' dk5xy '", 0, "CALL=DK5XY\r\n"},  // the blanks the terminal would drop
      {"StationSettings.Call DK0ABCDEFGHIJ", 2, "at most 12 characters"},
      {"MailboxSettings.Timeout 30min", 0, "TIMEOUT=30"},  // the forms the window shows, other units of time
      {"MailboxSettings.Timeout 30m", 0, "TIMEOUT=30"},
      {"MailboxSettings.Timeout 1800s", 0, "TIMEOUT=30"},
      {"MailboxSettings.Timeout 20", 0, "TIMEOUT=20"},  // a bare number is the file's own
      {"MailboxSettings.Timeout 1801s", 2, "'1801s' is not a multiple of 1min"},
      {"MailboxSettings.Timeout 3min", 2, "'3min' is outside 5min to 60min"},
      {"MailboxSettings.Timeout 30days", 2, "no unit (ms, s, m or min, h) is 'days'"},
      {"ExtraSettings.PollDelay 150ms", 0, "TPRI=3"},
      {"ExtraSettings.PollDelay '200 ms'", 0, "TPRI=4"},
      {"ExtraSettings.PollDelay 120ms", 2, "'120ms' is not a multiple of 50ms"},
      {"ExtraSettings.PollDelay 600ms", 2, "'600ms' is outside 50ms to 500ms"},
      {"ExtraSettings.UtcOffset -2h", 0, "UTC=-7200"},
      {"ExtraSettings.UtcOffset 3600", 0, "UTC=3600"},
      {"ExtraSettings.UtcOffset 7201", 2, "'7201' is not a whole number of h"},
      {"ExtraSettings.UtcOffset 13h", 2, "'13h' is outside the window's list, -12h to 12h"},
      {"MailboxSettings.GarbageAt 03:30", 0, "GARBAT=330"},
      {"MailboxSettings.GarbageAt 370", 2, "'370' is not a time of day from 00:00 to 23:59"},
      {"MailboxSettings.GarbageAt 3:75", 2, "'3:75' is not a time of day"},
      {"'TncTable[0].Port' 'COM 3'", 0, "TNC0=3,"},
      {"'TncTable[0].Port' com3", 0, "TNC0=3,"},
      {"'TncTable[0].HostMode' TNC3S", 0, ",1,TNC2.TNC"},
      {"'ColorTable[2].Fg' 'dark blue'", 0, "NFG=1\r\n"},
      {"'ColorTable[2].Fg' light-gray", 0, "NFG=7\r\n"},
      {"DisplaySettings.SaveRX no", 0, "SAVERX=0"},
      {"DisplaySettings.SaveRX maybe", 2, "is not yes or no"},
      {"TncTable[0].Baud 9600", 0, "TNC0=1,248,9600,"},
      {"'TncTable[0].Baud' '9600 Baud'", 0, "TNC0=1,248,9600,"},
      {"TncTable[0].Baud 9601", 2, "is not one of 1200 Baud, 2400 Baud"},
      {"TncTable[0].Qrg 145,5", 0, ",145.500,"},
      {"TncTable[0].Qrg 144.8004", 2, "'144.8004' has more than three decimals"},
      {"TncTable[0].IniBlock MY,BLOCK", 2, "may not hold a comma"},
      {"TncTable[0].IniBlock 'A]B'", 2, "may not hold a comma or square brackets"},
      {"TncTable[0].IniBlock STATION", 2, "[STATION] holds the program's own settings"},
      {"TncTable[0].DeiBlock beacon2", 2, "[beacon2] holds the program's own settings"},
      {"TncTable[0].DeiBlock Validcall", 2, "[Validcall] holds the program's own settings"},
      {"TncTable[0].IniBlock MyIni", 0, ",MyIni,DEFDEI,"},
      {"TncTable[1].Port 1", 2, "no setting TncTable[1].Port"},
      {"ColorTable[0].FgEnabled yes", 2, "cannot be set"},
      {"ExtraSettings.LoadMailbox no ExtraSettings.LoadBroadcast yes", 2, "LoadBroadcast needs"},
      {"MailboxSettings.BlinkIcon no MailboxSettings.BlinkLed yes", 2,
       "MailboxSettings.BlinkLed needs MailboxSettings.BlinkIcon: reading clears it while that is off"},
      {"StationSettings.Call DK0A StationSettings.Qth x\\ y\\ zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz", 2, "at most 31"},
  };
  for (const SetCase& c : cases) {
    RemoveAllButTheDriverFolder();
    WriteFile(program / "TARVO.INI", kFile);
    const test::Result r = Run(std::string("set ") + c.args);
    EXPECT_EQ(r.status, c.status) << c.args << r.err;
    if (c.status == 0) {
      EXPECT_NE(Ini().find(c.says), std::string::npos) << c.args << "\n" << Ini();
      EXPECT_EQ(ReadFile(program / "TARVO.BAK"), kFile) << c.args;
    } else {
      EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << r.err;
      EXPECT_EQ(Ini(), kFile) << c.args;  // all or nothing: no backup, no working folder either
      EXPECT_EQ(Entries(), (std::vector<std::string>{"DRIVER.TNC", "TARVO.INI"})) << c.args;
    }
  }
  WriteFile(program / "TARVO.INI", kFile);
  ASSERT_EQ(Run("set StationSettings.Qth JO31AB").status, 0);
  std::string expected = kFile;
  expected.insert(expected.find("[MAILBOX]"), "QTH=JO31AB\r\n");  // only the key that changed
  EXPECT_EQ(Ini(), expected);
  EXPECT_EQ(Run("get stationsettings.qth").out, "JO31AB\n");
}

// get prints a value as the window shows it, get --raw as the file holds it; set takes both.
TEST_F(TarvoIniSettings, GetPrintsTheWindowsFormAndRawTheFilesNumber) {
  WriteFile(program / "TARVO.INI", kFile + "[EXTRA]\r\nUTC=5400\r\nTPRI=2\r\n[COLOR]\r\nNFG=1\r\n");
  const struct {
    const char* name;
    const char* shown;
    const char* raw;
    int set;  // the exit status of setting either form again: what the window cannot show is refused
  } cases[] = {
      {"MailboxSettings.Timeout", "15min", "15", 0},
      {"ExtraSettings.PollDelay", "100ms", "2", 0},
      {"ExtraSettings.UtcOffset", "5400", "5400", 2},
      {"MailboxSettings.GarbageAt", "03:00", "300", 0},
      {"TncTable[0].Port", "COM 1", "1", 0},
      {"TncTable[0].Baud", "19200 Baud", "19200", 0},
      {"TncTable[0].HostMode", "WA8DED", "0", 0},
      {"ColorTable[2].Fg", "dark blue", "1", 0},
      {"ColorTable[2].Element", "default output", "default output", 2},
  };
  const std::string before = Ini();
  for (const auto& c : cases) {
    EXPECT_EQ(Run(std::string("get ") + c.name).out, std::string(c.shown) + "\n") << c.name;
    EXPECT_EQ(Run(std::string("get --raw ") + c.name).out, std::string(c.raw) + "\n") << c.name;
    for (const char* value : {c.shown, c.raw}) {
      const test::Result same = Run(std::string("set --dry-run ") + c.name + " '" + value + "'");
      EXPECT_EQ(same.status, c.set) << c.name << " " << value << same.err;
      EXPECT_EQ(same.out, "") << c.name;
    }
  }
  EXPECT_EQ(Ini(), before);
  const test::Result listing = Run("show --raw");
  EXPECT_NE(listing.out.find("  Timeout = 15\n"), std::string::npos) << listing.out;
}

// set writes what OK writes of a value (the wave directory in front of a bare wave file, a
// text the window types in capitals in capitals, a directory as spelt on disk), so a resave
// right after changes nothing; a value the next read would cut is refused.
TEST_F(TarvoIniSettings, ASetValueIsWrittenAsOkWritesItAndNeverCutByTheNextRead) {
  ASSERT_EQ(Run("resave").status, 0);
  const std::string resaved = Ini();
  std::string temp = Run("get Directories.ReadDir").out;  // Z:\...\prog\READ\ and a line break
  temp.resize(temp.size() - 1);
  std::string typed = temp.substr(0, temp.size() - 1);
  for (char& c : typed) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::pair<std::string, std::string> cases[] = {
      {"'SoundSettings.WaveFiles[0]' START.WAV", "STARTUP=" + temp.substr(0, temp.size() - 5) + "WAV\\START.WAV\r\n"},
      {"MailboxSettings.SysMailTo dl1abc", "SYSMTO=DL1ABC\r\n"},
      {"Directories.ReadDir '" + typed + "'", "RD=" + temp + "\r\n"},  // the read folder as on disk
  };
  for (const auto& [args, line] : cases) {
    WriteFile(program / "TARVO.INI", resaved);
    const test::Result set = Run("set " + args);
    ASSERT_EQ(set.status, 0) << args << set.err;
    EXPECT_NE(Ini().find(line), std::string::npos) << args << "\n" << Ini();
    const test::Result again = Run("resave --dry-run");
    EXPECT_EQ(again.status, 0) << args;
    EXPECT_EQ(again.out, "") << args;
  }
  WriteFile(program / "TARVO.INI", resaved);
  const std::string wave = std::string(246, 'A') + ".WAV";  // fits alone, not after the wave directory
  const test::Result cut = Run("set 'SoundSettings.WaveFiles[1]' " + wave);
  EXPECT_EQ(cut.status, 2);
  EXPECT_EQ(cut.err,
            "tarvoini: SoundSettings.WaveFiles[1]: the next read would not take the value as written: cut to 255 "
            "characters\n");
  EXPECT_EQ(Ini(), resaved);
}

TEST_F(TarvoIniSettings, DryRunsShowTheDifferenceAndWriteNothing) {
  const test::Result changed = Run("set --dry-run MailboxSettings.Timeout 30min");
  EXPECT_EQ(changed.status, 1);
  EXPECT_NE(changed.out.find("--- TARVO.INI\n+++ TARVO.INI (new)\n"), std::string::npos) << changed.out;
  EXPECT_NE(changed.out.find("-TIMEOUT=15\r\n+TIMEOUT=30\r\n"), std::string::npos) << changed.out;
  // The difference is made in memory: a dry run writes no file, so one killed at its first
  // write of a file still prints it whole.
  const test::Result unkilled =
      Run("set --dry-run MailboxSettings.Timeout 30min", test::ShimPreload() + " TRV_KILL_AT=write:1");
  EXPECT_EQ(unkilled.status, 1);
  EXPECT_EQ(unkilled.out, changed.out);
  EXPECT_EQ(Run("resave --dry-run").status, 1);
  EXPECT_EQ(Ini(), kFile);
  EXPECT_FALSE(fs::exists(program / "TARVO.BAK"));
  EXPECT_FALSE(fs::exists(program / "MAIL"));  // no working directory made either
  ASSERT_EQ(Run("resave").status, 0);
  const test::Result unchanged = Run("resave --dry-run");
  EXPECT_EQ(unchanged.status, 0);
  EXPECT_EQ(unchanged.out, "");
}

std::string TenTncs() {
  std::string device = "[DEVICE]\r\n";
  for (int i = 0; i < 10; ++i) device += "TNC" + std::to_string(i) + "=1,248,19200,8,1,1,144.800,A,B,0,0,TNC2.TNC\r\n";
  return device + "TNC10=END OF BLOCK\r\n";
}

std::string TncList(int count) {
  std::string list = "{\"TncTable\": [{}";
  for (int i = 1; i < count; ++i) list += ", {}";
  return list + "]}";
}

struct RoundTripCase {
  std::string file;
  // In the show --json output; an edit of a list's start ("\"X\": [") replaces the whole list,
  // one of "*" the whole output.
  std::pair<std::string, std::string> edit;
  int status;
  std::string says;  // the line the file gets, or what the refusal says
  bool driverFile = true;
  std::string options = {};  // of apply, before the file
};

// A setup shown as JSON applies back unchanged, whatever the reader accepted (ten TNCs, closed
// times, a driver file not in the driver folder, a value the window does not offer); what the
// JSON changes is set, lists as a whole, and a changed value is checked as the window checks it.
TEST_F(TarvoIniSettings, ShowJsonFedBackToApplyChangesNothingAndSetsWhatItNames) {
  const std::string closed = "[MAILBOX]\r\nCLOSEDTIME=1-2,2230-0600\r\nGARBAT=370\r\n";
  const RoundTripCase cases[] = {
      {kFile, {}, 0, ""},
      {ReadFile(fs::path(TEST_DATA_DIR) / "ini" / "rich.ini"), {}, 0, ""},
      {TenTncs(), {}, 0, ""},
      {closed, {}, 0, ""},
      {"[DIR]\r\nRD=READ\\\r\n[SOUND]\r\nSTARTUP=WAV\\X.WAV\r\n", {}, 0, ""},  // relative to the program folder
      {kFile, {}, 0, "", false},  // the driver file is not in the driver folder
      {kFile, {"\"DL1ABC\"", "\"DK0NEW\""}, 0, "CALL=DK0NEW\r\n"},
      {closed, {"\"ClosedTimes\": [", "\"ClosedTimes\": []"}, 0, "CLOSEDTIME=\r\n"},
      {closed, {"\"From\": \"22:30\"", "\"From\": \"21:45\""}, 0, "CLOSEDTIME=1-2,2145-0600\r\n"},
      {closed, {"\"From\": \"22:30\"", "\"From\": 2460"}, 2, "ClosedTimes[1].From: '2460' is not a time of day"},
      {closed, {"\"From\": \"22:30\"", "\"From\": \"21:5\""}, 2, "'21:5' is not a time of day"},  // as GarbageAt
      {closed, {"\"GarbageAt\": 370", "\"GarbageAt\": 371"}, 2, "'371' is not a time of day"},
      {"[EXTRA]\r\nUTC=5400\r\n", {}, 0, ""},  // the window shows no form of it: the file's number
      {"[EXTRA]\r\nUTC=5400\r\n", {"\"UtcOffset\": 5400", "\"UtcOffset\": \"2h\""}, 0, "UTC=7200\r\n"},
      {closed,
       {"\"To\": \"06:00\"", "\"To\": \"06:00\", \"Text\": \"x\""},
       2,
       "no setting MailboxSettings.ClosedTimes[1].Text"},
      {kFile, {"\"Baud\": \"19200 Baud\"", "\"Baud\": 9600"}, 0, "TNC0=1,248,9600,", false},
      {kFile, {"TNC2.TNC", "OTHER.TNC"}, 2, "TncTable[0].Driver: no file OTHER.TNC in the driver folder", false},
      {TenTncs(), {"\"Port\": \"COM 1\",", "\"Port\": \"COM 2\","}, 0, "TNC0=2,248,"},
      // Lists built from nothing, and as long as reading takes them.
      {kFile,
       {"*", R"({"MailboxSettings": {"ClosedTimes": [{"From": "22:30", "To": "06:00"}]}})"},
       0,
       "CLOSEDTIME=2230-0600\r\n"},
      {"[MAILBOX]\r\nCLOSEDTIME=2230-0600\r\n",
       {"*",
        R"({"MailboxSettings": {"ClosedTimes": [{"From": "22:30", "To": "06:00"}, {"From": "1200", "To": "1300"}]}})"},
       0,
       "CLOSEDTIME=2230-0600,1200-1300\r\n"},
      {closed,
       {"*", R"({"MailboxSettings": {"ClosedTimes": [{"From": "22:30", "To": "06:00"}]}})"},
       0,
       "CLOSEDTIME=2230-0600\r\n"},
      {kFile, {"*", TncList(10)}, 0, "TNC9=2,248,19200,8,1,1,123.456,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC10=END OF BLOCK"},
      {kFile, {"*", TncList(11)}, 2, "TncTable: 11 TNCs; TARVO.INI holds at most 10"},
      {kFile,
       {"*", R"({"MailboxSettings": {"ClosedTimes": [{"From": "22:30", "To": "25:00"}]}})"},
       2,
       "ClosedTimes[0].To: '25:00' is not a time of day"},  // refused after the read: no folder left made
      // Each value of the type its setting takes.
      {kFile, {"*", "[]"}, 2, "the whole: an object of settings, not a list"},
      {kFile, {"*", R"({"StationSettings": {"Call": 123}})"}, 2, "StationSettings.Call: a text, not a number"},
      {kFile, {"*", R"({"StationSettings": {"Call": null}})"}, 2, "StationSettings.Call: a text, not null"},
      {kFile, {"*", R"({"StationSettings": ["DL1ABC"]})"}, 2, "StationSettings: an object, not a list"},
      {kFile, {"*", R"({"TncTable": {"0": {}}})"}, 2, "TncTable: a list, not an object"},
      {kFile, {"*", R"({"TncTable": [{"Qrg": true}]})"}, 2, "TncTable[0].Qrg: a number or its text, not true or false"},
      {kFile, {"*", R"({"DisplaySettings": {"SaveRX": 0}})"}, 2, "DisplaySettings.SaveRX: true or false, not a number"},
      {kFile, {"*", R"({"DisplaySettings": {"SaveRX": "off"}})"}, 0, "SAVERX=0\r\n"},  // the words set takes
      {kFile, {"*", R"({"MailboxSettings": {"Timeout": "30min"}})"}, 0, "TIMEOUT=30\r\n"},
      {kFile, {"*", R"({"MailboxSettings": {"Timeout": 20}})"}, 0, "TIMEOUT=20\r\n"},
      {kFile, {"*", R"({"Blocks": {"X": "str"}})"}, 2, "Blocks.X: a list of lines, not a text"},
      {kFile, {"*", R"({"Blocks": {"X": [1]}})"}, 2, "Blocks.X[0]: a line (a text), not a number"},
      {kFile, {"*", R"({"Blocks": ["X"]})"}, 2, "Blocks: an object of command blocks, not a list"},
      {kFile, {"*", R"({"Nothing": {}})"}, 2, "no setting Nothing"},
      // The sections a copy carries: the program's own only by name, never with lines.
      {kFile, {"*", R"({"Sections": [{"Name": "NOTES", "Lines": ["WHO=club"]}]})"}, 0, "[NOTES]\r\nWHO=club\r\n"},
      {kFile, {"*", R"({"Sections": [{"Name": "mailbox", "Lines": ["TIMEOUT=1"]}]})"}, 2, "holds the program's own"},
      {kFile, {"*", R"({"Sections": [{"Name": "A]B", "Lines": ["X=1"]}]})"}, 2, "cannot hold [ or ]"},
      {kFile,
       {"*", R"({"Sections": [{"Name": "NOTES", "Lines": "WHO=club"}]})"},
       2,
       "Sections[0].Lines: a list of lines, not a text"},
      // What a command block may be called, in the TNC fields and in Blocks.
      {kFile, {"*", R"({"TncTable": [{"IniBlock": "Station"}]})"}, 2, "[Station] holds the program's own settings"},
      {kFile, {"*", R"({"TncTable": [{"IniBlock": ""}]})"}, 0, "TNC0=1,248,19200,8,1,1,144.800,DEFINI,"},
      {kFile, {"*", R"({"Blocks": {"DEVICE": ["x"]}})"}, 2, "Blocks.DEVICE: [DEVICE] holds the program's own settings"},
      {kFile,
       {"*", R"({"Blocks": {"Device": ["x"]}})"},
       2,
       "Blocks.Device: [Device] holds the program's own settings",
       true,
       "--replace-blocks "},
      {kFile, {"*", R"({"Blocks": {"mailbox": ["x"]}})"}, 2, "[mailbox] holds the program's own settings"},
      {kFile, {"*", R"({"Blocks": {"BEACON7": ["x"]}})"}, 2, "[BEACON7] holds the program's own settings"},
      {kFile, {"*", R"({"Blocks": {"A,B": ["x"]}})"}, 2, "may not hold a comma or square brackets"},
      {kFile, {"*", R"({"Blocks": {"A]B": ["x"]}})"}, 2, "may not hold a comma or square brackets"},
      {kFile, {"*", R"({"Blocks": {" ": ["x"]}})"}, 2, "Blocks. : a command block needs a name"},
      {kFile, {"*", R"({"Blocks": {"MYINI": ["ESC I DL1ABC"]}})"}, 0, "[MYINI]\r\n0=ESC I DL1ABC\r\n"},
  };
  for (const RoundTripCase& c : cases) {
    RemoveAllButTheDriverFolder();
    WriteFile(program / "TARVO.INI", c.file);
    if (c.driverFile)
      WriteFile(program / "DRIVER.TNC" / "TNC2.TNC", "");
    else
      fs::remove(program / "DRIVER.TNC" / "TNC2.TNC");
    const std::string json = (tmp.path() / "settings.json").string();
    std::string shown = Run("show --json").out;
    if (c.edit.first == "*") {
      shown = c.edit.second;
    } else if (!c.edit.first.empty()) {
      ASSERT_NE(shown.find(c.edit.first), std::string::npos) << c.edit.first << "\n" << shown;
      const std::size_t at = shown.find(c.edit.first);
      const std::size_t end = c.edit.first.back() == '[' ? shown.find(']', at) + 1 : at + c.edit.first.size();
      shown.replace(at, end - at, c.edit.second);
    }
    WriteFile(json, shown);
    const test::Result dry = Run("apply --dry-run " + c.options + "'" + json + "'");
    const test::Result r = Run("apply " + c.options + "'" + json + "'");
    EXPECT_EQ(r.status, c.status) << c.says << r.err;
    if (c.edit.first.empty()) {
      EXPECT_EQ(dry.out, "") << c.file;
      EXPECT_EQ(Ini(), c.file);
      EXPECT_FALSE(fs::exists(program / "TARVO.BAK")) << c.file;
    } else if (c.status == 0) {
      EXPECT_NE(Ini().find(c.says), std::string::npos) << c.says << "\n" << Ini();
    } else {
      EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
      EXPECT_EQ(Ini(), c.file);  // a refusal writes nothing at all: no backup, no working folder
      EXPECT_EQ(Entries(), (std::vector<std::string>{"DRIVER.TNC", "TARVO.INI"})) << c.says;
    }
  }
}

// A portable copy places the folders below the other station's folder and writes the command
// blocks the TNCs name; a block held there with other lines is replaced only on request.
TEST_F(TarvoIniSettings, APortableCopyPlacesFoldersBelowTheOtherStationAndWritesItsBlocks) {
  WriteFile(program / "TARVO.INI",
            "[DIR]\r\nRD=LOG\\\r\n[DEVICE]\r\nTNC0=1,248,19200,8,1,1,144.800,MYINI,DEFDEI,0,0,TNC2.TNC\r\n"
            "TNC1=END OF BLOCK\r\n[MYINI]\r\n0=ESC I DL1ABC\r\n1=ESC M N\r\n");
  ASSERT_EQ(Run("resave").status, 0);
  const std::string json = (tmp.path() / "portable.json").string();
  WriteFile(json, Run("show --json --portable").out);
  const fs::path other = tmp.path() / "other";
  WriteFile(other / "DRIVER.TNC" / "TNC2.TNC", "");
  const struct {
    const char* held;  // the target's block
    const char* options;
    int status;
    const char* says;
  } cases[] = {
      {"", "", 0, "[MYINI]\r\n0=ESC I DL1ABC\r\n1=ESC M N\r\n"},
      {"[MYINI]\r\n0=ESC I DL1ABC\r\n1=ESC M N\r\n", "", 0, "[MYINI]\r\n0=ESC I DL1ABC\r\n1=ESC M N\r\n"},
      {"[MYINI]\r\n0=ESC I DK0XX\r\n", "", 2, "the command blocks MYINI exist here with other lines"},
      {"[MYINI]\r\n0=ESC I DK0XX\r\n", "--replace-blocks ", 0, "[MYINI]\r\n0=ESC I DL1ABC\r\n1=ESC M N\r\n"},
  };
  for (const auto& c : cases) {
    const std::string file = std::string("[STATION]\r\nCALL=DK0XX\r\n") + c.held;
    WriteFile(other / "TARVO.INI", file);
    const test::Result r =
        test::RunTarvoIni(tmp, "--dir '" + other.string() + "' apply " + c.options + "'" + json + "'");
    const std::string ini = ReadFile(other / "TARVO.INI");
    ASSERT_EQ(r.status, c.status) << c.options << r.err;
    if (c.status != 0) {
      EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
      EXPECT_EQ(ini, file);
      continue;
    }
    EXPECT_NE(ini.find(c.says), std::string::npos) << ini;
    EXPECT_NE(ini.find("\\other\\LOG\\\r\n"), std::string::npos) << ini;  // RD=LOG\ below the copy's folder
  }
  // Piped into a new folder that --init makes (its parent must be there); a refusal (here: the
  // driver file missing) leaves nothing behind, not even that folder.
  const fs::path fresh = tmp.path() / "fresh";
  const struct {
    std::string dir;
    const char* args;
    bool driver;
    int status;
    const char* says;
  } piped[] = {
      {fresh.string(), "--init apply -", false, 2, "TncTable[0].Driver: no file TNC2.TNC in the driver folder"},
      {(fresh / "below").string(), "--init apply -", false, 2, "no such directory"},
      {fresh.string(), "apply -", false, 2, "no such directory"},
      {fresh.string(), "--init apply -", true, 0, "[MYINI]\r\n0=ESC I DL1ABC\r\n1=ESC M N\r\n"},
      {fresh.string(), "apply --dry-run", true, 0, ""},  // no file named, standard input no terminal
  };
  for (const auto& p : piped) {
    if (p.driver) WriteFile(fresh / "DRIVER.TNC" / "TNC2.TNC", "");
    const test::Result r = test::RunTarvoIni(tmp, "--dir '" + p.dir + "' " + p.args, {}, {}, json);
    EXPECT_EQ(r.status, p.status) << p.args << r.err;
    if (p.status != 0) {
      EXPECT_NE(r.err.find(p.says), std::string::npos) << r.err;
      EXPECT_FALSE(fs::exists(fresh)) << p.args;
    } else {
      EXPECT_NE(ReadFile(fresh / "TARVO.INI").find(p.says), std::string::npos) << ReadFile(fresh / "TARVO.INI");
    }
  }
  // A block name that cannot name a block, read so, is kept; the copy leaves the block out and says so.
  WriteFile(program / "TARVO.INI",
            "[STATION]\r\nCALL=DL1ABC\r\nQTH=JO31AB\r\n[DEVICE]\r\n"
            "TNC0=1,248,19200,8,1,1,144.800,station,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n");
  const test::Result left = Run("show --json --portable");
  EXPECT_EQ(left.status, 0);
  EXPECT_EQ(left.err,
            "tarvoini: TncTable[0]: the block is left out of the copy: [station] holds the program's own settings "
            "and cannot be a command block\n");
  EXPECT_EQ(left.out.find("\"station\": ["), std::string::npos) << left.out;
  EXPECT_EQ(Run("set StationSettings.Qth JO31AC").status, 0);
  EXPECT_NE(Ini().find(",station,DEFDEI,"), std::string::npos) << Ini();
}

// A station copied into a folder without TARVO.INI, as the README's recipe does it, whole and
// as only what differs from the defaults: the same settings apart from the folders, the same
// sections in the same order, and no finding of check that the source does not have.
TEST_F(TarvoIniSettings, AStationCopiesWholeIntoAFreshFolder) {
  // The folders and wave files are placed below each station's own folder.
  const auto WithoutPaths = [](const std::string& shown) {
    std::string kept;
    for (std::size_t at = 0, end; at < shown.size(); at = end + 1) {
      end = shown.find('\n', at);
      const std::string line = shown.substr(at, end - at);
      if (line.find('\\') == std::string::npos) kept += line + "\n";
    }
    return kept;
  };
  const auto headers = [](const std::string& ini) {
    std::vector<std::string> names;
    for (std::size_t at = ini.find('['); at != std::string::npos; at = ini.find('[', at + 1))
      if (at == 0 || ini[at - 1] == '\n') names.push_back(ini.substr(at, ini.find(']', at) - at + 1));
    return names;
  };
  const auto findings = [](const std::string& check) {  // without the line numbers
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; at < check.size(); at = end + 1) {
      end = check.find('\n', at);
      const std::string line = check.substr(at, end - at);
      const std::size_t colon = line.find(": ");
      lines.push_back(colon == std::string::npos ? line : line.substr(colon));
    }
    return lines;
  };
  for (const char* fixture : {"rich.ini", "ten-tncs.ini", "relative-folders.ini"})
    for (const char* form : {"--portable", "--portable --changed"}) {
      const std::string at = std::string(fixture) + " " + form;
      const fs::path a = tmp.path() / "a", b = tmp.path() / "b", json = tmp.path() / "station.json";
      fs::remove_all(a);
      fs::remove_all(b);
      WriteFile(a / "TARVO.INI", ReadFile(fs::path(TEST_DATA_DIR) / "ini" / fixture));
      for (const fs::path& dir : {a, b})  // driver and language files are not copied
        for (const char* file :
             {"DRIVER.TNC/TNC2.TNC", "DRIVER.TNC/KISS.TNC", "LANGUAGE/DEUTSCH.DLL", "LANGUAGE/DEUTSCH.WLF"})
          WriteFile(dir / file, "");
      const auto run = [&](const fs::path& dir, const std::string& args) {
        return test::RunTarvoIni(tmp, "--dir '" + dir.string() + "' " + args);
      };
      ASSERT_EQ(run(a, "resave").status, 0) << at;
      WriteFile(json, run(a, std::string("show --json ") + form).out);
      const test::Result applied = test::RunTarvoIni(tmp, "--dir '" + b.string() + "' --init apply -", {}, {}, json);
      ASSERT_EQ(applied.status, 0) << at << applied.err;
      EXPECT_EQ(WithoutPaths(run(b, "show").out), WithoutPaths(run(a, "show").out)) << at;
      EXPECT_EQ(headers(ReadFile(b / "TARVO.INI")), headers(ReadFile(a / "TARVO.INI"))) << at;
      const std::vector<std::string> inA = findings(run(a, "check").out);
      for (const std::string& found : findings(run(b, "check").out))
        EXPECT_NE(std::find(inA.begin(), inA.end(), found), inA.end()) << at << ": " << found;
    }
}

TEST_F(TarvoIniSettings, TncAddAndDelAsTheTncPageDoes) {
  ASSERT_EQ(Run("tnc add").status, 0);
  EXPECT_NE(Ini().find("TNC1=2,248,19200,8,1,1,123.456,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC2=END OF BLOCK"),
            std::string::npos)
      << Ini();
  EXPECT_EQ(Run("tnc del 2").status, 2);
  ASSERT_EQ(Run("tnc del 0").status, 0);
  EXPECT_NE(Ini().find("TNC0=2,248,19200"), std::string::npos);
  for (int i = 0; i < 8; ++i) Run("tnc add");
  const test::Result full = Run("tnc add");
  EXPECT_EQ(full.status, 2);
  EXPECT_NE(full.err.find("The maximum number of TNCs are already added!"), std::string::npos);
}

// KISS.TNC is not in the driver folder just now: reading takes TNC2.TNC, but a command that
// changes one field writes that field alone and the other lines byte for byte.
TEST_F(TarvoIniSettings, ACommandOnOneTncWritesOnlyWhatItChanges) {
  const std::string device =
      "[DEVICE]\r\nTNC0=1,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,KISS.TNC\r\n"
      "TNC1=2,248,19200,8,1,1,144.8,DEFINI,DEFDEI,0,1,KISS.TNC\r\n"
      "TNC2=3,200,9600,4,0,0,145.000,A,B\r\nTNC3=END OF BLOCK\r\n";
  const std::pair<const char*, const char*> cases[] = {
      {"set TncTable[0].Baud 9600",
       "TNC0=1,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,KISS.TNC\r\n"
       "TNC1=2,248,19200,8,1,1,144.8,DEFINI,DEFDEI,0,1,KISS.TNC\r\nTNC2=3,200,9600,4,0,0,145.000,A,B\r\n"},
      {"set TncTable[2].Baud 4800",  // the fields the line leaves out stay out
       "TNC0=1,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,KISS.TNC\r\n"
       "TNC1=2,248,19200,8,1,1,144.8,DEFINI,DEFDEI,0,1,KISS.TNC\r\nTNC2=3,200,4800,4,0,0,145.000,A,B\r\n"},
      {"set TncTable[2].HostMode 1", "TNC2=3,200,9600,4,0,0,145.000,A,B,0,1\r\n"},
      {"tnc del 0",
       "TNC0=2,248,19200,8,1,1,144.8,DEFINI,DEFDEI,0,1,KISS.TNC\r\nTNC1=3,200,9600,4,0,0,145.000,A,B\r\n"
       "TNC2=END OF BLOCK\r\n"},
  };
  for (const auto& [args, lines] : cases) {
    WriteFile(program / "TARVO.INI", device);
    ASSERT_EQ(Run(args).status, 0) << args;
    EXPECT_NE(Ini().find(lines), std::string::npos) << args << "\n" << Ini();
  }
}

// Completion offers the verbs, files after ini VERB, then the file's sections and keys; names
// where a name is due and, after set NAME, what NAME takes, never the names again.
TEST_F(TarvoIniSettings, BashCompletesVerbsFilesNamesAndValues) {
  const std::string dir = "tarvoini --dir '" + program.string() + "' ", ini = (program / "TARVO.INI").string();
  const std::pair<std::string, std::string> cases[] = {
      {"tarvoini re", "resave\nrestore\n"},
      {"tarvoini po", "ports\n"},
      {dir + "ports ''", "map\nunmap\n"},
      {dir + "show --json --", "--raw\n--portable\n--changed\n"},
      {dir + "show --raw --", "--json\n"},
      {dir + "get --raw MailboxSettings.Ti", "MailboxSettings.Timeout\n"},
      {dir + "ports unmap COM3", "COM3\n"},
      {dir + "set TncTable[0].P", "TncTable[0].Port\nTncTable[0].PacLen\n"},
      {dir + "set ColorTable[0].", "ColorTable[0].Bg\n"},  // read-only settings cannot be set
      {dir + "get ColorTable[0].B", "ColorTable[0].BgEnabled\nColorTable[0].Bg\n"},
      {dir + "set DisplaySettings.SaveRX ''", "yes\nno\n"},
      {dir + "set --dry-run TncTable[0].Baud 1", "1200\\ Baud\n19200\\ Baud\n115200\\ Baud\n"},
      {dir + "set ColorTable[2].Fg y", "yellow\n"},           // the names get prints
      {dir + "set StationSettings.Call D", "DL1ABC\n"},       // the value now, not the names
      {dir + "set TncTable[0].Port 'COM\\ 1'", "COM\\ 1\n"},  // the word as the shell gives it
      {dir + "set StationSettings.Call DL1ABC MailboxSettings.Ti", "MailboxSettings.Timeout\n"},
      {"tarvoini ini get '" + ini.substr(0, ini.size() - 5) + "'", ini + "\n"},
      {"tarvoini ini del '" + ini + "' ''", "STATION\nMAILBOX\nDEVICE\n"},
      {"tarvoini ini get '" + ini + "' station ''", "CALL\n"},
  };
  for (const auto& [line, expected] : cases) {
    const std::string script = "PATH='" + fs::path(TARVOINI_PATH).parent_path().string() + "':$PATH; source '" +
                               COMPLETION_PATH + "'; eval \"COMP_WORDS=(" + line +
                               ")\"; COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); " +
                               "_tarvoini; printf '%s\\n' \"${COMPREPLY[@]}\" > '" + (tmp / "reply.txt") + "'";
    WriteFile(tmp / "complete.sh", script);
    ASSERT_EQ(std::system(("bash '" + (tmp / "complete.sh") + "'").c_str()), 0) << line;
    EXPECT_EQ(ReadFile(tmp / "reply.txt"), expected) << line;
  }
}

}  // namespace
}  // namespace trv
