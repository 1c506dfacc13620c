#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "tarvoini_runner.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::ReadFile;
using test::WriteFile;

using test::Result;

// Every file and directory below `dir`.
std::vector<std::string> TreeOf(const fs::path& dir) {
  std::vector<std::string> all;
  for (const auto& e : fs::recursive_directory_iterator(dir)) all.push_back(e.path().string());
  std::sort(all.begin(), all.end());
  return all;
}

class TarvoIniTest : public ::testing::Test {
 protected:
  Result Run(const std::string& args) { return test::RunTarvoIni(tmp, args); }
  std::string Dir() const { return "'" + program.string() + "'"; }
  std::string Ini() const { return ReadFile((program / "TARVO.INI").string()); }
  void SetIni(const std::string& bytes) const { WriteFile((program / "TARVO.INI").string(), bytes); }
  // Every file and directory below the program directory.
  std::vector<std::string> Tree() const { return TreeOf(program); }

  test::TempDir tmp;
  fs::path program = tmp.path() / "prog";
};

const std::string kRich =
    "[STATION]\r\nCALL=dl1abc\r\nQTH=JN58td\r\n"
    "[DEVICE]\r\nTNC0=316,128,9600,4,1,0,438.125,MYINI,MYDEI,1,1,kiss.tnc\r\nTNC1=3,250,9600,8,1,1,144.8,DEFINI,"
    "DEFDEI\r\n"
    "TNC2=3,256,9600,8,1,1,144.8,A,B\r\nTNC3=\r\nTNC4=1,128,1200,2,1,1,1,I,D\r\n"
    "[MYINI]\r\n0=ESC I DL1ABC\r\n[BEACON1]\r\nX=1\r\n"
    "[EXTRA]\r\nTPRI=11\r\nLBROAD=1\r\nBOX=0\r\nNODECALL=db0\xE4xx\r\nSUPBIN=0\r\n"
    "[MAILBOX]\r\nCLOSEDTIME=2230-0600,12:00-13:00,0800-0900\r\n"
    "[COLOR]\r\nHFG0=1\r\nHBG0=2\r\nHFG1=3\r\nHBG1=4\r\nHFG2=5\r\nHBG2=6\r\nHFG3=7\r\nHBG3=8\r\n"
    "[SOUND]\r\nRING=RING.WAV\r\n";

TEST_F(TarvoIniTest, HelpVersionAndUsageErrors) {
  const Result help = Run("--help");
  EXPECT_EQ(help.status, 0);
  for (const char* verb :
       {"show", "check", "--file", "resave", "restore", "TARVO.BAK", "ini get", "ini set", "ini del", "ini sections",
        "ini keys", "--init", "~/.config/trvcfg/folder", "ports map", "unmap COMn", "names NAME"})
    EXPECT_NE(help.out.find(verb), std::string::npos) << verb;
  EXPECT_EQ(Run("--version").status, 0);
  for (const char* bad : {"", "frobnicate", "show --xml", "--dir", "--init", "--init frobnicate", "ini",
                          "ini get onlyfile", "ini nope f", "ports map COM3", "ports unmap"}) {
    const Result r = Run(bad);
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_NE(r.err.find("--help"), std::string::npos) << bad;
  }
  EXPECT_EQ(Run("--dir /nonexistent/dir show").status, 2);
}

TEST_F(TarvoIniTest, ShowJsonOfAnEmptyDirectoryGivesEveryDefaultWithInit) {
  fs::create_directories(program);
  const Result refused = Run("--dir " + Dir() + " show --json");
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err,
            "tarvoini: no TARVO.INI in " + program.string() + "; --init starts a new station folder there\n");
  EXPECT_EQ(refused.out, "");
  const Result r = Run("--dir " + Dir() + " --init show --json");
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* member : {"\"StationSettings\": {",
                             "\"Call\": \"NOCALL\"",
                             "\"Qth\": \"JN59IL\"",
                             "\"Directories\": {",
                             "\"TempDir\": ",
                             "\"DisplaySettings\": {",
                             "\"MaxRXLines\": 100",
                             "\"LanguageSettings\": {",
                             "\"Visual\": \"DEUTSCH.DLL\"",
                             "\"ColorTable\": [",
                             "\"FgEnabled\": false",
                             "\"Fg\": -2",
                             "\"SoundSettings\": {",
                             "\"WaveFiles\": [",
                             "\"OnlyLastConnectSound\": true",
                             "\"ExtraSettings\": {",
                             "\"SuppressBin\": true",
                             "\"UtcOffset\": \"-1h\"",
                             "\"MailboxSettings\": {",
                             "\"FHeaderText\": \"[NOCALL NONAMECITY]\"",
                             "\"ClosedTimes\": []",
                             "\"TncTable\": []",
                             "\"UserSections\": []"})
    EXPECT_NE(r.out.find(member), std::string::npos) << member << "\n" << r.out;
  EXPECT_EQ(r.out.front(), '{');
  EXPECT_EQ(r.out.substr(r.out.size() - 2), "}\n");
  EXPECT_FALSE(fs::exists(program / "TARVO.INI"));
  EXPECT_TRUE(fs::is_empty(program));  // no directory was created
}

// Which folder a command works on: --dir, else the current folder or the nearest one above it
// that holds TARVO.INI, else the folder the window remembers in its folder file; a folder not
// named by --dir is said on stderr by the commands that write. A folder without TARVO.INI is
// refused, and nothing is made in any folder, unless --init asks for a new station folder.
TEST_F(TarvoIniTest, TheFolderIsTheOptionThenTheCurrentOneThenTheRememberedOne) {
  struct Case {
    const char* where;       // the current folder
    const char* options;     // {name} stands for the folder's path
    const char* remembered;  // the folder the folder file names; empty: no file
    const char* command;
    int status;
    const char* out;
    std::vector<std::string> err;  // parts of the message, {name} as above; none: stderr is empty
    const char* created;           // the folder that gets TARVO.INI; none else changes
  };
  const std::string kGet = "get StationSettings.Call", kSet = "set StationSettings.Call DL1NEW";
  const std::string kNoIni = "no TARVO.INI in ";
  const std::vector<Case> cases = {
      {"station", "", "Funkstation Müller", kGet.c_str(), 0, "DL1CUR\n", {}, ""},
      {"empty", "", "Funkstation Müller", kGet.c_str(), 0, "DL1MEM\n", {}, ""},
      {"empty", "--dir {other}", "Funkstation Müller", kGet.c_str(), 0, "DL1DIR\n", {}, ""},
      {"station", "--dir {empty}", "", kGet.c_str(), 2, "", {kNoIni + "{empty}; --init starts"}, ""},
      {"empty",
       "",
       "",
       kGet.c_str(),
       2,
       "",
       {"the current folder {empty}, nor above it, and no folder remembered"},
       ""},
      {"empty", "", "", "show", 2, "", {"current folder {empty}"}, ""},
      {"empty", "", "", "check", 2, "", {"current folder {empty}"}, ""},
      {"empty", "", "", kSet.c_str(), 2, "", {"current folder {empty}"}, ""},
      {"empty", "", "", "tnc add", 2, "", {"current folder {empty}"}, ""},
      {"empty", "", "void", kSet.c_str(), 2, "", {kNoIni + "{void} (the folder remembered in ", "--init"}, ""},
      {"empty", "", "gone", kGet.c_str(), 2, "", {"no such directory: {gone} (the folder remembered in "}, ""},
      {"empty", "--init", "Funkstation Müller", kGet.c_str(), 0, "NOCALL\n", {}, ""},
      {"empty", "--init", "", "check", 1, "", {}, ""},
      {"empty", "--dir {void} --init", "", "show", 0, "[StationSettings]\n  Call = NOCALL\n", {}, ""},
      {"empty", "--init", "", kSet.c_str(), 0, "", {"tarvoini: station {empty} (the current folder)\n"}, "empty"},
      {"station/MAIL",
       "--init",
       "",
       kSet.c_str(),
       0,
       "",
       {"station {station/MAIL} (the current folder)"},
       "station/MAIL"},
      {"station/MAIL", "", "Funkstation Müller", kGet.c_str(), 0, "DL1CUR\n", {}, ""},
      {"station/MAIL", "--verbose", "", kGet.c_str(), 0, "DL1CUR\n", {"station {station} (found above the"}, ""},
      {"station/MAIL",
       "",
       "Funkstation Müller",
       kSet.c_str(),
       0,
       "",
       {"station {station} (found above the"},
       "station"},
      {"station/MAIL", "--quiet", "", kSet.c_str(), 0, "", {}, "station"},
      {"station", "", "", kSet.c_str(), 0, "", {"station {station} (the current folder)"}, "station"},
      {"empty",
       "",
       "Funkstation Müller",
       kSet.c_str(),
       0,
       "",
       {"station {Funkstation Müller} (remembered by trvcfg)"},
       "Funkstation Müller"},
      {"empty", "", "Funkstation Müller", "resave --dry-run", 1, "", {"(remembered by trvcfg)"}, ""},
      {"station", "--init --dir {void}", "", kSet.c_str(), 0, "", {}, "void"},
      {"empty", "", "", "restore", 1, "", {"no TARVO.BAK"}, ""},
      {"station", "", "", "check", 1, "", {}, ""},
      {"station", "", "", "names", 0, "", {}, ""},
  };
  const std::vector<std::string> folders = {"station", "station/MAIL", "empty", "other", "void", "Funkstation Müller"};
  for (const Case& c : cases) {
    const test::TempDir root;
    const auto path = [&](const std::string& name) { return root / name; };
    const auto expand = [&](std::string text) {
      for (std::size_t at; (at = text.find('{')) != std::string::npos;) {
        const std::size_t end = text.find('}', at);
        text.replace(at, end + 1 - at, path(text.substr(at + 1, end - at - 1)));
      }
      return text;
    };
    for (const std::string& name : folders) fs::create_directories(path(name));
    WriteFile(path("station") + "/TARVO.INI", "[STATION]\r\nCALL=DL1CUR\r\n");
    WriteFile(path("other") + "/tarvo.ini", "[STATION]\r\nCALL=DL1DIR\r\n");
    WriteFile(path("Funkstation Müller") + "/TARVO.INI", "[STATION]\r\nCALL=DL1MEM\r\n");
    if (*c.remembered != '\0')
      WriteFile(tmp / "home/.config/trvcfg/folder", path(c.remembered) + "\n");
    else
      fs::remove(tmp / "home/.config/trvcfg/folder");
    std::map<std::string, std::vector<std::string>> before;
    for (const std::string& name : folders) before[name] = TreeOf(path(name));

    const std::string what = std::string(c.where) + ": " + c.options + " " + c.command + " (" + c.remembered + ")";
    const Result r = test::RunTarvoIni(tmp, expand(c.options) + " " + c.command, {}, path(c.where));
    EXPECT_EQ(r.status, c.status) << what << "\n" << r.err;
    EXPECT_EQ(c.status == 2 ? r.out : r.out.substr(0, std::string(c.out).size()), c.out) << what;
    for (const std::string& part : c.err)
      EXPECT_NE(r.err.find(expand(part)), std::string::npos) << what << "\n" << r.err;
    if (c.err.empty()) {
      EXPECT_EQ(r.err, "") << what;
    }
    const std::string created = c.created;
    for (const std::string& name : folders) {
      // A folder that holds the changed one, or is one of its working folders (station/MAIL).
      if (created.starts_with(name + "/") || (!created.empty() && name.starts_with(created + "/"))) continue;
      if (name == c.created)
        EXPECT_NE(ReadFile(path(name) + "/TARVO.INI").find("CALL=DL1NEW"), std::string::npos) << what;
      else
        EXPECT_EQ(TreeOf(path(name)), before[name]) << what << ": " << name;
    }
  }
}

// The folder file of $XDG_CONFIG_HOME when that names a full path; else of ~/.config.
TEST_F(TarvoIniTest, TheRememberedFolderIsReadFromXdgConfigHome) {
  SetIni("[STATION]\r\nCALL=DL1XDG\r\n");
  WriteFile(tmp / "xdg/trvcfg/folder", program.string() + "\n");
  const std::string get = "get StationSettings.Call";
  EXPECT_EQ(test::RunTarvoIni(tmp, get, "XDG_CONFIG_HOME='" + (tmp / "xdg") + "'", tmp.path()).out, "DL1XDG\n");
  EXPECT_EQ(test::RunTarvoIni(tmp, get, "XDG_CONFIG_HOME=xdg", tmp.path()).status, 2);
}

// The verbs that read print the values as reading made them; check names what OK and resave
// write differently; resave and set write that form, and nothing more.
TEST_F(TarvoIniTest, ValuesAreShownAsReadAndWrittenAsOkWritesThem) {
  const struct {
    const char* ini;
    const char* command;
    const char* printed;  // part of what the command prints
    const char* written;  // part of TARVO.INI after it ("" when it writes nothing)
  } cases[] = {
      {"[LANGUAGE]\r\nVISUAL=\r\n", "get LanguageSettings.Visual", "\n", ""},
      {"[MAILBOX]\r\nDEFBOARD=#bay.deu.eu\r\n", "get MailboxSettings.DefaultBoard", "#bay.deu\n", ""},
      {"[STATION]\r\nCALL=\r\n", "check", "[STATION] CALL: OK and resave write 'NOCALL'", ""},
      {"[STATION]\r\nCALL=\r\n", "resave", "", "\r\nCALL=NOCALL\r\n"},
      {"[MAILBOX]\r\nBOXCALL=\r\n", "resave", "", "\r\nBOXCALL=\r\n"},
      {"[DIR]\r\nWD=MAIL\\\r\n", "resave", "", "\r\nWD=MAIL\\\r\n"},
      {"[STATION]\r\nCALL=DL1ABC\r\n", "set StationSettings.Call ' dk5xy '", "", "\r\nCALL=DK5XY\r\n"},
  };
  for (const auto& c : cases) {
    SetIni(c.ini);
    const Result r = Run("--dir " + Dir() + " " + c.command);
    EXPECT_NE(r.out.find(c.printed), std::string::npos) << c.command << "\n" << r.out << r.err;
    EXPECT_NE(Ini().find(*c.written != 0 ? c.written : c.ini), std::string::npos) << c.command << "\n" << Ini();
  }
}

TEST_F(TarvoIniTest, ShowOfARichFileChangesNothing) {
  SetIni(kRich);
  WriteFile((program / "DRIVER.TNC" / "KISS.TNC").string(), "");
  const auto tree = Tree();
  const Result json = Run("--dir " + Dir() + " show --json");
  ASSERT_EQ(json.status, 0) << json.err;
  for (const char* member :
       {"\"Call\": \"DL1ABC\"", "\"Port\": \"SIRQ 3C DRSI\"", "\"Qrg\": 438.125", "\"Driver\": \"KISS.TNC\"",
        "\"Baud\": \"57600 Baud\"", "\"PacLen\": 248", "\"NodeCall\": \"DB0\xC3\xA4XX\"", "\"SuppressBin\": false",
        "\"LoadBroadcast\": false", "\"PollDelay\": \"100ms\"",
        "{\n        \"From\": \"22:30\",\n        \"To\": \"06:00\"\n      }", "\"Element\": \"cursor\"",
        "\"Fg\": \"light grey\"", "\"UserSections\": [\n    \"MYINI\"\n  ]", "RING.WAV\""})
    EXPECT_NE(json.out.find(member), std::string::npos) << member << "\n" << json.out;
  const Result text = Run("--dir " + Dir() + " show");
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("[StationSettings]\n  Call = DL1ABC\n"), std::string::npos) << text.out;
  EXPECT_EQ(Ini(), kRich);
  EXPECT_EQ(Tree(), tree);
}

TEST_F(TarvoIniTest, CheckListsEveryDroppedOrReplacedValueWithItsLine) {
  SetIni(kRich);
  const Result r = Run("--dir " + Dir() + " check");
  EXPECT_EQ(r.status, 1);
  for (const char* finding : {"TARVO.INI:6: [DEVICE] TNC1: packet length 250 is read as 248",
                              "TARVO.INI:5: [DEVICE] TNC0: baud rate 9600 is read as 57600",
                              "TARVO.INI:5: [DEVICE] TNC0: driver file 'kiss.tnc' not found",
                              "TARVO.INI:7: [DEVICE] TNC2: line rejected: packet length '256'",
                              "TARVO.INI:9: [DEVICE] TNC4: not read: the reading ended at TNC3",
                              "TARVO.INI:15: [EXTRA] TPRI: 11 is outside 1 to 10; 2 is used",
                              "TARVO.INI:16: [EXTRA] LBROAD: turned off because BOX is off",
                              "TARVO.INI:21: [MAILBOX] CLOSEDTIME: item '12:00-13:00' skipped"})
    EXPECT_NE(r.out.find(finding), std::string::npos) << finding << "\n" << r.out;
  EXPECT_EQ(r.out.find("HFG0"), std::string::npos);  // present per-port keys are no finding

  SetIni("[COLOR]\nHFG=3\nHFG0=\n[STATION]\nCALL=" + std::string(14, 'X') + "\n[MYINI]\n0=a\n7=\nSEND=b\n");
  const Result colors = Run("--dir " + Dir() + " check");
  for (const char* finding :
       {"TARVO.INI:6: [MYINI]: the block editor cannot show the whole block (keys that are "
        "not line numbers: 1; empty lines: 1)",
        "TARVO.INI:1: [COLOR] HBG3: missing; reading adds HBG3=0",
        "TARVO.INI:3: [COLOR] HFG0: empty; reading adds HFG0=3", "TARVO.INI:5: [STATION] CALL: cut to 12 characters"})
    EXPECT_NE(colors.out.find(finding), std::string::npos) << finding << "\n" << colors.out;
  SetIni("[STATION]\nCALL=X\n");
  EXPECT_NE(Run("--dir " + Dir() + " check").out.find("TARVO.INI:0: [COLOR] HBG3: missing"), std::string::npos);
  SetIni("[STATION]\nCALL=\nQTH=jo31ab\n[DEVICE]\nTNC0=1,248,9600,8,1,1,144.8,A,B\nTNC1=END OF BLOCK\n");
  const Result rewritten = Run("--dir " + Dir() + " check");  // values OK writes otherwise, with the new value
  for (const char* finding : {"TARVO.INI:2: [STATION] CALL: OK and resave write 'NOCALL'",
                              "TARVO.INI:3: [STATION] QTH: OK and resave write 'JO31AB'",
                              "TARVO.INI:5: [DEVICE] TNC0: OK and resave write '1,248,9600,8,1,1,144.800,A,B,0,0,"})
    EXPECT_NE(rewritten.out.find(finding), std::string::npos) << finding << "\n" << rewritten.out;
}

TEST_F(TarvoIniTest, CheckOfACleanFileSaysNothing) {
  fs::create_directories(program);
  ASSERT_EQ(Run("--dir " + Dir() + " --init resave").status, 0);
  const Result r = Run("--dir " + Dir() + " check");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
}

TEST_F(TarvoIniTest, ResaveBringsTheFileUpToDateAndKeepsForeignLines) {
  SetIni("; mine\r\n" + kRich + "[FOREIGN]\r\n  odd = spacing  \r\nno equals here\r\n");
  const Result r = Run("--dir " + Dir() + " resave");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string ini = Ini();
  EXPECT_EQ(ini.substr(0, 8), "; mine\r\n");
  EXPECT_NE(ini.find("[FOREIGN]\r\n  odd = spacing  \r\nno equals here\r\n"), std::string::npos);
  EXPECT_NE(ini.find("TNC0=316,128,57600,4,1,0,438.125,MYINI,MYDEI,1,1,TNC2.TNC\r\nTNC1=3,248,9600,8,1,1,144.800,"
                     "DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC2=END OF BLOCK\r\n"),
            std::string::npos)
      << ini;
  EXPECT_NE(ini.find("CLOSEDTIME=2230-0600,0800-0900\r\n"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(program / "MAIL" / "FBB"));
  const Result before = Run("--dir " + Dir() + " show --json");
  ASSERT_EQ(Run("--dir " + Dir() + " resave").status, 0);
  EXPECT_EQ(Ini(), ini);  // values read back the same
  EXPECT_EQ(Run("--dir " + Dir() + " show --json").out, before.out);
}

// Relative folders stay relative, so the installation can move; only the read folder, which
// the Directory page shows first through its folder tree, becomes a full path.
TEST_F(TarvoIniTest, ResaveKeepsRelativeFoldersButTheReadFolder) {
  for (const char* folder : {"READ", "MAIL", "wav"}) fs::create_directories(program / folder);
  SetIni("[DIR]\r\nRD=READ\\\r\nWD=MAIL\\\r\nSD=wav\\\r\n[SOUND]\r\nCONNECT=RING.WAV\r\n");
  ASSERT_EQ(Run("--dir " + Dir() + " resave").status, 0);
  const std::string ini = Ini();
  for (const char* line : {"\r\nWD=MAIL\\\r\n", "\r\nSD=wav\\\r\n", "\r\nCONNECT=wav\\RING.WAV\r\n", "\r\nRD=Z:\\"})
    EXPECT_NE(ini.find(line), std::string::npos) << line << "\n" << ini;
  EXPECT_NE(ini.find("\\prog\\READ\\\r\n"), std::string::npos) << ini;
}

TEST_F(TarvoIniTest, ResaveOfAnUnwritableFileFails) {
  SetIni(std::string("\xFF\xFE[\0X\0]\0", 8));
  const Result r = Run("--dir " + Dir() + " resave");
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("kann nicht geschrieben werden"), std::string::npos);
  EXPECT_EQ(Ini(), std::string("\xFF\xFE[\0X\0]\0", 8));
}

TEST_F(TarvoIniTest, IniVerbs) {
  const std::string file = "'" + (tmp.path() / "any.ini").string() + "'";
  EXPECT_EQ(Run("ini get " + file + " S K").status, 1);
  EXPECT_EQ(Run("ini get " + file + " S K fallback").out, "fallback\n");
  EXPECT_EQ(Run("ini set " + file + " S K 'two words'").status, 0);
  EXPECT_EQ(Run("ini set " + file + " S Other 1").status, 0);
  EXPECT_EQ(Run("ini set " + file + " T X 2").status, 0);
  EXPECT_EQ(ReadFile(tmp / "any.ini"), "[S]\r\nK=two words\r\nOther=1\r\n[T]\r\nX=2\r\n");
  EXPECT_EQ(Run("ini get " + file + " s k").out, "two words\n");
  EXPECT_EQ(Run("ini sections " + file).out, "S\nT\n");
  EXPECT_EQ(Run("ini keys " + file + " S").out, "K\nOther\n");
  EXPECT_EQ(Run("ini keys " + file + " NONE").status, 1);
  EXPECT_EQ(Run("ini del " + file + " S K").status, 0);
  EXPECT_EQ(Run("ini del " + file + " S K").status, 1);
  EXPECT_EQ(Run("ini del " + file + " T").status, 0);
  EXPECT_EQ(ReadFile(tmp / "any.ini"), "[S]\r\nOther=1\r\n");
  const Result bad = Run("ini set " + file + " S K \"$(printf 'a\\nb')\"");
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(Run("ini set " + (tmp / "missing/dir/x.ini") + " S K 1").status, 3);
  EXPECT_EQ(ReadFile(tmp / "any.ini"), "[S]\r\nOther=1\r\n");
}

TEST_F(TarvoIniTest, ResaveKeepsTheBackupThatRestorePutsBack) {
  SetIni(kRich);
  const fs::path bak = program / "TARVO.BAK";
  ASSERT_EQ(Run("--dir " + Dir() + " resave").status, 0);
  const std::string resaved = Ini();
  EXPECT_EQ(ReadFile(bak.string()), kRich);
  ASSERT_EQ(Run("--dir " + Dir() + " resave").status, 0);  // changes nothing: the backup stays
  EXPECT_EQ(ReadFile(bak.string()), kRich);

  Result r = Run("--dir " + Dir() + " restore");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Ini(), kRich);
  EXPECT_EQ(ReadFile(bak.string()), resaved);
  ASSERT_EQ(Run("--dir " + Dir() + " restore").status, 0);  // twice is a round trip
  EXPECT_EQ(Ini(), resaved);
  EXPECT_EQ(ReadFile(bak.string()), kRich);

  fs::remove(bak);
  r = Run("--dir " + Dir() + " restore");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("no TARVO.BAK"), std::string::npos) << r.err;
  EXPECT_EQ(Ini(), resaved);
}

TEST_F(TarvoIniTest, CheckWorksOnAnotherFileSuchAsTheBackup) {
  SetIni(kRich);
  const std::string bak = (program / "TARVO.BAK").string();
  WriteFile(bak, "[STATION]\r\nCALL=DL1ABC\r\n[DISPLAY]\r\nSBL=lots\r\n");
  Result r = Run("check --file '" + bak + "'");  // DIR: the folder of the file
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find(bak + ":4: [DISPLAY] SBL: 'lots' is not a number; 100 is used\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("TARVO.INI"), std::string::npos) << r.out;
  EXPECT_EQ(Run("--dir " + Dir() + " check --file '" + bak + "'").out, r.out);
  EXPECT_EQ(Ini(), kRich);  // nothing was written, neither file
  EXPECT_EQ(ReadFile(bak), "[STATION]\r\nCALL=DL1ABC\r\n[DISPLAY]\r\nSBL=lots\r\n");
  r = Run("check --file '" + (program / "NONE.BAK").string() + "'");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("no such file"), std::string::npos);
}

}  // namespace
}  // namespace trv
