// Values on their way through the window: OK writes what `tarvoini resave` writes, an untouched
// QRG stays as the store has it, and an entry the window replaces is marked and told of.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "config/ini/ini_errors.h"
#include "config/store/backup.h"
#include "config/store/sections.h"
#include "page_tabs.h"
#include "ui/dialogs/edit_section_form.h"
#include "ui/widgets/limited_line_edit.h"
#include "ui/widgets/replacement_notice.h"
#include "ui_test_util.h"
#include "wave_files.h"

namespace trv {
namespace {

using test::ProgramDir;
using test::Window;

// The demo's folder: driver and language files, a read folder in other letter case, a QRG too
// wide for the field, language names without extension, small letters in fields typed in
// capitals.
const std::string kDemoLike =
    "[STATION]\r\nCALL=DL1ABC\r\nQTH=JN58TD\r\n"
    "[EXTRA]\r\nFORTUNE=fortune.d\xE9\r\nNODECALL=nocall-9\r\n"
    "[MAILBOX]\r\nBOXCALL=d\xE9mo\r\nHPATH=dl.eu\r\nSYSMTO=xnet\r\nDEFBOARD=all\r\n"
    "[DIR]\r\nRD=read\\\r\n"
    "[DEVICE]\r\nTNC0=1,248,19200,8,1,1,1296200,DEFINI, DEFDEI ,0,0,tnc2.tnc\r\n"
    "TNC1=316,120,57600,4,1,0,438.125,KISSINI,DEFDEI,1,1,KISS.TNC\r\nTNC2=END OF BLOCK\r\n"
    "[DEFINI]\r\n0=ESC M UISC\r\n[LANGUAGE]\r\nVISUAL=english\r\nOUTPUT=DEUTSCH\r\n";

void LayOutDemoFolder(const ProgramDir& dir) {
  for (const char* name : {"DRIVER.TNC/TNC2.TNC", "DRIVER.TNC/KISS.TNC", "LANGUAGE/DEUTSCH.DLL", "LANGUAGE/DEUTSCH.WLF",
                           "LANGUAGE/ENGLISH.DLL", "LANGUAGE/ENGLISH.WLF"})
    test::WriteFile(dir.dir / name, "x");
  std::filesystem::create_directories(dir.dir / "READ");
}

// What `tarvoini resave` does to the folder's TARVO.INI.
std::string Resaved(const ProgramDir& dir) {
  Config config = dir.MakeConfig({.keepBackup = true});
  RunAction(config, [&](TIniFile&) {
    LoadAllSections(config, {}, [](const StoreError&) { throw; });
    SaveAll(config);
  });
  return dir.Ini();
}

std::string SavedByOk(const std::string& ini) {
  Window w(ini, {}, LayOutDemoFolder);
  w.Find<QPushButton>("Btn_OK")->click();
  EXPECT_EQ(w.form->result(), QDialog::Accepted) << w.modals.errors.join("|").toStdString();
  return w.dir.Ini();
}

TEST(FieldValues, OkWritesWhatResaveWritesAndChangesNothingAfterIt) {
  ProgramDir resaved(kDemoLike);
  LayOutDemoFolder(resaved);
  const std::string afterResave = Resaved(resaved);
  EXPECT_EQ(SavedByOk(kDemoLike), afterResave);
  EXPECT_EQ(SavedByOk(afterResave), afterResave);
  for (const char* line : {"TNC0=1,248,19200,8,1,1,1296200.000,DEFINI,DEFDEI,0,0,TNC2.TNC\r\n", "RD=C:\\READ\\\r\n",
                           "VISUAL=ENGLISH.DLL\r\n", "OUTPUT=DEUTSCH.WLF\r\n"})
    EXPECT_NE(afterResave.find(line), std::string::npos) << line << " in\n" << afterResave;
}

// Tab leaves the field: the entry gives way to the rule's value, the field is marked and the
// notice says what became of it, until the user edits the field again.
TEST(FieldValues, ReplacedEntriesAreMarkedAndToldUntilTheNextEdit) {
  struct Case {
    const char* tab;
    const char* field;
    QString typed, shown, told;
  };
  const Case cases[] = {
      {"TNC", "TNC_Edit_QRG", "abc", "123.456", "QRG: \"abc\" was replaced by 123.456"},
      {"Display", "Disp_Edit_MaxRXLines", "40000", "100",
       "MaxRXLines: \"40000\" was replaced by 100 (a whole number from 100 to 30000)."},
      {"Mailbox 1", "Mail_Edit_DefLT", "999", "20",
       "Default lifetime: \"999\" was replaced by 20 (a whole number from 0 to 365)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    Window w(kDemoLike, {}, LayOutDemoFolder);
    test::OpenTab(w, c.tab);
    w.Type(c.field, c.typed);
    QTest::keyClick(w.Edit(c.field), Qt::Key_Tab);
    auto* field = static_cast<LimitedLineEdit*>(w.Edit(c.field));
    auto* notice = w.form->findChild<ReplacementNotice*>("ReplacementNotice");
    EXPECT_EQ(field->text(), c.shown);
    EXPECT_TRUE(field->IsMarkedReplaced());
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->Text().startsWith(c.told)) << notice->Text().toStdString();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_FALSE(field->IsMarkedReplaced());
    EXPECT_FALSE(notice->isVisible());
    EXPECT_TRUE(w.modals.infos.isEmpty() && w.modals.errors.isEmpty());
  }
}

// A QRG takes a decimal comma; OK with an unusable entry still in the field shows the
// replacement first and saves it on the next OK.
TEST(FieldValues, QrgTakesADecimalCommaAndOkShowsAReplacementBeforeSaving) {
  Window w(kDemoLike, {}, LayOutDemoFolder);
  w.Type("TNC_Edit_QRG", "144,8");
  w.Find<QListWidget>("ListBox1")->setCurrentRow(1);  // TNC 0 is stored
  w.Type("TNC_Edit_QRG", "abc");
  w.Find<QPushButton>("Btn_OK")->click();
  EXPECT_TRUE(w.form->isVisible());
  EXPECT_EQ(w.Edit("TNC_Edit_QRG")->text(), "123.456");
  w.Find<QPushButton>("Btn_OK")->click();
  EXPECT_EQ(w.form->result(), QDialog::Accepted);
  const std::string ini = w.dir.Ini();
  EXPECT_NE(ini.find("TNC0=1,248,19200,8,1,1,144.800,"), std::string::npos) << ini;
  EXPECT_NE(ini.find("TNC1=316,120,57600,4,1,0,123.456,"), std::string::npos) << ini;
}

// A click on OK whose press takes the focus from an unusable entry shows the replacement only.
TEST(FieldValues, ClickOnOkLeavingAnUnusableEntryShowsTheReplacementFirst) {
  Window w(kDemoLike, {}, LayOutDemoFolder);
  test::OpenTab(w, "Display");
  w.Type("Disp_Edit_MaxRXLines", "40000");
  auto* ok = w.Find<QPushButton>("Btn_OK");
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_TRUE(w.form->isVisible());
  EXPECT_EQ(w.Edit("Disp_Edit_MaxRXLines")->text(), "100");
  QCoreApplication::processEvents();  // the user reads the notice
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(w.form->result(), QDialog::Accepted);
  EXPECT_NE(w.dir.Ini().find("SBL=100\r\n"), std::string::npos);
}

// The Sound page's file question: a typed name without extension is a wave file's, found
// without regard to case.
TEST(FieldValues, ChosenWaveNameGetsItsExtensionAndTheDiskSpelling) {
  const std::pair<const char*, QString> cases[] = {
      {"ring", "C:\\WAV\\RING.WAV"}, {"Ring.wav", "C:\\WAV\\RING.WAV"}, {"none", "C:\\WAV\\none.WAV"}};
  for (const auto& [typed, shown] : cases) {
    SCOPED_TRACE(typed);
    Window w(kDemoLike, {}, [](const ProgramDir& dir) { test::WriteWave(dir.dir / "WAV/RING.WAV"); });
    test::OpenTab(w, "Sound");
    w.modals.fileAnswer = QString::fromStdString(w.dir.dir / "WAV/") + typed;
    w.Find<QToolButton>("Sound_Speed_Choose")->click();
    EXPECT_EQ(w.Edit("Sound_Edit_WaveName")->text(), shown);
  }
}

// Esc, Abort and the close button of the edit-section dialog ask before changed lines are lost.
TEST(FieldValues, EditSectionAsksBeforeThrowingChangesAway) {
  struct Case {
    bool change, answerYes, closed;
    int questions;
  };
  const Case cases[] = {{false, false, true, 0}, {true, false, false, 1}, {true, true, true, 1}};
  const std::function<void(QDialog&)> ends[] = {
      [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
      [](QDialog& d) { d.findChild<QPushButton*>("Btn_Abort")->click(); },
      [](QDialog& d) { d.close(); },
  };
  for (const Case& c : cases)
    for (const auto& end : ends) {
      Window w(kDemoLike, {}, LayOutDemoFolder);
      w.modals.answerYes = c.answerYes;
      bool closed = false;
      w.modals.onDialog = [&](QDialog& dialog) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        auto* memo = dialog.findChild<QPlainTextEdit*>("Memo1");
        memo->setFocus();
        if (c.change) QTest::keyClicks(memo, "x");
        end(dialog);
        closed = !dialog.isVisible();
        dialog.hide();
        return QDialog::Rejected;
      };
      w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
      EXPECT_EQ(closed, c.closed);
      EXPECT_EQ(w.modals.questions.size(), c.questions);
      EXPECT_EQ(w.dir.Ini().find("ESC M UISCx"), std::string::npos);
    }
}

TEST(FieldValues, ColourGridSaysWhichClickSetsWhichSide) {
  Window w(kDemoLike);
  test::OpenTab(w, "Colors");
  auto* hint = w.Find<QLabel>("Color_Lbl_Hint");
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(hint->isVisible());
  EXPECT_EQ(hint->text(), "Left click or F: foreground. Right click or B: background.");
}

}  // namespace
}  // namespace trv
