#include "ui/widgets/color_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "support/dos_colors.h"

namespace trv {
namespace {

// The DOS table index shown in each cell, row by row: black, dark red, dark green, brown;
// dark blue, dark magenta, dark cyan, light grey; dark grey, red, green, yellow; blue,
// magenta, cyan, white.
constexpr std::array<int, ColorGrid::kCells> kPaletteOrder = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};

constexpr int kLine = 1;  // the grid lines between and around the cells
constexpr QSize kCellHint(40, 30);
constexpr QSize kCellMinimum(18, 14);

QColor ContrastTo(const QColor& color) { return qGray(color.rgb()) > 128 ? Qt::black : Qt::white; }

QSize GridSize(QSize cell) {
  return {ColorGrid::kColumns * (cell.width() + kLine) + kLine, ColorGrid::kColumns * (cell.height() + kLine) + kLine};
}

}  // namespace

QColor ColorOfValue(std::uint32_t value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

std::uint32_t ValueOfColor(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8 |
         static_cast<std::uint32_t>(color.blue()) << 16;
}

ColorGrid::ColorGrid(QWidget* parent) : QWidget(parent) {
  for (int cell = 0; cell < kCells; ++cell) colors_[cell] = ColorOfValue(DosColorTable[kPaletteOrder[cell]]);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ColorGrid::SetForegroundEnabled(bool enabled) {
  fg_.enabled = enabled;
  update();
}

void ColorGrid::SetBackgroundEnabled(bool enabled) {
  bg_.enabled = enabled;
  update();
}

int ColorGrid::ColorToIndex(const QColor& color) const {
  const auto found =
      std::find_if(colors_.begin(), colors_.end(), [&](const QColor& c) { return c.rgb() == color.rgb(); });
  return found == colors_.end() ? -1 : static_cast<int>(found - colors_.begin());
}

// The cells share the area equally; the lines between them are one pixel wide.
QRect ColorGrid::CellRect(int cell) const {
  const int w = width() - kLine, h = height() - kLine;
  const int column = cell % kColumns, row = cell / kColumns;
  const QPoint topLeft(w * column / kColumns + kLine, h * row / kColumns + kLine);
  const QPoint bottomRight(w * (column + 1) / kColumns - 1, h * (row + 1) / kColumns - 1);
  return {topLeft, bottomRight};
}

QString ColorGrid::CellMark(int cell) const {
  const bool fg = fg_.enabled && fg_.index == cell;
  const bool bg = bg_.enabled && bg_.index == cell;
  if (fg && bg) return tr("FB", "colour grid cell: foreground and background");
  if (fg) return tr("FG", "colour grid cell: foreground");
  if (bg) return tr("BG", "colour grid cell: background");
  return {};
}

QSize ColorGrid::sizeHint() const { return GridSize(kCellHint); }
QSize ColorGrid::minimumSizeHint() const { return GridSize(kCellMinimum); }

void ColorGrid::Move(Selection& selection, int cell) {
  if (!selection.enabled || cell < 0 || cell >= kCells || cell == selection.index) return;
  selection.index = cell;
  update();
  emit Changed();
}

void ColorGrid::PickWithMouse(Qt::MouseButtons buttons, const QPoint& pos) {
  if (!active_) return;
  const int cell = CellAt(pos);
  if (buttons & Qt::LeftButton) Move(fg_, cell);
  if (buttons & Qt::RightButton) Move(bg_, cell);
  if (buttons & (Qt::LeftButton | Qt::RightButton)) SetFocusCell(cell);
}

void ColorGrid::SetFocusCell(int cell) {
  if (cell == focusCell_) return;
  focusCell_ = cell;
  update();
}

// The cell under a point; a point outside the grid gives the nearest cell, so a drag that
// leaves the grid keeps the edge cell.
int ColorGrid::CellAt(const QPoint& pos) const {
  const int w = std::max(width() - kLine, 1), h = std::max(height() - kLine, 1);
  const int column = std::clamp(pos.x() * kColumns / w, 0, kColumns - 1);
  const int row = std::clamp(pos.y() * kColumns / h, 0, kColumns - 1);
  return row * kColumns + column;
}

void ColorGrid::mousePressEvent(QMouseEvent* event) { PickWithMouse(event->buttons(), event->position().toPoint()); }

void ColorGrid::mouseMoveEvent(QMouseEvent* event) { PickWithMouse(event->buttons(), event->position().toPoint()); }

void ColorGrid::keyPressEvent(QKeyEvent* event) {
  if (!active_) return QWidget::keyPressEvent(event);
  const int column = focusCell_ % kColumns, row = focusCell_ / kColumns;
  switch (event->key()) {
    case Qt::Key_Left: SetFocusCell(row * kColumns + std::max(column - 1, 0)); break;
    case Qt::Key_Right: SetFocusCell(row * kColumns + std::min(column + 1, kColumns - 1)); break;
    case Qt::Key_Up: SetFocusCell(std::max(row - 1, 0) * kColumns + column); break;
    case Qt::Key_Down: SetFocusCell(std::min(row + 1, kColumns - 1) * kColumns + column); break;
    case Qt::Key_Space: SetFocusCell((focusCell_ + 1) % kCells); break;
    case Qt::Key_Home: SetFocusCell(0); break;
    case Qt::Key_End: SetFocusCell(kCells - 1); break;
    case Qt::Key_F: Move(fg_, focusCell_); break;
    case Qt::Key_B: Move(bg_, focusCell_); break;
    default: return QWidget::keyPressEvent(event);
  }
}

// The focus cell is drawn only while the grid has the focus.
void ColorGrid::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void ColorGrid::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void ColorGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Dark));
  for (int cell = 0; cell < kCells; ++cell) PaintCell(painter, cell);
}

void ColorGrid::PaintCell(QPainter& painter, int cell) const {
  const QRect area = CellRect(cell);
  const QColor color = colors_[cell];
  painter.fillRect(area, color);
  const QColor contrast = ContrastTo(color);
  if (const QString mark = CellMark(cell); !mark.isEmpty()) {
    painter.setPen(QPen(contrast, 2));
    painter.drawRect(area.adjusted(2, 2, -1, -1));  // a 2-pixel pen straddles the edge
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::clamp(std::min(area.width(), area.height()) / 3, 8, 16));
    painter.setFont(font);
    painter.drawText(area, Qt::AlignCenter, mark);
  }
  if (hasFocus() && cell == focusCell_) {
    painter.setPen(QPen(contrast, 1, Qt::DotLine));
    painter.drawRect(area.adjusted(5, 5, -6, -6));
  }
}

}  // namespace trv
