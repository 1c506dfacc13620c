#include <gtest/gtest.h>

#include <QApplication>
#include <QFileSystemModel>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <filesystem>
#include <functional>

#include "config/store/sections.h"
#include "page_tabs.h"
#include "platform/atomic_file_writer.h"
#include "ui/dialogs/edit_section_form.h"
#include "ui/pages/settings_page.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::Window;

// A file that load all leaves as it is (it already holds the per-port colour keys).
const std::string kFile =
    "[STATION]\r\nCALL=DL1ABCDEFGHI\r\nQTH=JN58td\r\n"
    "[COLOR]\r\nHFG0=14\r\nHBG0=0\r\nHFG1=14\r\nHBG1=0\r\nHFG2=14\r\nHBG2=0\r\nHFG3=14\r\nHBG3=0\r\n"
    "[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n"
    "[MINE]\r\n0=x\r\n";

TEST(MainWindow, FrameTabsAndButtons) {
  Window w(kFile);
  EXPECT_EQ(w.form->windowTitle(), "TRVCFG for Tarvo32 v0.4");
  auto* tabs = w.Find<QTabWidget>("PageControl1");
  const QStringList expected = {"TNC",   "Station", "Display",   "Directory", "Extra",    "Moduls",
                                "Sound", "Colors",  "Languages", "Mailbox 1", "Mailbox 2"};
  ASSERT_EQ(tabs->count(), expected.size());
  for (int i = 0; i < tabs->count(); ++i) {
    EXPECT_EQ(tabs->tabText(i), expected[i]);
    EXPECT_EQ(tabs->widget(i)->objectName(), QString("TabSheet%1").arg(i + 1));
  }
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_TRUE(w.Find<QPushButton>("Btn_OK")->isDefault());
  EXPECT_EQ(w.Find<QPushButton>("Btn_Abort")->text().remove('&'), "Abort");
  EXPECT_EQ(w.form->layout()->sizeConstraint(), QLayout::SetFixedSize);
  w.form->adjustSize();
  EXPECT_GE(w.form->width(), 514);
  EXPECT_GE(w.form->height(), 365);
}

TEST(MainWindow, EveryTabIsAPageAndEachSectionIsServedInTabOrder) {
  Window w(kFile);
  auto* tabs = w.Find<QTabWidget>("PageControl1");
  for (int i = 0; i < tabs->count(); ++i) OpenTab(w, tabs->tabText(i));
  const auto pages = w.form->Pages();
  ASSERT_EQ(pages.size(), 11u);
  std::vector<SectionId> served;
  for (const SettingsPage* page : pages)
    for (const auto& step : page->Steps()) served.push_back(step.section);
  EXPECT_NE(std::find(served.begin(), served.end(), SectionId::Station), served.end());
  EXPECT_NE(std::find(served.begin(), served.end(), SectionId::Device), served.end());
}

// The first window is as quick to come up as an empty one: what it does not show is made when
// the user first needs it.
TEST(MainWindow, MakesTheDirectoryTreeAndTheEditSectionDialogAtFirstUse) {
  Window w(kFile);
  EXPECT_EQ(w.form->findChild<QFileSystemModel*>(), nullptr);
  EXPECT_EQ(w.form->findChild<TEditSectionForm*>(), nullptr);
  OpenTab(w, "Directory");
  EXPECT_NE(w.form->findChild<QFileSystemModel*>(), nullptr);
  OpenTab(w, "TNC");
  w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
  EXPECT_NE(w.form->findChild<TEditSectionForm*>(), nullptr);
}

TEST(MainWindow, ShowsWhichFileOkWrites) {
  Window w(kFile);
  auto* label = w.Find<QLabel>("Lbl_ConfigFile");
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->isVisible());
  EXPECT_EQ(label->toolTip(), QString::fromStdString(w.dir.IniPath()) + "\nC:\\TARVO.INI");
  EXPECT_TRUE(label->text().endsWith("TARVO.INI"));
}

TEST(MainWindow, AbortWritesNothing) {
  Window w(kFile);
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", "DK0XX");
  w.Find<QPushButton>("Btn_Abort")->click();
  EXPECT_EQ(w.form->result(), QDialog::Rejected);
  EXPECT_EQ(w.dir.Ini(), kFile);
}

TEST(MainWindow, OkWritesEverySectionAndTheNextStartReadsItBack) {
  Window w("[MINE]\r\n0=x\r\n");
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", "dk0xx");
  w.Find<QPushButton>("Btn_OK")->click();
  EXPECT_EQ(w.form->result(), QDialog::Accepted);
  EXPECT_TRUE(w.modals.errors.isEmpty());
  const std::string ini = w.dir.Ini();
  std::vector<std::size_t> at;
  for (const char* s : {"[MINE]", "[COLOR]", "[STATION]", "[DIR]", "[DISPLAY]", "[SOUND]", "[EXTRA]", "[MAILBOX]",
                        "[LANGUAGE]", "[DEVICE]"})
    at.push_back(ini.find(s));
  EXPECT_TRUE(std::is_sorted(at.begin(), at.end())) << ini;
  EXPECT_NE(ini.find("CALL=DK0XX\r\n"), std::string::npos);

  Window again(ini);
  OpenTab(again, "Station");
  EXPECT_EQ(again.Edit("Station_Edit_Call")->text(), "DK0XX");
  again.Find<QPushButton>("Btn_OK")->click();
  EXPECT_EQ(again.dir.Ini(), ini);  // what OK writes is what the next start reads back
}

TEST(MainWindow, RefusedWriteStopsSaveAllAndKeepsTheWindowOpen) {
  test::ScriptedWriter refuse({.passes = 0});
  Window w(kFile, {.writer = &refuse});
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", "DK0XX");
  w.Find<QPushButton>("Btn_OK")->click();
  ASSERT_EQ(w.modals.errors.size(), 1);
  EXPECT_EQ(w.modals.errors[0], "nach C:\\TARVO.INI kann nicht geschrieben werden.");
  EXPECT_EQ(w.modals.errorDetails, QStringList{"No space left on device"});  // the system's reason
  EXPECT_NE(w.form->result(), QDialog::Accepted);
  EXPECT_EQ(w.dir.Ini(), kFile);
}

TEST(MainWindow, LoadErrorsAreShownOnceTheWindowIsUp) {
  test::ScriptedWriter refuse({.passes = 0});
  Window w("[STATION]\r\nCALL=DL1ABC\r\n", {.writer = &refuse});
  EXPECT_EQ(w.form->LoadErrors().size(), 1u);
  OpenTab(w, "Station");
  EXPECT_EQ(w.Edit("Station_Edit_Call")->text(), "DL1ABC");
  QCoreApplication::processEvents();
  ASSERT_EQ(w.modals.errors.size(), 1);
  EXPECT_TRUE(w.modals.errors[0].endsWith("kann nicht geschrieben werden."));
}

// Presses Tab in the window until `name` has the focus; false when it never gets it.
bool TabTo(const char* name) {
  for (int i = 0; i < 40; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (QApplication::focusWidget()->objectName() == name) return true;
  }
  return false;
}

TEST(MainWindow, EnterPressesOkAfterAbortHadTheFocus) {
  Window w(kFile);
  auto* list = w.Find<QListWidget>("ListBox1");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  ASSERT_TRUE(list->hasFocus());
  ASSERT_TRUE(TabTo("Btn_Abort"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QLineEdit* qrg = w.Edit("TNC_Edit_QRG");
  QTest::mouseClick(qrg, Qt::LeftButton);
  ASSERT_TRUE(qrg->hasFocus());
  qrg->selectAll();
  QTest::keyClicks(qrg, "145.5");
  QTest::keyClick(qrg, Qt::Key_Return);
  EXPECT_EQ(w.form->result(), QDialog::Accepted);
  EXPECT_NE(w.dir.Ini().find("TNC0=3,248,9600,8,1,1,145.500,"), std::string::npos) << w.dir.Ini();
}

// Esc in a field goes on to the window, which asks; Cancel keeps the window and the change.
TEST(MainWindow, EscapeKeepsTheWindowOpen) {
  Window w(kFile);
  w.modals.choiceAnswer = 2;  // Cancel
  QLineEdit* qrg = w.Edit("TNC_Edit_QRG");
  QTest::mouseClick(qrg, Qt::LeftButton);
  qrg->selectAll();
  QTest::keyClicks(qrg, "145.5");
  QTest::keyClick(qrg, Qt::Key_Escape);
  QTest::keyClick(w.form.get(), Qt::Key_Escape);
  EXPECT_EQ(w.modals.questions, QStringList({"Save the changes?", "Save the changes?"}));
  EXPECT_TRUE(w.form->isVisible());
  EXPECT_EQ(w.form->result(), 0);
  EXPECT_EQ(qrg->text(), "145.5");
  w.Find<QPushButton>("Btn_OK")->click();
  EXPECT_NE(w.dir.Ini().find(",145.500,"), std::string::npos);
}

// Esc and the close button close at once when OK would write what the file holds; with a
// change they ask, and Save, Discard and Cancel do what they say.
TEST(MainWindow, LeavingAsksOnlyWithChanges) {
  enum class Leave { Esc, CloseButton };
  enum Answer { Save, Discard, Cancel };
  struct Edit {
    const char* name;
    std::function<void(Window&)> make;
    bool changed;
  };
  // The same file with the call in small letters, which the Station page shows in capitals.
  std::string file = kFile;
  file.replace(file.find("DL1ABCDEFGHI"), 12, "dl1abcdefghi");
  const Edit edits[] = {
      {"none", [](Window&) {}, false},
      {"a page opened", [](Window& w) { test::OpenTab(w, "Station"); }, false},
      {"a typed value", [](Window& w) { w.Type("TNC_Edit_QRG", "145.5"); }, true},
  };
  for (const Edit& edit : edits)
    for (const Leave leave : {Leave::Esc, Leave::CloseButton})
      for (const Answer answer : {Save, Discard, Cancel}) {
        SCOPED_TRACE(std::string(edit.name) + (leave == Leave::Esc ? ", Esc, " : ", close button, ") + "answer " +
                     std::to_string(answer));
        Window w(file);
        w.modals.choiceAnswer = answer;
        edit.make(w);
        if (leave == Leave::Esc)
          QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
          w.form->close();
        if (!edit.changed) {
          EXPECT_TRUE(w.modals.questions.isEmpty());
          EXPECT_FALSE(w.form->isVisible());
          EXPECT_EQ(w.form->result(), QDialog::Rejected);
          EXPECT_EQ(w.dir.Ini(), file);
          continue;
        }
        EXPECT_EQ(w.modals.questions, QStringList{"Save the changes?"});
        EXPECT_EQ(w.modals.choices, QStringList({"&Save", "&Discard", "&Cancel"}));
        EXPECT_EQ(w.form->isVisible(), answer == Cancel);
        EXPECT_EQ(w.form->result(), answer == Save ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(w.dir.Ini().find(",145.500,") != std::string::npos, answer == Save);
        EXPECT_EQ(w.Edit("TNC_Edit_QRG")->text(), "145.5");
      }
}

TEST(MainWindow, AnUnreadableFileIsReportedAndNothingIsWritten) {
  test::ProgramDir dir("", false);
  std::filesystem::create_directory(dir.IniPath());  // a folder named TARVO.INI: nothing to read
  Config config(dir.Files());
  test::RecordedModals modals;
  TForm2 form(config, modals);
  form.show();
  QCoreApplication::processEvents();
  ASSERT_FALSE(modals.errors.isEmpty());
  EXPECT_TRUE(modals.errors[0].startsWith("von C:\\TARVO.INI kann nicht gelesen werden"))
      << modals.errors[0].toStdString();
  EXPECT_EQ(form.result(), QDialog::Rejected);  // the window closes: its pages hold no settings
  EXPECT_FALSE(form.isVisible());
  form.findChild<QPushButton*>("Btn_OK")->click();
  EXPECT_TRUE(std::filesystem::is_empty(dir.IniPath()));
  EXPECT_FALSE(std::filesystem::exists(dir.dir / "READ"));  // no directory was made either
}

TEST(StationPage, CharactersOutsideWindowsAnsiCannotBeTyped) {
  Window w(kFile);
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", QString::fromUtf8("a\xD0\x96"
                                                "b"));  // Cyrillic Zhe is dropped
  EXPECT_EQ(w.Edit("Station_Edit_Call")->text(), "AB");
  test::TypeText(w.Edit("Station_Edit_Call"), QString::fromUtf8("\xE2\x82\xAC"));  // Windows-1252 has the euro sign
  EXPECT_EQ(w.Edit("Station_Edit_Call")->text(), QString::fromUtf8("AB\xE2\x82\xAC"));
}

}  // namespace
}  // namespace trv
