#include "ui/pages/sound_page.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QAudioDevice>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMediaDevices>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "fake_audio_output.h"
#include "ui/widgets/media_player.h"
#include "ui_test_util.h"
#include "wave_files.h"

namespace trv {
namespace {

using test::ProgramDir;
using test::Window;

const std::string kIni =
    "[DIR]\r\nSD=C:\\WAVE\r\n[SOUND]\r\nSTARTUP=START.WAV\r\nRING=C:\\WAVE\\RING.WAV\r\n"
    "[EXTRA]\r\nWAVEMCI=1\r\nOLCSOUND=0\r\n";

// The wave directory C:\WAVE\ with two wave files, a text file and a subdirectory.
void LayOutWaves(const ProgramDir& dir) {
  test::WriteWave(dir.dir / "WAVE/START.WAV");
  test::WriteWave(dir.dir / "WAVE/RING.WAV");
  test::WriteFile(dir.dir / "WAVE/BAD.WAV", "not a wave\r\n");
  std::filesystem::create_directories(dir.dir.path() / "WAVE/SUB");
}

class SoundPageTest : public ::testing::Test {
 protected:
  explicit SoundPageTest(const std::string& ini = kIni)
      : w(ini, {}, LayOutWaves),
        list(w.Find<QListWidget>("Wave_Lb")),
        player(w.Find<MediaPlayer>("MediaPlayer1")),
        play(player->findChild<QToolButton*>("Player_Btn_Play")) {
    auto* tabs = w.Find<QTabWidget>("PageControl1");
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(6).center());
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet7");
  }
  void Select(int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    ASSERT_EQ(list->currentRow(), row);
  }
  QString Name() { return w.Edit("Sound_Edit_WaveName")->text(); }
  const std::string& Stored(int event) const { return w.config.Sound.WaveFiles[event]; }
  // Clicks into the edit and types over its text, letter by letter.
  void TypeName(const QString& text) {
    QLineEdit* edit = w.Edit("Sound_Edit_WaveName");
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    test::TypeText(edit, text);
  }
  // Clicks the box's indicator, at its left end.
  void ClickBox(const char* name) {
    QCheckBox* box = w.Find<QCheckBox>(name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  }
  test::FakeAudioOutput* UseFakeOutput() {
    auto fake = std::make_unique<test::FakeAudioOutput>();
    test::FakeAudioOutput* kept = fake.get();
    player->SetAudioOutput(std::move(fake));
    return kept;
  }

  Window w;
  QListWidget* list;
  MediaPlayer* player;
  QToolButton* play;
};

TEST_F(SoundPageTest, FillShowsDirectoryStartupFileAndSwitches) {
  EXPECT_EQ(w.Find<QLabel>("Sound_Lbl_Path")->text(), "C:\\WAVE\\");
  ASSERT_EQ(list->count(), 7);
  EXPECT_EQ(list->item(4)->text(), "Link failure");
  EXPECT_EQ(list->item(6)->text(), "Ctrl-G");
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(Name(), "C:\\WAVE\\START.WAV");
  EXPECT_EQ(player->State(), PlayerState::Open);
  EXPECT_TRUE(play->isEnabled());
  EXPECT_TRUE(w.Find<QCheckBox>("Extra_CB_UseMCI")->isChecked());
  EXPECT_FALSE(w.Find<QCheckBox>("Extra_CB_DisableSound")->isChecked());
  EXPECT_FALSE(w.Find<QCheckBox>("Extra_CB_LastConnectSound")->isChecked());
  EXPECT_TRUE(w.modals.errors.isEmpty());
}

// Only the name of an existing file is taken; a directory, a missing file or an empty edit
// leave the stored name as it was, and the player closed.
TEST_F(SoundPageTest, TakesOnlyNamesOfExistingFiles) {
  Select(1);  // Connect: no file yet, so the wave directory itself
  EXPECT_EQ(Name(), "C:\\WAVE\\");
  EXPECT_EQ(player->State(), PlayerState::Closed);
  EXPECT_FALSE(play->isEnabled());

  TypeName("C:\\WAVE\\SUB");
  EXPECT_EQ(Stored(1), "C:\\WAVE\\");
  TypeName("c:\\wave\\ring.wav");
  EXPECT_EQ(Stored(1), "c:\\wave\\ring.wav");
  EXPECT_EQ(player->State(), PlayerState::Open);
  TypeName("C:\\WAVE\\MISSING.WAV");
  EXPECT_EQ(Stored(1), "c:\\wave\\ring.wav");
  EXPECT_EQ(player->State(), PlayerState::Closed);
  TypeName("");
  EXPECT_EQ(Stored(1), "c:\\wave\\ring.wav");
  EXPECT_TRUE(w.modals.errors.isEmpty());

  Select(5);
  EXPECT_EQ(Name(), "C:\\WAVE\\RING.WAV");
  Select(1);
  EXPECT_EQ(Name(), "c:\\wave\\ring.wav");
  EXPECT_EQ(player->State(), PlayerState::Open);
}

TEST_F(SoundPageTest, FileThatIsNotAWaveIsStoredButReported) {
  Select(2);
  TypeName("C:\\WAVE\\BAD.WAV");
  ASSERT_EQ(w.modals.errors.size(), 1);
  EXPECT_EQ(w.modals.errors[0], "C:\\WAVE\\BAD.WAV:\nFormat not recognised.");
  EXPECT_EQ(Stored(2), "C:\\WAVE\\BAD.WAV");
  EXPECT_EQ(Name(), "C:\\WAVE\\BAD.WAV");
  EXPECT_EQ(player->State(), PlayerState::Closed);
  EXPECT_FALSE(play->isEnabled());

  // A FIFO never blocks the window: it is not a wave file.
  ASSERT_EQ(::mkfifo((w.dir.dir / "WAVE/PIPE.WAV").c_str(), 0600), 0);
  TypeName("C:\\WAVE\\PIPE.WAV");
  ASSERT_EQ(w.modals.errors.size(), 2);
  EXPECT_EQ(w.modals.errors[1], "C:\\WAVE\\PIPE.WAV:\nNot a wave file.");
}

TEST_F(SoundPageTest, FileDialogOpensInTheWaveDirectoryAndItsChoiceIsStored) {
  Select(3);
  w.modals.fileAnswer = QString::fromStdString(w.dir.dir / "WAVE/RING.WAV");
  QTest::mouseClick(w.Find<QToolButton>("Sound_Speed_Choose"), Qt::LeftButton);
  EXPECT_EQ(w.modals.questions, QStringList{"Choose wave file..."});
  EXPECT_EQ(Name(), "C:\\WAVE\\RING.WAV");
  EXPECT_EQ(Stored(3), "C:\\WAVE\\RING.WAV");
  EXPECT_EQ(player->State(), PlayerState::Open);

  w.modals.fileAnswer.clear();  // cancelled
  QTest::mouseClick(w.Find<QToolButton>("Sound_Speed_Choose"), Qt::LeftButton);
  EXPECT_EQ(Name(), "C:\\WAVE\\RING.WAV");
  EXPECT_EQ(player->State(), PlayerState::Open);
}

TEST_F(SoundPageTest, OkStoresTheSwitchesAndTheNames) {
  Select(6);
  TypeName("C:\\WAVE\\RING.WAV");
  ClickBox("Extra_CB_DisableSound");
  ClickBox("Extra_CB_UseMCI");
  w.Find<QPushButton>("Btn_OK")->click();
  const std::string ini = w.dir.Ini();
  EXPECT_NE(ini.find("CTRLG=C:\\WAVE\\RING.WAV"), std::string::npos);
  EXPECT_NE(ini.find("NOSOUND=1"), std::string::npos);
  EXPECT_NE(ini.find("WAVEMCI=0"), std::string::npos);
  EXPECT_NE(ini.find("OLCSOUND=0"), std::string::npos);
}

TEST_F(SoundPageTest, PlayFailureIsReportedAndThePlayerStaysOpen) {
  test::FakeAudioOutput* output = UseFakeOutput();
  output->startError = "No audio output device";
  QTest::mouseClick(play, Qt::LeftButton);
  EXPECT_EQ(w.modals.errors, QStringList{"No audio output device."});
  EXPECT_EQ(player->State(), PlayerState::Open);
}

TEST_F(SoundPageTest, ChangingTheNameWhilePlayingStopsThePlayer) {
  test::FakeAudioOutput* output = UseFakeOutput();
  QTest::mouseClick(play, Qt::LeftButton);
  ASSERT_EQ(player->State(), PlayerState::Playing);
  TypeName("C:\\WAVE\\RING.WAV");
  EXPECT_EQ(output->calls, (QStringList{"start", "stop"}));
  EXPECT_EQ(player->State(), PlayerState::Open);
}

TEST_F(SoundPageTest, TabGoesFromTheListThroughFileAndPlayerToTheSwitches) {
  Select(0);
  QStringList order;
  for (int i = 0; i < 5; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    order << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(order, (QStringList{"Sound_Edit_WaveName", "Sound_Speed_Choose", "Player_Btn_Play", "Extra_CB_UseMCI",
                                "Extra_CB_DisableSound"}));
}

TEST_F(SoundPageTest, DirectoryPageSetsTheDirectoryLabel) {
  w.form->findChild<SoundPage*>("TabSheet7")->SetWaveDirectoryLabel("D:\\SOUNDS\\");
  EXPECT_EQ(w.Find<QLabel>("Sound_Lbl_Path")->text(), "D:\\SOUNDS\\");
}

// A startup file the player cannot open is reported once the window is up; the sections after
// SOUND are loaded all the same.
TEST(SoundPageLoad, PlayerFailureDoesNotStopLoading) {
  Window w(
      "[DIR]\r\nSD=C:\\WAVE\r\n[SOUND]\r\nSTARTUP=BAD.WAV\r\n[EXTRA]\r\nNODECALL=DB0XYZ-3\r\n"
      "[MAILBOX]\r\nBOXCALL=DB0BOX-8\r\n[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\n"
      "TNC1=END OF BLOCK\r\n",
      {}, [](const ProgramDir& dir) {
        LayOutWaves(dir);
        test::WriteFile(dir.dir / "DRIVER.TNC/TNC2.TNC", "");
      });
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w.modals.errors.isEmpty(); }, 2000));
  EXPECT_EQ(w.modals.errors, QStringList{"C:\\WAVE\\BAD.WAV:\nFormat not recognised."});
  EXPECT_EQ(w.config.Extra.NodeCall, "DB0XYZ-3");
  EXPECT_EQ(w.config.Mailbox.BoxCall, "DB0BOX-8");
  EXPECT_EQ(w.config.TncCount, 1);
  EXPECT_EQ(w.Find<QListWidget>("ListBox1")->count(), 1);
  EXPECT_EQ(w.Edit("Sound_Edit_WaveName")->text(), "C:\\WAVE\\BAD.WAV");
}

}  // namespace
}  // namespace trv
