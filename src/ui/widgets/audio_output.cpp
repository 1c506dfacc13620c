#include "ui/widgets/audio_output.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>

namespace trv {
namespace {

QString ErrorText(QAudio::Error error) {
  switch (error) {
    case QAudio::NoError:
    case QAudio::UnderrunError: return {};  // running out of samples is how playing ends
    case QAudio::OpenError: return QCoreApplication::translate("trv", "The audio output could not be opened");
    case QAudio::IOError: return QCoreApplication::translate("trv", "The audio output could not be written to");
    case QAudio::FatalError: break;
  }
  return QCoreApplication::translate("trv", "The audio output failed");
}

}  // namespace

DefaultAudioOutput::~DefaultAudioOutput() { delete sink_; }

QString DefaultAudioOutput::Start(QIODevice& source, const QAudioFormat& format) {
  Stop();
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return QCoreApplication::translate("trv", "No audio output device");
  if (const int channels = format.channelCount(); !device.isFormatSupported(format))
    return QCoreApplication::translate("trv", "The audio output cannot play %1 Hz with %n channel(s)", nullptr,
                                       channels)
        .arg(format.sampleRate());
  sink_ = new QAudioSink(device, format, this);
  source_ = &source;
  connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) { SinkStateChanged(state); });
  sink_->start(&source);
  if (const QString error = ErrorText(sink_->error()); !error.isEmpty()) {
    Stop();
    return error;
  }
  return {};
}

void DefaultAudioOutput::Suspend() {
  if (sink_) sink_->suspend();
}

void DefaultAudioOutput::Resume() {
  if (sink_) sink_->resume();
}

// The sink may be the sender of the signal that leads here: it is deleted later.
void DefaultAudioOutput::Stop() {
  if (!sink_) return;
  sink_->disconnect(this);
  sink_->stop();
  sink_->deleteLater();
  sink_ = nullptr;
  source_ = nullptr;
}

void DefaultAudioOutput::SinkStateChanged(int state) {
  if (state == QAudio::IdleState && source_ && source_->atEnd()) {
    emit Finished();
  } else if (state == QAudio::StoppedState) {
    if (const QString error = ErrorText(sink_->error()); !error.isEmpty()) emit Failed(error);
  }
}

}  // namespace trv
