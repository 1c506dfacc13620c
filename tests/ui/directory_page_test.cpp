#include "ui/pages/directory_page.h"

#include <gtest/gtest.h>

#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>

#include "page_tabs.h"
#include "ui/widgets/directory_tree.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::OpenTab;
using test::PressOk;

// A main window whose program directory is C:\ on one temporary folder, with a second drive
// D:\ on another.
struct TwoDriveWindow {
  explicit TwoDriveWindow(const std::string& ini, const std::function<void(const test::ProgramDir&)>& prepare = {})
      : dir(ini), config(HostFileSystem(DriveTable({{'C', Host('C')}, {'D', Host('D')}}), "C:\\")) {
    if (prepare) prepare(dir);
    form = std::make_unique<TForm2>(config, modals);
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  std::string Host(char drive) const { return (drive == 'C' ? dir.dir : other).path().string(); }

  test::ProgramDir dir;
  test::TempDir other;
  test::RecordedModals modals;
  Config config;
  std::unique_ptr<TForm2> form;
};

const std::string kDirs = "[DIR]\r\nRD=R\\\r\nWD=W\\\r\nMD=M\\\r\nID=I\\\r\nPD=P\\\r\nSD=S\\\r\nTD=T\\\r\n";

class DirectoryPageTest : public ::testing::Test {
 protected:
  explicit DirectoryPageTest(const std::string& ini = kDirs,
                             const std::function<void(const test::ProgramDir&)>& prepare = {})
      : w(ini, prepare) {
    OpenTab(w, "Directory");
    page = w.form->findChild<DirectoryPage*>("TabSheet4");
    list = w.form->findChild<QListWidget*>("Dir_Lb_Dir");
    edit = w.form->findChild<QLineEdit*>("Dir_Edit_Path");
    tree = w.form->findChild<DirectoryTree*>("DirectoryListBox1");
    drives = w.form->findChild<QComboBox*>("DriveComboBox1");
  }
  void Select(int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    ASSERT_EQ(list->currentRow(), row);
  }
  // Clicks the directory `name` among the children of the tree's current directory, once the
  // tree has loaded them.
  void ClickChild(const QString& name) {
    QModelIndex child;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
          const QModelIndex parent = tree->currentIndex();  // rows coming in make older indexes stale
          for (int row = 0; row < tree->model()->rowCount(parent); ++row)
            if (tree->model()->index(row, 0, parent).data() == name) child = tree->model()->index(row, 0, parent);
          return child.isValid() && tree->visualRect(child).isValid();
        },
        5000))
        << name.toStdString();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(child).center());
  }
  void TypePath(const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    test::TypeText(edit, text);
  }
  QString HostPath(char drive, const std::string& below = {}) const {
    return QString::fromStdString(below.empty() ? w.Host(drive) : w.Host(drive) + "/" + below);
  }
  const Directories& Dirs() const { return w.config.Dirs; }

  TwoDriveWindow w;
  DirectoryPage* page;
  QListWidget* list;
  QLineEdit* edit;
  DirectoryTree* tree;
  QComboBox* drives;
};

TEST_F(DirectoryPageTest, LoadShowsTheFirstItemAsTheTreeReportsIt) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  EXPECT_EQ(items,
            (QStringList{"dir for //RPRG and //R", "dir for //WPRG and //W", "dir for mailbox", "dir for 7Plus files",
                         "dir for wave files", "dir for import files", "dir for temporary files"}));
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(tree->CurrentPath(), HostPath('C', "R"));
  EXPECT_EQ(edit->text(), "C:\\R");  // the relative R\ as the tree reports it
  EXPECT_EQ(Dirs().GetReadDir(), "C:\\R\\");
  EXPECT_EQ(drives->currentText().left(2), "C:");
}

// Items 3, 4 and 5 are the 7Plus, wave and import directories, not the order of the keys.
TEST_F(DirectoryPageTest, EachItemShowsItsOwnDirectory) {
  QSignalSpy wave(page, &DirectoryPage::WaveDirectoryChanged);
  const char* shown[] = {"C:\\R", "C:\\W", "C:\\M", "C:\\P", "C:\\S", "C:\\I", "C:\\T"};
  for (int row = 6; row >= 0; --row) {
    Select(row);
    EXPECT_EQ(edit->text(), shown[row]);
  }
  EXPECT_EQ(Dirs().GetSevenPlusDir(), "C:\\P\\");
  EXPECT_EQ(Dirs().GetWaveDir(), "C:\\S\\");
  EXPECT_EQ(Dirs().GetImportDir(), "C:\\I\\");
  ASSERT_EQ(wave.count(), 1);
  EXPECT_EQ(wave.at(0).at(0).toString(), "C:\\S");
}

TEST_F(DirectoryPageTest, TheWaveDirectoryReachesTheSoundPageLabel) {
  auto* label = w.form->findChild<QLabel*>("Sound_Lbl_Path");
  ASSERT_NE(label, nullptr);
  Select(4);
  TypePath("D:\\SOUNDS");
  EXPECT_EQ(label->text(), "D:\\SOUNDS");
}

TEST_F(DirectoryPageTest, TypingStoresEveryKeystrokeWithTheBackslash) {
  Select(4);
  QSignalSpy wave(page, &DirectoryPage::WaveDirectoryChanged);
  TypePath("D:\\SOUNDS");
  EXPECT_EQ(edit->text(), "D:\\SOUNDS");
  EXPECT_EQ(Dirs().GetWaveDir(), "D:\\SOUNDS\\");
  ASSERT_FALSE(wave.isEmpty());
  EXPECT_EQ(wave.last().at(0).toString(), "D:\\SOUNDS");  // as typed, without the added backslash
  QStringList labels;
  for (const auto& call : wave) labels << call.at(0).toString();
  EXPECT_TRUE(labels.contains("D:\\SOUN"));
  // Not on disk: the tree shows the nearest existing parent, the edit keeps the typed text.
  EXPECT_EQ(tree->CurrentPath(), HostPath('D'));
  EXPECT_EQ(drives->currentText().left(2), "D:");
  EXPECT_EQ(Dirs().GetReadDir(), "C:\\R\\");

  TypePath("c:\\s\\new");  // an existing parent in other letter case
  EXPECT_EQ(tree->CurrentPath(), HostPath('C', "S"));
  EXPECT_EQ(edit->text(), "c:\\s\\new");
  EXPECT_EQ(Dirs().GetWaveDir(), "c:\\s\\new\\");
}

TEST_F(DirectoryPageTest, ClearingStoresAnEmptyDirectoryAndOkWritesIt) {
  Select(1);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(Dirs().GetWriteDir(), "");
  PressOk(w);
  EXPECT_NE(w.dir.Ini().find("\r\nWD=\r\n"), std::string::npos) << w.dir.Ini();
}

TEST_F(DirectoryPageTest, ClickingADirectoryInTheTreePutsItIntoTheEdit) {
  Select(2);
  ClickChild("SF");  // a subdirectory that reading the DIR section made in the mailbox directory
  EXPECT_EQ(edit->text(), "C:\\M\\SF");
  EXPECT_EQ(Dirs().GetMailDir(), "C:\\M\\SF\\");
}

TEST_F(DirectoryPageTest, TheDriveSelectorSwitchesTheTree) {
  std::filesystem::create_directory(w.Host('D') + "/SOUNDS");
  Select(4);
  QStringList names;
  for (int i = 0; i < drives->count(); ++i) names << drives->itemText(i).left(2);
  EXPECT_EQ(names, (QStringList{"C:", "D:"}));
  drives->setFocus();
  QTest::keyClick(drives, Qt::Key_Down);
  EXPECT_EQ(tree->Root(), HostPath('D'));
  EXPECT_EQ(tree->CurrentPath(), HostPath('D'));
  EXPECT_EQ(edit->text(), "D:\\");
  EXPECT_EQ(Dirs().GetWaveDir(), "D:\\");
  ClickChild("SOUNDS");
  EXPECT_EQ(edit->text(), "D:\\SOUNDS");
  EXPECT_EQ(Dirs().GetWaveDir(), "D:\\SOUNDS\\");
}

// Directories that are not on disk (an unmapped drive, a name taken by a file) keep their text,
// and OK with nothing touched writes the section as the next start reads it.
class MissingDirectoryTest : public DirectoryPageTest {
 protected:
  MissingDirectoryTest()
      : DirectoryPageTest("[DIR]\r\nRD=C:\\AFILE\\SUB\\\r\nWD=Q:\\NOWHERE\\\r\nMD=\r\n",
                          [](const test::ProgramDir& dir) { test::WriteFile(dir.dir / "AFILE", "x"); }) {}
};

TEST_F(MissingDirectoryTest, KeepsItsTextAndTheTreeShowsTheNearestParent) {
  EXPECT_EQ(edit->text(), "C:\\AFILE\\SUB\\");
  EXPECT_EQ(tree->CurrentPath(), HostPath('C'));
  Select(1);
  EXPECT_EQ(edit->text(), "Q:\\NOWHERE\\");
  Select(2);
  EXPECT_EQ(edit->text(), "");
  PressOk(w);
  const std::string saved = w.dir.Ini();
  for (const char* line : {"RD=C:\\AFILE\\SUB\\\r\n", "WD=Q:\\NOWHERE\\\r\n", "MD=\r\n"})
    EXPECT_NE(saved.find(line), std::string::npos) << line << saved;

  TwoDriveWindow again(saved);
  PressOk(again);
  EXPECT_EQ(again.dir.Ini(), saved);
}

}  // namespace
}  // namespace trv
