#pragma once
// An audio output that plays nothing: it records what the player asks of it and finishes or
// fails when the test says so.
#include <QIODevice>
#include <QStringList>

#include "ui/widgets/audio_output.h"

namespace trv::test {

class FakeAudioOutput : public AudioOutput {
 public:
  QString Start(QIODevice& source, const QAudioFormat& format) override {
    calls << "start";
    if (!startError.isEmpty()) return startError;
    source_ = &source;
    this->format = format;
    return {};
  }
  void Suspend() override { calls << "suspend"; }
  void Resume() override { calls << "resume"; }
  void Stop() override {
    calls << "stop";
    source_ = nullptr;
  }
  // Reads the whole source, as an output playing to the end does, and reports the end.
  qint64 PlayToEnd() {
    const qint64 bytes = source_ ? source_->readAll().size() : 0;
    emit Finished();
    return bytes;
  }
  void BreakOff(const QString& reason) { emit Failed(reason); }

  QStringList calls;
  QString startError;
  QAudioFormat format;

 private:
  QIODevice* source_ = nullptr;
};

}  // namespace trv::test
