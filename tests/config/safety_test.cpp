// The safety nets of the store: what the file holds for the keys the program owns, the
// backup an OK keeps, and its restore; against real files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "config/backup.h"
#include "config/config.h"
#include "config/ini_errors.h"
#include "config/owned_values.h"
#include "config/sections.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::ProgramDir;
using test::ReadFile;
using test::WriteFile;

bool Names(const std::vector<std::string>& changed, const std::string& key) {
  return std::find(changed.begin(), changed.end(), key) != changed.end();
}

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

TEST(OwnedValues, AChangeToAnyKeyOkWritesIsNoticedByName) {
  ProgramDir p("[MINE]\r\n0=x\r\n");
  const std::string full = SaveFull(p);
  const Config c = p.MakeConfig();
  const OwnedValues before = OwnedValues::Read(c);
  EXPECT_TRUE(OwnedValues::Read(c).ChangedSince(before).empty());

  TIniFile file(p.IniPath(), "TARVO.INI");
  std::vector<std::string> sections;
  file.ReadSections(sections);
  int checked = 0;
  for (const std::string& section : sections) {
    if (section == "MINE") continue;
    std::vector<std::string> keys;
    file.ReadSection(section, keys);
    for (const std::string& key : keys) {
      SetRaw(p, section, key, file.ReadString(section, key, "") + "9");
      EXPECT_TRUE(Names(OwnedValues::Read(c).ChangedSince(before), "[" + section + "] " + key)) << section << key;
      p.SetIni(full);
      ++checked;
    }
  }
  EXPECT_GT(checked, 60);
  SetRaw(p, "DEVICE", "TNC7", "3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC");
  EXPECT_TRUE(Names(OwnedValues::Read(c).ChangedSince(before), "[DEVICE]"));  // OK rewrites the whole section
}

TEST(OwnedValues, WhatOkKeepsAsItIsIsNoChange) {
  ProgramDir p;
  const std::string full = SaveFull(p);
  const Config c = p.MakeConfig();
  const OwnedValues before = OwnedValues::Read(c);
  std::string edited = "; a comment\r\n" + full + "[MINE]\r\n0=y\r\n";
  edited.replace(edited.find("CALL=NOCALL"), 11, "  call =  NOCALL");  // spacing and letter case of the name
  edited.insert(edited.find("[DISPLAY]"), "UNKNOWN=1\r\n\r\n");        // a key nobody reads, in STATION
  p.SetIni(edited);
  EXPECT_EQ(OwnedValues::Read(c).ChangedSince(before), std::vector<std::string>{});
  p.SetIni("");
  EXPECT_TRUE(Names(OwnedValues::Read(c).ChangedSince(before), "[STATION] CALL"));  // emptied by another program
}

TEST(OwnedValues, ReadingChangesNothingOnDisk) {
  ProgramDir p("[STATION]\r\nCALL=DL1ABC\r\n");  // without the colour keys that loading adds
  OwnedValues::Read(p.MakeConfig());
  EXPECT_EQ(p.Ini(), "[STATION]\r\nCALL=DL1ABC\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(p.dir.path()), fs::directory_iterator()), 1);
}

// Passes replacements on; refuses every backup copy as a full disk does.
class RefusingCopyWriter : public FileWriter {
 public:
  WriteResult Replace(const std::string& path, std::string_view bytes, std::string_view previous,
                      const FileIdentity& read) override {
    ++replaced;
    return DefaultFileWriter().Replace(path, bytes, previous, read);
  }
  WriteResult WriteCopy(const std::string&, std::string_view, const std::string&) override {
    return WriteResult{WriteResult::Outcome::Refused, ENOSPC};
  }
  int replaced = 0;
};

TEST(Backup, KeptOnlyWhenASaveChangesAnExistingFileWithItsPermissions) {
  ProgramDir p("", false);
  const std::string bak = p.dir / "TARVO.BAK";
  {
    Config c = p.MakeConfig();
    BackupKeeper keeper = BackupKeeper::ForFileAsItIs(c);  // loading and saving create the file: nothing to keep
    LoadAll(c);
    keeper.SaveAll(c);
    EXPECT_FALSE(keeper.Kept());
  }
  const std::string full = p.Ini();
  ::chmod(p.IniPath().c_str(), 0640);
  BackupKeeper keeper;
  Config c = p.MakeConfig();
  LoadAll(c);
  keeper.SaveAll(c);  // changes nothing
  EXPECT_FALSE(fs::exists(bak));

  c.Station.Call = "DK0XX";
  keeper.SaveAll(c);
  EXPECT_EQ(ReadFile(bak), full);
  EXPECT_EQ(ModeOf(bak), 0640u);
  c.Station.Call = "DL2ABC";
  keeper.SaveAll(c);  // one keeper keeps one backup: the file as it was before the first save
  EXPECT_EQ(ReadFile(bak), full);

  BackupKeeper next;  // the next window replaces the old backup
  c.Station.Call = "DL3ABC";
  next.SaveAll(c);
  EXPECT_NE(ReadFile(bak), full);
  EXPECT_NE(ReadFile(bak).find("CALL=DL2ABC\r\n"), std::string::npos);
  for (const auto& e : fs::directory_iterator(p.dir.path()))  // no temporary file left
    EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
}

TEST(Backup, ARefusedBackupRefusesTheSaveWithNothingWritten) {
  ProgramDir p;
  const std::string full = SaveFull(p);
  RefusingCopyWriter writer;
  Config c = p.MakeConfig({.writer = &writer});
  LoadAll(c);
  c.Station.Call = "DK0XX";
  try {
    BackupKeeper().SaveAll(c);
    FAIL() << "no error";
  } catch (const IniWriteError& e) {
    EXPECT_STREQ(e.what(), "nach C:\\TARVO.BAK kann nicht geschrieben werden");
    EXPECT_EQ(e.Cause(), "No space left on device");
  }
  EXPECT_EQ(writer.replaced, 0);
  EXPECT_EQ(p.Ini(), full);

  fs::create_directory(p.dir / "TARVO.BAK");  // the file system refuses: a folder has the name
  Config real = p.MakeConfig();
  LoadAll(real);
  real.Station.Call = "DK0XX";
  EXPECT_THROW(BackupKeeper().SaveAll(real), IniWriteError);
  EXPECT_EQ(p.Ini(), full);
  EXPECT_TRUE(fs::is_empty(p.dir / "TARVO.BAK"));
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
  RefusingCopyWriter refuseCopy;  // the file is put back, the old one cannot be kept
  EXPECT_THROW(RestoreBackup(p.MakeConfig({.writer = &refuseCopy})), IniWriteError);
  EXPECT_EQ(p.Ini(), a);
  EXPECT_EQ(ReadFile(bak), b);
  test::FailingWriter refuseAll;
  EXPECT_THROW(RestoreBackup(p.MakeConfig({.writer = &refuseAll})), IniWriteError);
  EXPECT_EQ(p.Ini(), a);
  EXPECT_EQ(ReadFile(bak), b);
}

}  // namespace
}  // namespace trv
