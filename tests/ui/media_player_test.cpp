#include "ui/widgets/media_player.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "fake_audio_output.h"
#include "pulse_null_sink.h"
#include "ui/widgets/wave_stream.h"
#include "ui_test_util.h"
#include "wave_files.h"

namespace trv {
namespace {

using test::FakeAudioOutput;

QString Opened(const std::string& path) {
  QString error;
  const auto stream = WaveStream::Open(QString::fromStdString(path), &error);
  EXPECT_EQ(stream != nullptr, error.isEmpty());
  return stream ? QString("%1 Hz, %2 ch, %3 frames")
                      .arg(stream->Format().sampleRate())
                      .arg(stream->Format().channelCount())
                      .arg(stream->Frames())
                : error;
}

TEST(WaveStream, OpensWavesOfEveryEncodingAndRefusesTheRest) {
  test::TempDir dir;
  test::WriteSound(dir / "pcm16.wav", 0.5, 22050);
  test::WriteSound(dir / "u8.wav", 0.25, 8000, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_U8);
  test::WriteSound(dir / "float.wav", 0.1, 44100, 2, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
  test::WriteSound(dir / "sound.aiff", 0.1, 8000, 1, SF_FORMAT_AIFF | SF_FORMAT_PCM_16);
  test::WriteSound(dir / "three.wav", 0.1, 8000, 3);
  test::WriteSound(dir / "empty.wav", 0);
  test::WriteFile(dir / "text.wav", "RIFF? no, just text\r\n");
  test::WriteFile(dir / "short.wav", test::ReadFile(dir / "pcm16.wav").substr(0, 30));

  EXPECT_EQ(Opened(dir / "pcm16.wav"), "22050 Hz, 1 ch, 11025 frames");
  EXPECT_EQ(Opened(dir / "u8.wav"), "8000 Hz, 1 ch, 2000 frames");
  EXPECT_EQ(Opened(dir / "float.wav"), "44100 Hz, 2 ch, 4410 frames");
  EXPECT_EQ(Opened(dir / "sound.aiff"), "Not a wave file.");
  EXPECT_EQ(Opened(dir / "three.wav"), "Only mono and stereo wave files can be played.");
  EXPECT_EQ(Opened(dir / "empty.wav"), "The wave file holds no audio data.");
  EXPECT_EQ(Opened(dir / "text.wav"), "Format not recognised.");
  EXPECT_EQ(Opened(dir / "missing.wav"), "No such file or directory.");
  EXPECT_NE(Opened(dir / "short.wav").indexOf("data"), -1);  // libsndfile's own words
  // Only a regular file is a wave file; a FIFO without a writer must not block the opening.
  ASSERT_EQ(::mkfifo((dir / "fifo.wav").c_str(), 0600), 0);
  for (const std::string& other : {dir / "fifo.wav", dir.path().string(), std::string("/dev/null")})
    EXPECT_EQ(Opened(other), "Not a wave file.") << other;
}

TEST(WaveStream, ReadsEverySampleAndRewinds) {
  test::TempDir dir;
  test::WriteSound(dir / "stereo.wav", 0.5, 8000, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_U8);
  QString error;
  auto stream = WaveStream::Open(QString::fromStdString(dir / "stereo.wav"), &error);
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->Format().sampleFormat(), QAudioFormat::Int16);
  EXPECT_EQ(stream->bytesAvailable(), 4000 * 4);
  EXPECT_EQ(stream->read(7).size(), 4);  // whole frames only
  EXPECT_EQ(stream->readAll().size(), 4000 * 4 - 4);
  EXPECT_TRUE(stream->atEnd());
  stream->Rewind();
  EXPECT_FALSE(stream->atEnd());
  EXPECT_EQ(stream->readAll().size(), 4000 * 4);
}

class MediaPlayerTest : public ::testing::Test {
 protected:
  MediaPlayerTest() : states(&player, &MediaPlayer::StateChanged), failures(&player, &MediaPlayer::PlayFailed) {
    auto fake = std::make_unique<FakeAudioOutput>();
    output = fake.get();
    player.SetAudioOutput(std::move(fake));
    test::WriteSound(dir / "tone.wav", 0.5, 8000);
    test::WriteFile(dir / "text.wav", "text");
    player.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&player));
  }
  QToolButton* Button(const char* name) { return player.findChild<QToolButton*>(name); }
  void Press(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
  // The enabled buttons, as the user sees them.
  QString Enabled() {
    QString enabled;
    for (const char* name : {"Player_Btn_Play", "Player_Btn_Pause", "Player_Btn_Stop"})
      if (Button(name)->isEnabled()) enabled += QString(name).mid(11, 2);
    return enabled;
  }
  QString Open(const std::string& name) { return player.Open(QString::fromStdString(dir / name)); }

  test::TempDir dir;
  MediaPlayer player;
  FakeAudioOutput* output;
  QSignalSpy states, failures;
};

TEST_F(MediaPlayerTest, ButtonsFollowTheState) {
  EXPECT_EQ(Enabled(), "");
  EXPECT_EQ(Open("tone.wav"), "");
  EXPECT_EQ(Enabled(), "Pl");
  Press("Player_Btn_Play");
  EXPECT_EQ(player.State(), PlayerState::Playing);
  EXPECT_EQ(Enabled(), "PaSt");
  EXPECT_EQ(output->format.sampleRate(), 8000);
  Press("Player_Btn_Pause");
  EXPECT_EQ(Enabled(), "PlSt");
  Press("Player_Btn_Play");
  EXPECT_EQ(player.State(), PlayerState::Playing);
  Press("Player_Btn_Stop");
  EXPECT_EQ(Enabled(), "Pl");
  EXPECT_EQ(output->calls, (QStringList{"start", "suspend", "resume", "stop"}));
  player.Close();
  EXPECT_EQ(Enabled(), "");
  EXPECT_EQ(states.count(), 6);
}

TEST_F(MediaPlayerTest, PlaysToTheEndAndFromTheStartAgain) {
  Open("tone.wav");
  Press("Player_Btn_Play");
  EXPECT_EQ(output->PlayToEnd(), 4000 * 2);
  EXPECT_EQ(player.State(), PlayerState::Open);
  Press("Player_Btn_Play");
  EXPECT_EQ(output->PlayToEnd(), 4000 * 2);
  Press("Player_Btn_Play");
  Press("Player_Btn_Pause");
  Press("Player_Btn_Stop");
  Press("Player_Btn_Play");
  EXPECT_EQ(output->PlayToEnd(), 4000 * 2);  // a stop rewinds
}

TEST_F(MediaPlayerTest, FailuresLeaveThePlayerOpen) {
  Open("tone.wav");
  output->startError = "No audio output device";
  Press("Player_Btn_Play");
  ASSERT_EQ(failures.count(), 1);
  EXPECT_EQ(failures[0][0].toString(), "No audio output device");
  EXPECT_EQ(Enabled(), "Pl");

  output->startError.clear();
  Press("Player_Btn_Play");
  output->BreakOff("The audio output failed");
  EXPECT_EQ(failures.count(), 2);
  EXPECT_EQ(player.State(), PlayerState::Open);
}

TEST_F(MediaPlayerTest, AFileThatCannotBeOpenedClosesThePlayer) {
  Open("tone.wav");
  Press("Player_Btn_Play");
  EXPECT_EQ(Open("text.wav"), "Format not recognised.");
  EXPECT_EQ(player.State(), PlayerState::Closed);
  EXPECT_EQ(Enabled(), "");
  EXPECT_EQ(output->calls, (QStringList{"start", "stop"}));
}

// The default output, on a machine without one: opening works, Play says why it cannot.
TEST(MediaPlayerDevice, WithoutAudioOutputPlaySaysSo) {
  if (!QMediaDevices::audioOutputs().isEmpty()) GTEST_SKIP() << "this machine has an audio output";
  test::TempDir dir;
  test::WriteWave(dir / "tone.wav");
  MediaPlayer player;
  QSignalSpy failures(&player, &MediaPlayer::PlayFailed);
  player.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&player));
  EXPECT_EQ(player.Open(QString::fromStdString(dir / "tone.wav")), "");
  QTest::mouseClick(player.findChild<QToolButton*>("Player_Btn_Play"), Qt::LeftButton);
  ASSERT_EQ(failures.count(), 1);
  EXPECT_EQ(failures[0][0].toString(), "No audio output device");
  EXPECT_EQ(player.State(), PlayerState::Open);
}

// A real file on a real (null) output: Play returns at once, the stream reaches the server,
// and the player comes back to Open when the sound has played.
TEST(MediaPlayerDevice, PlaysOnANullSinkWithoutHoldingUpTheWindow) {
  test::PulseNullSink pulse;
  if (!pulse.Running()) GTEST_SKIP() << "no PulseAudio server: " << pulse.Why().toStdString();
  if (QMediaDevices::audioOutputs().isEmpty())
    GTEST_SKIP() << "Qt looked for audio devices before the server ran (run this test alone)";
  test::TempDir dir;
  test::WriteSound(dir / "tone.wav", 1.0, 22050);
  MediaPlayer player;
  player.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&player));
  ASSERT_EQ(player.Open(QString::fromStdString(dir / "tone.wav")), "");

  QElapsedTimer clock;
  clock.start();
  QTest::mouseClick(player.findChild<QToolButton*>("Player_Btn_Play"), Qt::LeftButton);
  EXPECT_LT(clock.elapsed(), 500);
  ASSERT_EQ(player.State(), PlayerState::Playing);
  QString inputs;
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        return pulse.Pactl({"list", "short", "sink-inputs"}, &inputs) && !inputs.isEmpty();
      },
      2000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return player.State() == PlayerState::Open; }, 5000));
  EXPECT_GE(clock.elapsed(), 800);  // played in real time
}

}  // namespace
}  // namespace trv
