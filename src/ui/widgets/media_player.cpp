#include "ui/widgets/media_player.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <functional>

#include "ui/widgets/audio_output.h"
#include "ui/widgets/wave_stream.h"

namespace trv {
namespace {

constexpr int kGlyph = 16;

// A glyph drawn at twice its size, so it stays sharp on a high-density screen too.
QIcon Glyph(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(2 * kGlyph, 2 * kGlyph);
  pixmap.setDevicePixelRatio(2);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 40, 40), 0.75));
  draw(painter);
  return QIcon(pixmap);
}

QIcon PlayGlyph() {
  return Glyph([](QPainter& p) {
    QPainterPath triangle;
    triangle.moveTo(4, 2.5);
    triangle.lineTo(13.5, 8);
    triangle.lineTo(4, 13.5);
    triangle.closeSubpath();
    p.setBrush(QColor(0x2e, 0x9e, 0x3a));
    p.drawPath(triangle);
  });
}

QIcon PauseGlyph() {
  return Glyph([](QPainter& p) {
    p.setBrush(QColor(0xe0, 0xa8, 0x10));
    p.drawRect(QRectF(3.5, 3, 3.25, 10));
    p.drawRect(QRectF(9.25, 3, 3.25, 10));
  });
}

QIcon StopGlyph() {
  return Glyph([](QPainter& p) {
    p.setBrush(QColor(0xc8, 0x2a, 0x24));
    p.drawRect(QRectF(3.5, 3.5, 9, 9));
  });
}

}  // namespace

MediaPlayer::MediaPlayer(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  play_ = AddButton("Player_Btn_Play", tr("Play"), PlayGlyph());
  pause_ = AddButton("Player_Btn_Pause", tr("Pause"), PauseGlyph());
  stop_ = AddButton("Player_Btn_Stop", tr("Stop"), StopGlyph());
  row->addStretch();
  connect(play_, &QToolButton::clicked, this, &MediaPlayer::Play);
  connect(pause_, &QToolButton::clicked, this, &MediaPlayer::Pause);
  connect(stop_, &QToolButton::clicked, this, &MediaPlayer::Stop);
  EnableButtons();
}

// The output stops before the file it reads from is closed.
MediaPlayer::~MediaPlayer() { output_.reset(); }

QToolButton* MediaPlayer::AddButton(const char* name, const QString& tip, const QIcon& icon) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setToolTip(tip);
  button->setAccessibleName(tip);
  button->setIcon(icon);
  button->setIconSize(QSize(kGlyph, kGlyph));
  button->setAutoRaise(false);
  button->setFixedSize(30, 24);
  layout()->addWidget(button);
  return button;
}

void MediaPlayer::SetAudioOutput(std::unique_ptr<AudioOutput> output) {
  Stop();
  output_ = std::move(output);
  connect(output_.get(), &AudioOutput::Finished, this, &MediaPlayer::Stop);
  connect(output_.get(), &AudioOutput::Failed, this, &MediaPlayer::OutputFailed);
}

QString MediaPlayer::Open(const QString& hostPath) {
  Close();
  QString error;
  stream_ = WaveStream::Open(hostPath, &error);
  if (stream_) SetState(PlayerState::Open);
  return error;
}

void MediaPlayer::Close() {
  Stop();
  stream_.reset();
  SetState(PlayerState::Closed);
}

void MediaPlayer::Play() {
  if (state_ == PlayerState::Paused) {
    output_->Resume();
    SetState(PlayerState::Playing);
  } else if (state_ == PlayerState::Open) {
    if (!output_) SetAudioOutput(std::make_unique<DefaultAudioOutput>());  // at the first Play
    stream_->Rewind();
    if (const QString error = output_->Start(*stream_, stream_->Format()); !error.isEmpty()) {
      emit PlayFailed(error);
      return;
    }
    SetState(PlayerState::Playing);
  }
}

void MediaPlayer::Pause() {
  if (state_ != PlayerState::Playing) return;
  output_->Suspend();
  SetState(PlayerState::Paused);
}

void MediaPlayer::Stop() {
  if (state_ != PlayerState::Playing && state_ != PlayerState::Paused) return;
  output_->Stop();
  stream_->Rewind();
  SetState(PlayerState::Open);
}

void MediaPlayer::OutputFailed(const QString& reason) {
  Stop();
  emit PlayFailed(reason);
}

void MediaPlayer::SetState(PlayerState state) {
  if (state == state_) return;
  state_ = state;
  EnableButtons();
  emit StateChanged(state);
}

void MediaPlayer::EnableButtons() {
  play_->setEnabled(state_ == PlayerState::Open || state_ == PlayerState::Paused);
  pause_->setEnabled(state_ == PlayerState::Playing);
  stop_->setEnabled(state_ == PlayerState::Playing || state_ == PlayerState::Paused);
}

}  // namespace trv
