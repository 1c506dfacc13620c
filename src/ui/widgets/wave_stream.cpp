#include "ui/widgets/wave_stream.h"

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/system_reason.h"

namespace trv {
namespace {

bool IsWave(int format) {
  const int major = format & SF_FORMAT_TYPEMASK;
  return major == SF_FORMAT_WAV || major == SF_FORMAT_WAVEX || major == SF_FORMAT_RF64;
}

// Why an opened file cannot be played, empty when it can.
QString Unplayable(const SF_INFO& info) {
  if (!IsWave(info.format)) return QCoreApplication::translate("trv", "Not a wave file.");
  if (info.channels < 1 || info.channels > 2)
    return QCoreApplication::translate("trv", "Only mono and stereo wave files can be played.");
  if (info.frames <= 0) return QCoreApplication::translate("trv", "The wave file holds no audio data.");
  return {};
}

// The file opened for reading, or -1 with errno set. Only a regular file is a wave file: a
// FIFO or a device is opened without blocking (a FIFO with no writer would wait for good)
// and refused with EINVAL.
int OpenRegularFile(const QString& hostPath) {
  const int fd = ::open(hostPath.toUtf8().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    errno = EINVAL;
    return -1;
  }
  return fd;
}

}  // namespace

std::unique_ptr<WaveStream> WaveStream::Open(const QString& hostPath, QString* error) {
  const int fd = OpenRegularFile(hostPath);
  if (fd < 0) {
    *error = errno == EINVAL ? QCoreApplication::translate("trv", "Not a wave file.")
                             : QString::fromLocal8Bit(SystemReason(errno)) + '.';
    return nullptr;
  }
  SF_INFO info{};
  SNDFILE* file = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);  // closes the descriptor with the file
  if (!file) {
    *error = QString::fromUtf8(sf_strerror(nullptr));
    return nullptr;
  }
  if (QString why = Unplayable(info); !why.isEmpty()) {
    sf_close(file);
    *error = why;
    return nullptr;
  }
  QAudioFormat format;
  format.setSampleRate(info.samplerate);
  format.setChannelCount(info.channels);
  format.setSampleFormat(QAudioFormat::Int16);  // libsndfile converts every encoding to it
  return std::unique_ptr<WaveStream>(new WaveStream(file, format, info.frames));
}

WaveStream::WaveStream(sf_private_tag* file, QAudioFormat format, qint64 frames)
    : file_(file), format_(format), frames_(frames) {
  open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

WaveStream::~WaveStream() { sf_close(file_); }

void WaveStream::Rewind() {
  sf_seek(file_, 0, SEEK_SET);
  framesRead_ = 0;
}

qint64 WaveStream::bytesAvailable() const { return (frames_ - framesRead_) * FrameBytes(); }

bool WaveStream::atEnd() const { return framesRead_ >= frames_; }

qint64 WaveStream::readData(char* data, qint64 maxSize) {
  const qint64 wanted = std::min(maxSize / FrameBytes(), frames_ - framesRead_);
  if (wanted <= 0) return 0;
  block_.resize(static_cast<std::size_t>(wanted * format_.channelCount()));
  const sf_count_t got = sf_readf_short(file_, block_.data(), wanted);
  if (got <= 0) {
    framesRead_ = frames_;  // the data ends before the header says: that is the end
    return 0;
  }
  framesRead_ += got;
  const qint64 bytes = got * FrameBytes();
  std::memcpy(data, block_.data(), static_cast<std::size_t>(bytes));
  return bytes;
}

}  // namespace trv
