// The safety nets of the store: what the file holds for the keys the program owns, the
// backup an OK keeps, and its restore; against real files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>

#include "config/ini/ini_errors.h"
#include "config/store/backup.h"
#include "config/store/config.h"
#include "config/store/save_merge.h"
#include "config/store/sections.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::ProgramDir;
using test::ReadFile;
using test::WriteFile;

// The file as the first OK leaves it: every section the program owns, in full.
std::string SaveFull(const ProgramDir& p) {
  Config c = p.MakeConfig();
  LoadAll(c);
  SaveAll(c);
  return p.Ini();
}

void SetRaw(const ProgramDir& p, const std::string& section, const std::string& key, const std::string& value) {
  TIniFile ini(p.IniPath(), "TARVO.INI");
  ini.WriteString(section, key, value);
  ini.UpdateFile();
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

// OK's merge against a file another program changed after `loaded` was taken.
void SaveWindow(Config& window, const SaveImage& loaded, std::set<SaveConflict> decided = {}) {
  SaveMerged(window, loaded, decided);
}

TEST(SaveMerge, AKeyOnlyAnotherProgramChangedKeepsItsValueForEveryKeyOkWrites) {
  ProgramDir p("[MINE]\r\n0=x\r\n");
  const std::string full = SaveFull(p);
  Config window = p.MakeConfig();
  LoadAll(window);
  const SaveImage loaded = SaveImage::OfFile(window);
  TIniFile file(p.IniPath(), "TARVO.INI");
  std::vector<std::string> sections;
  file.ReadSections(sections);
  int checked = 0;
  for (const std::string& section : sections) {
    std::vector<std::string> keys;
    file.ReadSection(section, keys);
    for (const std::string& key : keys) {
      if (section == "MINE" || key == "TNC0") continue;
      // A value that reads otherwise (an unusable one reads as the default: no change).
      for (const std::string& value : {file.ReadString(section, key, "") + "9", std::string("1"), std::string("2")}) {
        SetRaw(p, section, key, value);
        if (SaveImage::OfFile(window).Writes() == loaded.Writes()) continue;
        SaveWindow(window, loaded);  // the window changed nothing: nothing is written over theirs
        EXPECT_NE(p.Ini().find(key + "=" + value + "\r\n"), std::string::npos) << key << "=" << value;
        ++checked;
        break;
      }
      p.SetIni(full);
    }
  }
  EXPECT_GT(checked, 60);
}

TEST(SaveMerge, WhatReadsTheSameIsNoChangeAndOnlyKeysBothChangedToOtherValuesConflict) {
  ProgramDir p;
  const std::string full = SaveFull(p);
  Config window = p.MakeConfig();
  LoadAll(window);
  const SaveImage loaded = SaveImage::OfFile(window);
  std::string edited = "; a comment\r\n" + full + "[MINE]\r\n0=y\r\n";
  edited.replace(edited.find("CALL=NOCALL"), 11, "  call =  \"NOCALL\"");  // spacing, case, quotes
  edited.replace(edited.find("SAVERX="), 0, "UNKNOWN=1\r\n");              // a key nobody reads
  edited.erase(edited.find("QTH=JN59IL\r\n"), 12);                         // missing reads as the default
  p.SetIni(edited);
  window.Station.Call = "DK0XX";
  window.Display.MaxRXLines = 123;
  const SaveImage ours = SaveImage::Of(window), now = SaveImage::OfFile(window);
  EXPECT_TRUE(SaveMerge(loaded, ours, now).Conflicts().empty());

  SetRaw(p, "STATION", "CALL", "DL9OTH");  // both changed CALL
  SetRaw(p, "DISPLAY", "SBL", "123");      // both changed it alike: no conflict
  SetRaw(p, "DEVICE", "TNC0", "3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC");
  window.TncTable[0].Driver = "OTHER.TNC";  // the TNC list is one key
  window.TncCount = 1;
  const auto conflicts = SaveMerge(loaded, SaveImage::Of(window), SaveImage::OfFile(window)).Conflicts();
  ASSERT_EQ(conflicts.size(), 2u);
  EXPECT_EQ(conflicts[0], (SaveConflict{"[STATION] CALL", "DL9OTH", "DK0XX"}));
  EXPECT_EQ(conflicts[1].name, "[DEVICE]");
  try {
    SaveWindow(window, loaded);
    FAIL() << "no question";
  } catch (const UndecidedConflicts& u) {
    EXPECT_EQ(u.conflicts, conflicts);
  }
  const std::string before = p.Ini();
  EXPECT_EQ(p.Ini(), before);  // nothing written while undecided
  SaveWindow(window, loaded, {conflicts.begin(), conflicts.end()});
  EXPECT_EQ(TIniFile(p.IniPath(), "TARVO.INI").ReadString("STATION", "CALL", ""), "DK0XX");
  EXPECT_NE(p.Ini().find("; a comment\r\n"), std::string::npos);
}

TEST(SaveMerge, ReadingTheFileChangesNothingOnDisk) {
  ProgramDir p("[STATION]\r\nCALL=DL1ABC\r\n");  // without the colour keys that loading adds
  SaveImage::OfFile(p.MakeConfig());
  EXPECT_EQ(p.Ini(), "[STATION]\r\nCALL=DL1ABC\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(p.dir.path()), fs::directory_iterator()), 1);
}

TEST(Backup, TheRunsFirstWriteKeepsTheFileAsItWasBeforeLoadingAddedToItWithItsPermissions) {
  ProgramDir p("", false);
  const std::string bak = p.dir / "TARVO.BAK";
  {
    Config c = p.MakeConfig({.keepBackup = true});  // loading and saving create the file: nothing to keep
    LoadAll(c);
    SaveAll(c);
    EXPECT_FALSE(c.Backup.kept);
  }
  const std::string full = p.Ini();
  ::chmod(p.IniPath().c_str(), 0640);
  Config c = p.MakeConfig({.keepBackup = true});
  LoadAll(c);
  SaveAll(c);  // changes nothing
  EXPECT_FALSE(fs::exists(bak));

  c.Station.Call = "DK0XX";
  SaveAll(c);
  EXPECT_EQ(ReadFile(bak), full);
  EXPECT_EQ(ModeOf(bak), 0640u);
  c.Station.Call = "DL2ABC";
  SaveAll(c);  // one run keeps one backup: the file as it was before its first write
  EXPECT_EQ(ReadFile(bak), full);

  const std::string old = "[STATION]\r\nCALL=DL3ABC\r\n";  // lacks the colour keys loading adds
  p.SetIni(old);
  Config next = p.MakeConfig({.keepBackup = true});  // the next run replaces the old backup
  LoadAll(next);
  EXPECT_EQ(ReadFile(bak), old);
  next.Station.Call = "DL4ABC";
  SaveAll(next);
  EXPECT_EQ(ReadFile(bak), old);
  for (const auto& e : fs::directory_iterator(p.dir.path()))  // no temporary file left
    EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
}

TEST(Backup, ARefusedBackupRefusesTheSaveWithNothingWritten) {
  ProgramDir p;
  const std::string full = SaveFull(p);
  test::ScriptedWriter writer({.refuseCopies = true});
  Config c = p.MakeConfig({.writer = &writer, .keepBackup = true});
  LoadAll(c);
  c.Station.Call = "DK0XX";
  try {
    SaveAll(c);
    FAIL() << "no error";
  } catch (const IniWriteError& e) {
    EXPECT_STREQ(e.what(), "nach C:\\TARVO.BAK kann nicht geschrieben werden");
    EXPECT_EQ(e.Cause(), "No space left on device");
  }
  EXPECT_EQ(writer.calls, 0);
  EXPECT_EQ(p.Ini(), full);

  fs::create_directory(p.dir / "TARVO.BAK");  // the file system refuses: a folder has the name
  Config real = p.MakeConfig({.keepBackup = true});
  LoadAll(real);
  real.Station.Call = "DK0XX";
  EXPECT_THROW(SaveAll(real), IniWriteError);
  EXPECT_EQ(p.Ini(), full);
  EXPECT_TRUE(fs::is_empty(p.dir / "TARVO.BAK"));
}

// The backup is renamed into place only once the file's write has succeeded: a refused
// write (a full disk, an immutable file) leaves the backup of an earlier run as it was.
TEST(Backup, ARefusedWriteOfTheFileLeavesTheOldBackupAsItWas) {
  ProgramDir p;
  const std::string full = SaveFull(p);
  const std::string older = "[STATION]\r\nCALL=OLDER\r\n";
  WriteFile(p.dir / "TARVO.BAK", older);
  test::ScriptedWriter writer({.passes = 0});
  Config c = p.MakeConfig({.writer = &writer, .keepBackup = true});
  LoadAll(c);
  c.Station.Call = "DK0XX";
  EXPECT_THROW(SaveAll(c), IniWriteError);
  EXPECT_EQ(writer.calls, 1);
  EXPECT_EQ(p.Ini(), full);
  EXPECT_EQ(ReadFile(p.dir / "TARVO.BAK"), older);
  for (const auto& e : fs::directory_iterator(p.dir.path()))  // no pending backup left
    EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
}

TEST(Restore, PutsTheBackupBackAndASecondRestoreUndoesIt) {
  const std::string a = "[STATION]\r\nCALL=A\r\n", b = "; older\r\n[STATION]\r\nCALL=B\r\n";
  ProgramDir p(a);
  const std::string bak = p.dir / "TARVO.BAK";
  const Config c = p.MakeConfig();
  EXPECT_FALSE(RestoreBackup(c));  // no backup: nothing happens
  EXPECT_EQ(p.Ini(), a);
  EXPECT_FALSE(fs::exists(bak));

  WriteFile(bak, b);
  ::chmod(p.IniPath().c_str(), 0600);
  EXPECT_TRUE(RestoreBackup(c));
  EXPECT_EQ(p.Ini(), b);
  EXPECT_EQ(ReadFile(bak), a);
  EXPECT_EQ(ModeOf(p.IniPath()), 0600u);
  EXPECT_EQ(ModeOf(bak), 0600u);
  EXPECT_TRUE(RestoreBackup(c));
  EXPECT_EQ(p.Ini(), a);
  EXPECT_EQ(ReadFile(bak), b);

  fs::remove(p.IniPath());  // the file is gone: the backup comes back and stays
  EXPECT_TRUE(RestoreBackup(c));
  EXPECT_EQ(p.Ini(), b);
  EXPECT_EQ(ReadFile(bak), b);
}

TEST(Restore, ARefusedWriteLeavesBothFilesAsTheyWere) {
  const std::string a = "[STATION]\r\nCALL=A\r\n", b = "[STATION]\r\nCALL=B\r\n";
  ProgramDir p(a);
  const std::string bak = p.dir / "TARVO.BAK";
  WriteFile(bak, b);
  test::ScriptedWriter refuseCopy({.refuseCopies = true});  // the file is put back, the old one cannot be kept
  EXPECT_THROW(RestoreBackup(p.MakeConfig({.writer = &refuseCopy})), IniWriteError);
  EXPECT_EQ(p.Ini(), a);
  EXPECT_EQ(ReadFile(bak), b);
  test::ScriptedWriter refuseAll({.passes = 0});
  EXPECT_THROW(RestoreBackup(p.MakeConfig({.writer = &refuseAll})), IniWriteError);
  EXPECT_EQ(p.Ini(), a);
  EXPECT_EQ(ReadFile(bak), b);
}

}  // namespace
}  // namespace trv
