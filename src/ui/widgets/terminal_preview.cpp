#include "ui/widgets/terminal_preview.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>

namespace trv {
namespace {

constexpr int kColumns = 32;     // the window's width in characters
constexpr int kMarginCells = 1;  // blank cells around the lines
constexpr int kCursorLine = 11;  // below the lines of text

std::size_t Index(ScreenElement element) { return static_cast<std::size_t>(element); }

}  // namespace

TerminalPreview::TerminalPreview(QWidget* parent) : QWidget(parent) {
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setToolTip(
      tr("How the terminal program's text windows look in these colours. Click a line to choose its "
         "screen element."));
  // The terminal's own kind of text: what the TNC and the monitor show stays as it is.
  const auto header = [](int port) { return QString("%1:fm DL1ABC to DB0ABC ctl I21^").arg(port); };
  lines_ = {
      {ScreenElement::DefaultOutput, tr("Welcome to the DB0ABC node")},
      {ScreenElement::EchoOwnText, "C DB0ABC"},
      {ScreenElement::LinkMessage, "*** CONNECTED to DB0ABC"},
      {ScreenElement::MonitorHeader0, header(0)},
      {ScreenElement::MonitorFrames, tr("Good morning, all on the node")},
      {ScreenElement::MonitorHeader1, header(1)},
      {ScreenElement::MonitorHeader2, header(2)},
      {ScreenElement::MonitorHeader3, header(3)},
      {ScreenElement::MonitorFrames, "73 de DL1ABC"},
      {ScreenElement::Notification, tr("New mail for DL1ABC")},
      {ScreenElement::Selection, tr("selected text")},
  };
}

void TerminalPreview::SetColors(const ColorTable& colors) {
  colors_ = colors;
  update();
}

QSize TerminalPreview::Cell() const {
  const QFontMetrics metrics(font());
  return {metrics.horizontalAdvance('W'), metrics.height()};
}

QSize TerminalPreview::sizeHint() const {
  const QSize cell = Cell();
  return {(kColumns + 2 * kMarginCells) * cell.width(), (kCursorLine + 1 + 2 * kMarginCells) * cell.height()};
}

QSize TerminalPreview::minimumSizeHint() const { return sizeHint(); }

// A line's text with a blank cell before and after it, as the terminal pads its lines.
QRect TerminalPreview::LineRect(int line) const {
  const QSize cell = Cell();
  const int cells = line == kCursorLine ? 1 : static_cast<int>(lines_[line].text.size()) + 2;
  return {kMarginCells * cell.width(), (kMarginCells + line) * cell.height(), cells * cell.width(), cell.height()};
}

QRect TerminalPreview::ElementRect(ScreenElement element) const {
  if (element == ScreenElement::Cursor) return LineRect(kCursorLine);
  if (element == ScreenElement::DefaultBackground) return rect();
  for (int line = 0; line < static_cast<int>(lines_.size()); ++line)
    if (lines_[line].element == element) return LineRect(line);
  return {};
}

ScreenElement TerminalPreview::ElementAt(const QPoint& pos) const {
  if (LineRect(kCursorLine).contains(pos)) return ScreenElement::Cursor;
  for (int line = 0; line < static_cast<int>(lines_.size()); ++line)
    if (LineRect(line).contains(pos)) return lines_[line].element;
  return ScreenElement::DefaultBackground;
}

void TerminalPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colors_[Index(ScreenElement::DefaultBackground)].bg);
  for (int line = 0; line < static_cast<int>(lines_.size()); ++line) {
    const Colors& colors = colors_[Index(lines_[line].element)];
    const QRect area = LineRect(line);
    painter.fillRect(area, colors.bg);
    painter.setPen(colors.fg);
    painter.drawText(area.adjusted(Cell().width(), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, lines_[line].text);
  }
  painter.fillRect(LineRect(kCursorLine), colors_[Index(ScreenElement::Cursor)].bg);
  painter.setPen(palette().color(QPalette::Mid));  // the window's edge
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TerminalPreview::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit ElementClicked(ElementAt(event->position().toPoint()));
  QWidget::mousePressEvent(event);
}

}  // namespace trv
