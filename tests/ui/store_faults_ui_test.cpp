// The window against file systems that refuse, end to end: an immutable file and a full disk
// keep the main window and the edit-section dialog open with their error, and the file as it
// was; a line break pasted into any line edit never reaches the file.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <filesystem>

#include "page_tabs.h"
#include "ui/dialogs/edit_section_form.h"
#include "ui_test_util.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::OpenTab;
using test::Window;

// A file that load all leaves as it is.
const std::string kFile = test::IniFixture("settled.ini");
const QString kWriteError = "nach C:\\TARVO.INI kann nicht geschrieben werden.";

// chattr +i for the life of the guard.
class Immutable {
 public:
  explicit Immutable(std::string path) : path_(std::move(path)) {
    set_ = std::system(("chattr +i '" + path_ + "' 2>/dev/null").c_str()) == 0;
  }
  ~Immutable() {
    if (set_) std::system(("chattr -i '" + path_ + "'").c_str());
  }
  bool Set() const { return set_; }

 private:
  std::string path_;
  bool set_;
};

// Edits the TNC's initialisation block in the edit-section dialog and presses OK; whether the
// dialog was still open after OK.
bool EditBlockAndPressOk(Window& w) {
  bool openAfterOk = false;
  w.modals.onDialog = [&](QDialog& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);  // as the modal loop does
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* memo = dialog.findChild<QPlainTextEdit*>("Memo1");
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(memo, "x");
    dialog.findChild<QPushButton*>("Btn_OK")->click();
    openAfterOk = dialog.isVisible() && dialog.result() != QDialog::Accepted;
    if (dialog.isVisible()) dialog.findChild<QPushButton*>("Btn_Abort")->click();
    return dialog.result();
  };
  w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
  return openAfterOk;
}

TEST(RefusingFileSystems, AnImmutableFileKeepsTheWindowAndTheDialogOpen) {
  Window w(kFile);
  ASSERT_TRUE(w.modals.errors.isEmpty());
  Immutable immutable(w.dir.IniPath());
  if (!immutable.Set()) GTEST_SKIP() << "chattr +i is not allowed here";
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", "DK0XX");
  w.Find<QPushButton>("Btn_OK")->click();
  EXPECT_EQ(w.modals.errors, QStringList{kWriteError});
  EXPECT_TRUE(w.form->isVisible());
  EXPECT_NE(w.form->result(), QDialog::Accepted);
  EXPECT_TRUE(EditBlockAndPressOk(w)) << w.modals.errors.join("|").toStdString();
  EXPECT_EQ(w.modals.errors, (QStringList{kWriteError, kWriteError}));
  EXPECT_EQ(w.dir.Ini(), kFile);
}

// Loading adds the colour keys and the folder is checked for writes: one refusal, one box,
// with the system's reason.
TEST(RefusingFileSystems, AnImmutableFileMissingColourKeysGivesOneErrorWithItsReason) {
  std::unique_ptr<Immutable> immutable;
  auto w = std::make_unique<Window>("[STATION]\r\nCALL=DL1ABC\r\n", StoreOptions{}, [&](const test::ProgramDir& dir) {
    immutable = std::make_unique<Immutable>(dir.IniPath());
  });
  if (!immutable->Set()) GTEST_SKIP() << "chattr +i is not allowed here";
  QCoreApplication::processEvents();
  EXPECT_EQ(w->modals.errors, QStringList{kWriteError});
  EXPECT_EQ(w->modals.errorDetails, QStringList{"Operation not permitted"});
  immutable.reset();  // before the folder is removed
}

TEST(RefusingFileSystems, AFullDiskKeepsTheWindowOpenAndTheFileAsItWas) {
  test::TempDir tmp;
  const fs::path disk = tmp.path() / "disk";
  fs::create_directories(disk);
  if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "cannot mount a tmpfs here";
  std::string file = kFile;
  for (int block = 0; file.size() < 40'000; ++block) file += "[BLOCK" + std::to_string(block) + "]\r\n0=ESC M\r\n";
  {
    test::WriteFile((disk / "TARVO.INI").string(), file);
    Config config(HostFileSystem(DriveTable({{'C', disk.string()}}), "C:\\"));
    test::RecordedModals modals;
    auto form = std::make_unique<TForm2>(config, modals);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QCoreApplication::processEvents();
    EXPECT_TRUE(modals.errors.isEmpty());
    test::OpenTabIn(*form, "Station");
    auto* call = form->findChild<QLineEdit*>("Station_Edit_Call");
    call->setFocus();
    call->selectAll();
    QTest::keyClicks(call, "DK0XX");
    for (auto* ok : form->findChildren<QPushButton*>("Btn_OK"))  // the main window's, not the dialog's
      if (ok->window() == form.get()) ok->click();
    // The backup of the file as it was is the first write, and no room is left for it.
    EXPECT_EQ(modals.errors, QStringList{"nach C:\\TARVO.BAK kann nicht geschrieben werden."})
        << modals.errors.join("|").toStdString();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(test::ReadFile((disk / "TARVO.INI").string()), file);
    for (const auto& entry : fs::directory_iterator(disk))  // no half-written file is left behind
      EXPECT_TRUE(entry.is_directory() || entry.path().filename() == "TARVO.INI") << entry.path();
  }
  ::umount(disk.c_str());
}

TEST(PastedLineBreaks, NeverReachTheFileFromAnyLineEdit) {
  Window w(kFile);
  const QString forged = "X\r\n[FORGED]\r\nK=1\rY\nZ";
  int pasted = 0;
  auto* tabs = w.Find<QTabWidget>("PageControl1");
  for (int page = 0; page < tabs->count(); ++page) {
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(page).center());
    for (QLineEdit* edit : tabs->widget(page)->findChildren<QLineEdit*>()) {
      if (!edit->isVisible() || edit->isReadOnly() || !edit->isEnabled()) continue;
      QGuiApplication::clipboard()->setText(forged);
      QTest::mouseClick(edit, Qt::LeftButton);
      edit->selectAll();
      QTest::keySequence(edit, QKeySequence::Paste);
      EXPECT_FALSE(edit->text().contains('\r') || edit->text().contains('\n')) << edit->objectName().toStdString();
      ++pasted;
    }
  }
  EXPECT_GE(pasted, 20);
  for (int press = 0; press < 2 && w.form->isVisible(); ++press) {  // the first shows what number fields made of it
    QCoreApplication::processEvents();
    w.Find<QPushButton>("Btn_OK")->click();
  }
  const std::string ini = w.dir.Ini();
  EXPECT_EQ(ini.find("[FORGED]"), std::string::npos) << ini;
  EXPECT_EQ(ini.find("\nK=1"), std::string::npos) << ini;
  EXPECT_NE(ini.find("\r\nCALL=X\r\n"), std::string::npos) << ini;  // the pasted first line, and OK wrote it
  EXPECT_EQ(ini.substr(0, 8), "; mine\r\n");
  EXPECT_NE(ini.find("[DEFINI]\r\n0=ESC M UISC\r\n"), std::string::npos);
}

// Another process holds the folder's lock: the window says what it waits for, and Cancel in
// that message (or ten seconds) ends the wait with an error naming the folder; nothing is
// written. At start the window then closes, since its pages hold no settings.
TEST(HeldFolderLock, IsWaitedForWithAMessageThatCancelsTheWait) {
  test::ProgramDir dir("[STATION]\r\nCALL=DL1ABC\r\n");  // load all would add the colour keys
  const std::string folder = dir.dir.path().string();
  const QString waiting = QString::fromStdString("Another program is working in the folder " + folder + ".\n");
  const QString error =
      QString::fromStdString("The folder " + folder + " is locked by another program; the wait was cancelled.");
  {
    test::ForeignFolderLock foreign(folder);
    Config config(dir.Files());
    test::RecordedModals modals;
    modals.cancelWaitAfter = 3;
    TForm2 form(config, modals);
    form.show();
    QCoreApplication::processEvents();
    ASSERT_EQ(modals.waits.size(), 1);
    EXPECT_TRUE(modals.waits[0].startsWith(waiting)) << modals.waits[0].toStdString();
    EXPECT_FALSE(modals.waiting);  // the message is gone
    EXPECT_EQ(modals.errors, QStringList{error});
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(dir.Ini(), "[STATION]\r\nCALL=DL1ABC\r\n");
    EXPECT_FALSE(fs::exists(dir.dir / "READ"));
  }

  Window w(kFile);
  OpenTab(w, "Station");
  w.Type("Station_Edit_Call", "DL2XYZ");
  const std::string before = w.dir.Ini();
  test::ForeignFolderLock foreign(w.dir.dir.path().string());
  w.modals.cancelWaitAfter = w.modals.waitCalls + 2;
  w.Find<QPushButton>("Btn_OK")->click();
  ASSERT_EQ(w.modals.waits.size(), 1);
  EXPECT_EQ(w.modals.errors.size(), 1);
  EXPECT_TRUE(w.form->isVisible());
  EXPECT_EQ(w.dir.Ini(), before);
  foreign.Release();
  w.Find<QPushButton>("Btn_OK")->click();  // the lock is free: saved at once, without a word
  EXPECT_EQ(w.modals.waits.size(), 1);
  EXPECT_NE(w.dir.Ini().find("CALL=DL2XYZ\r\n"), std::string::npos);
}

}  // namespace
}  // namespace trv
