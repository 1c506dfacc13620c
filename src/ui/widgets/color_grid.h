#pragma once
// The 16-colour grid: 4 x 4 cells in the system palette order, each one colour of the DOS
// table, with a foreground and a background selection. The left button picks the foreground,
// the right button the background; dragging moves that selection. From the keyboard the arrows,
// space, Home and End move a focus cell, F and B make it the foreground or the background.
// A disabled selection is not marked and ignores the mouse and the program alike.
#include <QColor>
#include <QWidget>
#include <array>
#include <cstdint>

namespace trv {

// A colour of the DOS table (24 bits, red in the low byte) as a QColor, and back.
QColor ColorOfValue(std::uint32_t value);
std::uint32_t ValueOfColor(const QColor& color);

class ColorGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCells = 16;
  static constexpr int kColumns = 4;

  explicit ColorGrid(QWidget* parent = nullptr);

  int ForegroundIndex() const { return fg_.index; }
  int BackgroundIndex() const { return bg_.index; }
  // Ignored while that selection is disabled; notifies only a real change.
  void SetForegroundIndex(int cell) { Move(fg_, cell); }
  void SetBackgroundIndex(int cell) { Move(bg_, cell); }
  bool ForegroundEnabled() const { return fg_.enabled; }
  bool BackgroundEnabled() const { return bg_.enabled; }
  void SetForegroundEnabled(bool enabled);
  void SetBackgroundEnabled(bool enabled);

  // The cell showing the colour, -1 when no cell does.
  int ColorToIndex(const QColor& color) const;
  QColor CellColor(int cell) const { return colors_.at(cell); }
  QColor ForegroundColor() const { return CellColor(fg_.index); }
  QColor BackgroundColor() const { return CellColor(bg_.index); }

  // An inactive grid still notifies changes but takes no input from the user; its owner
  // tells its own changes from the user's by it.
  bool IsActive() const { return active_; }
  void SetActive(bool active) { active_ = active; }

  int FocusCell() const { return focusCell_; }
  QRect CellRect(int cell) const;
  // "FG" foreground, "BG" background, "FB" both (in German "VG", "HG", "VH"), empty for an
  // unmarked cell.
  QString CellMark(int cell) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // A selection index changed, by the user or by the program (also while inactive).
  void Changed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Selection {
    int index = 7;
    bool enabled = false;
  };
  void Move(Selection& selection, int cell);
  void PickWithMouse(Qt::MouseButtons buttons, const QPoint& pos);
  void SetFocusCell(int cell);
  int CellAt(const QPoint& pos) const;
  void PaintCell(QPainter& painter, int cell) const;

  std::array<QColor, kCells> colors_;
  Selection fg_, bg_;
  int focusCell_ = 0;
  bool active_ = true;
};

}  // namespace trv
