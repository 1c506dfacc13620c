#pragma once
// A small text window drawn as the terminal program draws its own: a line of each screen
// element in its colours on the default background, and the cursor. A click on a line (or on
// the background around the lines) names its element.
#include <QColor>
#include <QWidget>
#include <array>
#include <vector>

#include "config/sections/screen_elements.h"

namespace trv {

class TerminalPreview : public QWidget {
  Q_OBJECT

 public:
  struct Colors {
    QColor fg, bg;
  };
  // In the order of the screen elements; a side an element borrows holds the colour it shows.
  using ColorTable = std::array<Colors, kColorCount>;

  explicit TerminalPreview(QWidget* parent = nullptr);

  void SetColors(const ColorTable& colors);
  // Where the element is drawn: its line, the cursor's cell, or the whole window for the
  // default background.
  QRect ElementRect(ScreenElement element) const;
  // The element drawn at `pos`: a line, the cursor, else the default background.
  ScreenElement ElementAt(const QPoint& pos) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void ElementClicked(ScreenElement element);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  struct Line {
    ScreenElement element;
    QString text;
  };
  QSize Cell() const;
  QRect LineRect(int line) const;

  std::vector<Line> lines_;
  ColorTable colors_;
};

}  // namespace trv
