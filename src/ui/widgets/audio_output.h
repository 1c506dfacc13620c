#pragma once
// Where the wave player's samples go. The program plays to the default audio output; the
// tests put a fake in its place, so they run without a sound device.
#include <QAudioFormat>
#include <QObject>
#include <QString>
#include <memory>

class QAudioSink;
class QIODevice;

namespace trv {

class AudioOutput : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  // Starts pulling samples from `source` and returns at once; the reason when the output
  // cannot play them.
  virtual QString Start(QIODevice& source, const QAudioFormat& format) = 0;
  virtual void Suspend() = 0;
  virtual void Resume() = 0;
  virtual void Stop() = 0;

 signals:
  // The source was played to its end.
  void Finished();
  // The output broke off while playing.
  void Failed(const QString& reason);
};

// The system's default audio output through Qt Multimedia, looked up at every start: a
// machine without one fails only when asked to play.
class DefaultAudioOutput : public AudioOutput {
  Q_OBJECT

 public:
  using AudioOutput::AudioOutput;
  ~DefaultAudioOutput() override;
  QString Start(QIODevice& source, const QAudioFormat& format) override;
  void Suspend() override;
  void Resume() override;
  void Stop() override;

 private:
  void SinkStateChanged(int state);

  QAudioSink* sink_ = nullptr;
  QIODevice* source_ = nullptr;
};

}  // namespace trv
