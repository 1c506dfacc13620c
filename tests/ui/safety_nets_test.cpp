// The window's safety nets: the question when another program changed the file, the notice
// of what loading replaced, and TARVO.BAK.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>

#include "config/ini/ini_file.h"
#include "page_tabs.h"
#include "ui/file_change_check.h"
#include "ui/widgets/load_notice.h"
#include "ui_test_util.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::OpenTab;
using test::Window;

// A file that load all leaves as it is (it already holds the per-port colour keys).
const std::string kFile = test::IniFixture("settled.ini");

// Another program writes one key while the window is open.
void OtherProgramSets(const test::ProgramDir& dir, const char* section, const char* key, const char* value) {
  TIniFile ini(dir.IniPath(), "TARVO.INI");
  ini.WriteString(section, key, value);
  ini.UpdateFile();
}

bool Holds(const std::string& ini, const std::string& line) { return ini.find(line + "\r\n") != std::string::npos; }

void ClickOk(Window& w) { QTest::mouseClick(w.Find<QPushButton>("Btn_OK"), Qt::LeftButton); }

std::string BackupOf(const Window& w) { return test::ReadFile(w.dir.dir / "TARVO.BAK"); }

TEST(ChangedFile, AKeyOnlyAnotherProgramChangedKeepsItsValueAndNothingIsAsked) {
  Window w(kFile);
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", "DK0XX");
  OtherProgramSets(w.dir, "STATION", "QTH", "JO40AA");
  OtherProgramSets(w.dir, "MAILBOX", "CLOSEDTIME", "\"2230-0600,1200-1300\"");  // reads the same: no change
  ClickOk(w);
  EXPECT_TRUE(w.modals.questions.isEmpty()) << w.modals.questions.join("|").toStdString();
  EXPECT_EQ(w.form->result(), QDialog::Accepted);
  EXPECT_TRUE(Holds(w.dir.Ini(), "CALL=DK0XX"));
  EXPECT_TRUE(Holds(w.dir.Ini(), "QTH=JO40AA"));
}

TEST(ChangedFile, AKeyBothChangedIsAskedAboutByNameAndBothValuesAndCancelKeepsTheWindow) {
  Window w(kFile);
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", "DK0XX");
  OtherProgramSets(w.dir, "STATION", "CALL", "DL9OTH");
  OtherProgramSets(w.dir, "STATION", "QTH", "JO40AA");
  const std::string theirs = w.dir.Ini();
  for (int answer : {2, -1}) {  // Cancel, and the box closed
    w.modals.choiceAnswer = answer;
    ClickOk(w);
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_EQ(w.form->result(), 0);
    EXPECT_EQ(w.dir.Ini(), theirs);
    EXPECT_EQ(w.Edit("Station_Edit_Call")->text(), "DK0XX");
  }
  ASSERT_EQ(w.modals.questions.size(), 2);
  const QString& question = w.modals.questions[0];
  EXPECT_TRUE(question.startsWith(kFileChangedText)) << question.toStdString();
  EXPECT_TRUE(question.contains("[STATION] CALL: DL9OTH in the file, DK0XX in this window"));
  EXPECT_FALSE(question.contains("QTH"));
  EXPECT_TRUE(question.contains("the changes made in this window are lost"));
  EXPECT_EQ(w.modals.choices.mid(0, 3), QStringList({"&Save anyway", "&Reload", "&Cancel"}));
  EXPECT_FALSE(fs::exists(w.dir.dir / "TARVO.BAK"));
}

TEST(ChangedFile, SaveAnywayWritesTheWindowsValueKeepsTheirOtherChangesAndTheirFileAsBackup) {
  Window w(kFile);
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", "DK0XX");
  OtherProgramSets(w.dir, "STATION", "CALL", "DL9OTH");
  OtherProgramSets(w.dir, "STATION", "QTH", "JO40AA");
  const std::string theirs = w.dir.Ini();
  w.modals.choiceAnswer = 0;
  ClickOk(w);
  EXPECT_EQ(w.modals.questions.size(), 1);
  EXPECT_EQ(w.form->result(), QDialog::Accepted);
  EXPECT_TRUE(Holds(w.dir.Ini(), "CALL=DK0XX"));
  EXPECT_TRUE(Holds(w.dir.Ini(), "QTH=JO40AA"));
  EXPECT_EQ(BackupOf(w), theirs);
}

// TARVO.INI deleted, renamed away, replaced by a folder or emptied (cut by a program about to
// write it) while the window is open: no merge against a file that is not there or holds
// nothing; the question says so, and Save writes what the window shows.
TEST(ChangedFile, AFileThatVanishedIsSaidSoAndSaveWritesTheWindowInFull) {
  struct Case {
    const char* how;
    int answer;  // Save, Cancel
    bool written;
  };
  const Case cases[] = {
      {"deleted", 1, false}, {"renamed", 0, true}, {"a folder", 0, false}, {"emptied", 1, false}, {"emptied", 0, true}};
  for (const Case& c : cases) {
    Window w(kFile);
    OpenTab(w, "Station");
    w.Type("Station_Edit_Call", "DK0XX");
    const fs::path ini = w.dir.dir / "TARVO.INI";
    const std::string how = c.how;
    if (how == "renamed")
      fs::rename(ini, w.dir.dir / "OLD.INI");
    else if (how == "emptied")
      w.dir.SetIni("");
    else
      fs::remove(ini);
    if (how == "a folder") fs::create_directory(ini);
    w.modals.choiceAnswer = c.answer;
    ClickOk(w);
    const QString said = (w.modals.questions + w.modals.infos).join("|");
    EXPECT_TRUE(said.contains(how == "a folder"  ? "is no longer a file"
                              : how == "emptied" ? "is empty now"
                                                 : "is gone: it was deleted or renamed"))
        << c.how << said.toStdString();
    EXPECT_FALSE(said.contains("END OF BLOCK")) << said.toStdString();
    EXPECT_EQ(w.form->result() == QDialog::Accepted, c.written) << c.how;
    if (c.written) {
      EXPECT_TRUE(Holds(w.dir.Ini(), "CALL=DK0XX"));
      for (const char* section : {"[STATION]", "[DIR]", "[DEVICE]", "[COLOR]", "[MAILBOX]"})
        EXPECT_TRUE(Holds(w.dir.Ini(), section)) << section;
    } else {
      EXPECT_TRUE(w.form->isVisible());
      EXPECT_EQ(fs::is_regular_file(ini), how == "emptied") << c.how;
      if (how == "emptied") {
        EXPECT_EQ(w.dir.Ini(), "");
      }
    }
  }
}

TEST(ChangedFile, ReloadReadsTheFileAgainIntoThePagesAndTheNextOkAsksNoMore) {
  Window w(kFile);
  OpenTab(w, "Mailbox 2");  // built before the reload: refilled, its list not added to
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", "DK0XX");
  w.Type("Station_Edit_Locator", "JO30");
  OtherProgramSets(w.dir, "STATION", "CALL", "DL9OTH");
  const std::string theirs = w.dir.Ini();
  w.modals.choiceAnswer = 1;
  ClickOk(w);
  EXPECT_TRUE(w.form->isVisible());
  EXPECT_EQ(w.Edit("Station_Edit_Call")->text(), "DL9OTH");
  EXPECT_EQ(w.Edit("Station_Edit_Locator")->text(), "JN58TD");  // the window's edit is gone
  EXPECT_EQ(w.Find<QListWidget>("ListBox1")->count(), 1);       // read once, not added twice
  EXPECT_EQ(w.Find<QListWidget>("Mail2_List_ClosedTime")->count(), 2);
  EXPECT_EQ(w.dir.Ini(), theirs);

  ClickOk(w);
  EXPECT_EQ(w.modals.questions.size(), 1);
  EXPECT_EQ(w.form->result(), QDialog::Accepted);
  EXPECT_TRUE(Holds(w.dir.Ini(), "CALL=DL9OTH"));
  EXPECT_TRUE(Holds(w.dir.Ini(), "CLOSEDTIME=2230-0600,1200-1300"));
}

TEST(ChangedFile, KeysTheProgramDoesNotOwnAndTheColourKeysLoadingAddsAskNothing) {
  Window w("[STATION]\r\nCALL=DL1ABC\r\n[MINE]\r\n0=x\r\n");  // loading adds the per-port colour keys
  ASSERT_TRUE(Holds(w.dir.Ini(), "HFG0=14"));
  OtherProgramSets(w.dir, "MINE", "0", "y");
  OtherProgramSets(w.dir, "STATION", "UNKNOWN", "1");
  w.dir.SetIni("; their comment\r\n" + w.dir.Ini());
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", "DK0XX");
  ClickOk(w);
  EXPECT_TRUE(w.modals.questions.isEmpty()) << w.modals.questions.join("|").toStdString();
  EXPECT_EQ(w.form->result(), QDialog::Accepted);
  const std::string ini = w.dir.Ini();
  for (const char* line : {"; their comment", "0=y", "UNKNOWN=1", "CALL=DK0XX"}) EXPECT_TRUE(Holds(ini, line)) << line;
}

TEST(ChangedFile, ARefusedOkWritesNothingAndTheNextOkTakesNoneOfItForAnotherProgram) {
  test::ScriptedWriter writer;
  Window w(kFile, {.writer = &writer});
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", "DK0XX");
  w.Type("Station_Edit_Locator", "JO30");
  writer.script.passes = 0;  // a full disk
  ClickOk(w);
  ASSERT_EQ(w.modals.errors.size(), 1);
  EXPECT_EQ(w.dir.Ini(), kFile);  // all or nothing
  writer.script.passes = -1;
  ClickOk(w);
  EXPECT_TRUE(w.modals.questions.isEmpty());
  EXPECT_EQ(w.form->result(), QDialog::Accepted);
  EXPECT_TRUE(Holds(w.dir.Ini(), "CALL=DK0XX"));
  EXPECT_TRUE(Holds(w.dir.Ini(), "QTH=JO30"));
  EXPECT_EQ(BackupOf(w), kFile);
}

// Values loading cannot use: a call cut to 12 characters, a number that is none, one out of range.
const std::string kBadValues = "[STATION]\r\nCALL=DL1ABCDEFGHIJK\r\n[DISPLAY]\r\nSBL=lots\r\nMEL=20\r\n";

TEST(LoadNotice, TellsWhatLoadingReplacedAndDetailsListAndCopyIt) {
  Window w(kBadValues);
  auto* notice = w.Find<LoadNotice>("LoadNotice");
  ASSERT_TRUE(notice->isVisible());
  EXPECT_EQ(w.Find<QLabel>("Notice_Label")->text(),
            "3 values in TARVO.INI could not be used and were replaced; OK will write the replacements.");
  QStringList rows;
  QString copied;
  w.modals.onDialog = [&](QDialog& dialog) {
    dialog.show();
    auto* list = dialog.findChild<QTreeWidget*>("Findings_List");
    for (int i = 0; list != nullptr && i < list->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = list->topLevelItem(i);
      rows << QStringList({item->text(0), item->text(1), item->text(2), item->text(3)}).join('|');
    }
    QTest::mouseClick(dialog.findChild<QPushButton*>("Findings_Btn_Copy"), Qt::LeftButton);
    copied = QGuiApplication::clipboard()->text();
    QTest::mouseClick(dialog.findChild<QPushButton*>("Findings_Btn_Close"), Qt::LeftButton);
    return dialog.result();
  };
  QTest::mouseClick(w.Find<QPushButton>("Notice_Btn_Details"), Qt::LeftButton);
  EXPECT_EQ(w.modals.dialogsRun, 1);
  EXPECT_EQ(rows,
            QStringList({"2|STATION|CALL|cut to 12 characters", "4|DISPLAY|SBL|'lots' is not a number; 100 is used",
                         "5|DISPLAY|MEL|20 is outside 50 to 500; 50 is used"}));
  EXPECT_EQ(copied,
            "TARVO.INI:2: [STATION] CALL: cut to 12 characters\n"
            "TARVO.INI:4: [DISPLAY] SBL: 'lots' is not a number; 100 is used\n"
            "TARVO.INI:5: [DISPLAY] MEL: 20 is outside 50 to 500; 50 is used\n");
  EXPECT_TRUE(w.Find<QPushButton>("Btn_OK")->isDefault());  // Enter still presses OK
}

TEST(LoadNotice, DetailsNameTheLinesOfTheFileAsLoadingLeftIt) {
  Window w("[COLOR]\r\nLFG=1\r\n[DISPLAY]\r\nSBL=lots\r\n");  // loading adds eight colour keys before SBL
  const std::string ini = w.dir.Ini();
  const auto sblLine = std::count(ini.begin(), ini.begin() + static_cast<std::ptrdiff_t>(ini.find("SBL=")), '\n') + 1;
  ASSERT_EQ(sblLine, 12);
  QString line;
  w.modals.onDialog = [&](QDialog& dialog) {
    line = dialog.findChild<QTreeWidget*>("Findings_List")->topLevelItem(0)->text(0);
    return QDialog::Rejected;
  };
  QTest::mouseClick(w.Find<QPushButton>("Notice_Btn_Details"), Qt::LeftButton);
  EXPECT_EQ(line, QString::number(sblLine));
  EXPECT_EQ(w.Find<QLabel>("Notice_Label")->text().left(8), "1 value ");
}

TEST(LoadNotice, NoNoticeWhenThereIsNothingWorthSaying) {
  Window older("[STATION]\r\nCALL=DL1ABC\r\n");  // lacks only the colour keys loading adds
  EXPECT_FALSE(older.Find<LoadNotice>("LoadNotice")->isVisible());
  Window bad(kBadValues);
  OpenTab(bad, "Station");
  bad.Type("Station_Edit_Call", "DL1ABC");
  bad.modals.choiceAnswer = 0;
  ClickOk(bad);
  Window saved(bad.dir.Ini());  // what OK wrote loads clean
  EXPECT_FALSE(saved.Find<LoadNotice>("LoadNotice")->isVisible());
  // A missing driver file gives way to TNC2.TNC, told once: TNC2.TNC, missing too, is what OK
  // writes, and telling it again would bring the notice back after every OK.
  Window driver("[DEVICE]\r\nTNC0=2,248,19200,8,1,1,123.456,DEFINI,DEFDEI,0,0,FOO.TNC\r\n");
  EXPECT_TRUE(driver.Find<LoadNotice>("LoadNotice")->isVisible());
  ClickOk(driver);
  ASSERT_TRUE(Holds(driver.dir.Ini(), ",TNC2.TNC"));
  Window driverSaved(driver.dir.Ini());
  EXPECT_FALSE(driverSaved.Find<LoadNotice>("LoadNotice")->isVisible());
  EXPECT_EQ(LoadNoticeText(1),
            "1 value in TARVO.INI could not be used and was replaced; OK will write the replacement.");
}

TEST(WindowBackup, AnOkThatChangesTheFileKeepsItAsItWasAndOneThatChangesNothingKeepsNone) {
  Window w(kFile);
  ClickOk(w);  // the first OK writes every section in full
  EXPECT_EQ(BackupOf(w), kFile);
  const std::string full = w.dir.Ini();

  Window again(full);
  ClickOk(again);
  EXPECT_EQ(again.dir.Ini(), full);
  EXPECT_FALSE(fs::exists(again.dir.dir / "TARVO.BAK"));
}

TEST(WindowBackup, ARefusedBackupRefusesTheSaveWithNothingWritten) {
  Window w(kFile);
  fs::create_directory(w.dir.dir / "TARVO.BAK");  // the file system refuses: a folder has the name
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", "DK0XX");
  ClickOk(w);
  ASSERT_EQ(w.modals.errors.size(), 1);
  EXPECT_TRUE(w.modals.errors[0].startsWith("nach C:\\TARVO.BAK kann nicht geschrieben werden"));
  EXPECT_EQ(w.dir.Ini(), kFile);
  EXPECT_TRUE(w.form->isVisible());

  fs::remove(w.dir.dir / "TARVO.BAK");
  ClickOk(w);
  EXPECT_TRUE(w.modals.questions.isEmpty());
  EXPECT_EQ(w.form->result(), QDialog::Accepted);
  EXPECT_EQ(BackupOf(w), kFile);
}

}  // namespace
}  // namespace trv
