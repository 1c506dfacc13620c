#pragma once
// A wave file opened with libsndfile and read as 16-bit samples a block at a time, as the
// audio output asks for them: a long file opens at once and needs little memory.
#include <QAudioFormat>
#include <QIODevice>
#include <QString>
#include <memory>
#include <vector>

struct sf_private_tag;

namespace trv {

class WaveStream : public QIODevice {
 public:
  // The opened file, or null with the reason in `error` (libsndfile's own text where it gives
  // one): not a wave file, more than two channels, or no audio data.
  static std::unique_ptr<WaveStream> Open(const QString& hostPath, QString* error);
  ~WaveStream() override;

  QAudioFormat Format() const { return format_; }
  qint64 Frames() const { return frames_; }
  // Back to the first sample.
  void Rewind();

  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;
  bool atEnd() const override;

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  WaveStream(sf_private_tag* file, QAudioFormat format, qint64 frames);
  qint64 FrameBytes() const { return format_.bytesPerFrame(); }

  sf_private_tag* file_;
  QAudioFormat format_;
  qint64 frames_;
  qint64 framesRead_ = 0;
  std::vector<short> block_;
};

}  // namespace trv
