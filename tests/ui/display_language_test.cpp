#include <gtest/gtest.h>

#include <QCheckBox>
#include <filesystem>

#include "page_tabs.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::ClickBox;
using test::OpenTab;
using test::PressOk;
using test::Window;
using test::Written;

// An unusable entry gives way to the default also when a click elsewhere leaves the edit.
TEST(DisplayPage, LeavingAnEditByAClickReplacesAnUnusableEntry) {
  Window w("");
  OpenTab(w, "Display");
  w.Type("Disp_Edit_MaxRXLines", "12a");
  ClickBox(w.Find<QCheckBox>("Disp_CB_SaveTX"));
  EXPECT_EQ(w.Edit("Disp_Edit_MaxRXLines")->text(), "100");
}

TEST(DisplayPage, OkChecksTheEditThatStillHasTheFocus) {
  Window w("[DISPLAY]\r\nSBL=30000\r\nMEL=500\r\n");
  OpenTab(w, "Display");
  EXPECT_EQ(w.Edit("Disp_Edit_MaxRXLines")->text(), "30000");
  w.Type("Disp_Edit_MaxRXLines", "2000");
  w.Type("Disp_Edit_MaxTXLines", "0");
  ASSERT_TRUE(w.Edit("Disp_Edit_MaxTXLines")->hasFocus());
  QTest::keyClick(w.Edit("Disp_Edit_MaxTXLines"), Qt::Key_Return);  // the default button: OK
  EXPECT_TRUE(w.form->isVisible());                                 // the replacement is shown first, not saved unseen
  EXPECT_EQ(w.Edit("Disp_Edit_MaxTXLines")->text(), "50");
  QTest::keyClick(w.Edit("Disp_Edit_MaxTXLines"), Qt::Key_Return);
  EXPECT_EQ(w.form->result(), QDialog::Accepted);
  EXPECT_EQ(Written(w, "DISPLAY", "SBL"), "2000");
  EXPECT_EQ(Written(w, "DISPLAY", "MEL"), "50");
}

// A program directory whose LANGUAGE folder holds the given files.
Window WithLanguageFiles(const std::string& ini, std::vector<std::string> files) {
  return Window(ini, {}, [files](const test::ProgramDir& dir) {
    for (const auto& name : files) test::WriteFile(dir.dir / ("LANGUAGE/" + name), "");
  });
}

QStringList Items(QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

TEST(LanguagePage, ListsTheLanguageFilesAndSelectsByPrefixWithoutRegardToCase) {
  Window w = WithLanguageFiles("[LANGUAGE]\r\nVISUAL=english.dll\r\n",
                               {"deutsch.dll", "English.DLL", "ENGLISH.WLF", "Deutsch.wlf", "README.TXT"});
  OpenTab(w, "Languages");
  QComboBox* visual = w.Combo("Lang_Combo_Visual");
  QComboBox* output = w.Combo("Lang_Combo_Output");
  EXPECT_EQ(Items(visual), (QStringList{"DEUTSCH.DLL", "ENGLISH.DLL"}));
  EXPECT_EQ(Items(output), (QStringList{"DEUTSCH.WLF", "ENGLISH.WLF"}));
  EXPECT_EQ(visual->currentText(), "ENGLISH.DLL");
  EXPECT_EQ(output->currentText(), "DEUTSCH.WLF");  // the default output DEUTSCH has no extension
  PressOk(w);
  EXPECT_EQ(Written(w, "LANGUAGE", "VISUAL"), "ENGLISH.DLL");
  EXPECT_EQ(Written(w, "LANGUAGE", "OUTPUT"), "DEUTSCH.WLF");

  // The next start selects the same items, and OK then changes nothing.
  const std::string saved = w.dir.Ini();
  Window again = WithLanguageFiles(saved, {"deutsch.dll", "English.DLL", "ENGLISH.WLF", "Deutsch.wlf"});
  OpenTab(again, "Languages");
  EXPECT_EQ(again.Combo("Lang_Combo_Visual")->currentText(), "ENGLISH.DLL");
  EXPECT_EQ(again.Combo("Lang_Combo_Output")->currentText(), "DEUTSCH.WLF");
  PressOk(again);
  EXPECT_EQ(again.dir.Ini(), saved);
}

TEST(LanguagePage, TheUsersChoiceIsStored) {
  Window w = WithLanguageFiles("", {"DEUTSCH.DLL", "ENGLISH.DLL", "DEUTSCH.WLF", "ENGLISH.WLF"});
  OpenTab(w, "Languages");
  QComboBox* output = w.Combo("Lang_Combo_Output");
  output->setFocus();
  QTest::keyClick(output, Qt::Key_Down);
  EXPECT_EQ(output->currentText(), "ENGLISH.WLF");
  PressOk(w);
  EXPECT_EQ(Written(w, "LANGUAGE", "OUTPUT"), "ENGLISH.WLF");
  EXPECT_EQ(Written(w, "LANGUAGE", "VISUAL"), "DEUTSCH.DLL");
}

TEST(LanguagePage, UnmatchedNamesTakeTheFirstFileAndEmptyListsTheDefaults) {
  {
    Window w = WithLanguageFiles("[LANGUAGE]\r\nVISUAL=KLINGON.DLL\r\nOUTPUT=\r\n", {"ZULU.DLL", "ALPHA.DLL"});
    OpenTab(w, "Languages");
    EXPECT_EQ(w.Combo("Lang_Combo_Visual")->currentText(), "ALPHA.DLL");
    EXPECT_EQ(w.Combo("Lang_Combo_Output")->count(), 0);
    EXPECT_EQ(w.Combo("Lang_Combo_Output")->currentIndex(), -1);
    PressOk(w);
    EXPECT_EQ(Written(w, "LANGUAGE", "VISUAL"), "ALPHA.DLL");
    EXPECT_EQ(Written(w, "LANGUAGE", "OUTPUT"), "DEUTSCH");
  }
  {
    Window w = WithLanguageFiles("[LANGUAGE]\r\nVISUAL=\r\n", {"ZULU.WLF"});
    OpenTab(w, "Languages");
    EXPECT_EQ(w.Combo("Lang_Combo_Visual")->count(), 0);
    EXPECT_EQ(w.Combo("Lang_Combo_Output")->currentText(), "ZULU.WLF");
    PressOk(w);
    EXPECT_EQ(Written(w, "LANGUAGE", "VISUAL"), "DEUTSCH.DLL");
    EXPECT_EQ(Written(w, "LANGUAGE", "OUTPUT"), "ZULU.WLF");
  }
}

// A LANGUAGE folder that cannot be listed (a symlink loop here) is no empty folder: at start it
// is an error box and nothing is written; when it fails later, the page says so and keeps the
// values as they are, and OK does not replace them by the defaults.
TEST(LanguagePage, AFolderThatCannotBeListedReplacesNothing) {
  const std::string ini = "[LANGUAGE]\r\nVISUAL=ENGLISH.DLL\r\nOUTPUT=ENGLISH.WLF\r\n";
  const auto loop = [](const test::ProgramDir& dir) {
    std::filesystem::create_directory_symlink("LANGUAGE", dir.dir.path() / "LANGUAGE");
  };
  {
    test::ProgramDir dir(ini);
    loop(dir);
    Config config(dir.Files());
    test::RecordedModals modals;
    TForm2 form(config, modals);
    form.show();
    QTest::qWait(0);
    ASSERT_EQ(modals.errors.size(), 1);
    EXPECT_TRUE(modals.errors[0].contains("LANGUAGE\\ kann nicht gelesen werden")) << modals.errors[0].toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(dir.Ini(), ini);  // not even the keys that loading adds
  }
  Window w = WithLanguageFiles(ini, {"ENGLISH.DLL", "ENGLISH.WLF"});
  std::filesystem::remove_all(w.dir.dir.path() / "LANGUAGE");
  loop(w.dir);
  OpenTab(w, "Languages");
  ASSERT_EQ(w.modals.errors.size(), 1);
  EXPECT_EQ(w.Combo("Lang_Combo_Visual")->currentText(), "ENGLISH.DLL");
  EXPECT_EQ(w.Combo("Lang_Combo_Output")->currentText(), "ENGLISH.WLF");
  PressOk(w);
  EXPECT_EQ(Written(w, "LANGUAGE", "VISUAL"), "ENGLISH.DLL");
  EXPECT_EQ(Written(w, "LANGUAGE", "OUTPUT"), "ENGLISH.WLF");
}

}  // namespace
}  // namespace trv
