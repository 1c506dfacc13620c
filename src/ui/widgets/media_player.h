#pragma once
// The wave player: Play, Pause and Stop for one wave file. The buttons enable themselves
// from the state: nothing open, all disabled; open, Play; playing, Pause and Stop; paused,
// Play and Stop. Opening reads only the header and playing runs in the background, so
// neither holds up the window.
#include <QString>
#include <QWidget>
#include <memory>

class QToolButton;

namespace trv {

class AudioOutput;
class WaveStream;

enum class PlayerState { Closed, Open, Playing, Paused };

class MediaPlayer : public QWidget {
  Q_OBJECT

 public:
  explicit MediaPlayer(QWidget* parent = nullptr);
  ~MediaPlayer() override;

  // Replaces the default audio output, which is made at the first Play (the tests put a
  // fake here).
  void SetAudioOutput(std::unique_ptr<AudioOutput> output);

  // Opens a wave file; on failure the reason, and the player stays closed.
  QString Open(const QString& hostPath);
  void Close();
  PlayerState State() const { return state_; }
  bool IsOpen() const { return state_ != PlayerState::Closed; }

  void Play();
  void Pause();
  void Stop();

 signals:
  void StateChanged(trv::PlayerState state);
  // Play failed (no audio output, say) or the output broke off while playing.
  void PlayFailed(const QString& reason);

 private:
  QToolButton* AddButton(const char* name, const QString& tip, const QIcon& icon);
  void SetState(PlayerState state);
  void EnableButtons();
  void OutputFailed(const QString& reason);

  QToolButton* play_;
  QToolButton* pause_;
  QToolButton* stop_;
  std::unique_ptr<AudioOutput> output_;  // none before the first Play
  std::unique_ptr<WaveStream> stream_;
  PlayerState state_ = PlayerState::Closed;
};

}  // namespace trv
