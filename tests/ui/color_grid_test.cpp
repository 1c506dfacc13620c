#include "ui/widgets/color_grid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "ui_test_util.h"

namespace trv {
namespace {

// The cells row by row: black, dark red, dark green, brown; dark blue, dark magenta, dark cyan,
// light grey; dark grey, red, green, yellow; blue, magenta, cyan, white.
const std::array<QRgb, 16> kCellColors = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                          0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                          0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
constexpr int kWhite = 15, kBlue = 12, kRed = 9, kYellow = 11;

// A shown window with a line edit before the grid, so Tab can move the focus into it.
class ColorGridTest : public ::testing::Test {
 protected:
  ColorGridTest() : edit(new QLineEdit), grid(new ColorGrid), changed(grid, &ColorGrid::Changed) {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(grid);
    grid->setFixedSize(203, 157);  // a size the four columns do not divide
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  void Click(Qt::MouseButton button, int cell) { QTest::mouseClick(grid, button, {}, grid->CellRect(cell).center()); }
  void Drag(Qt::MouseButton button, const QPoint& from, const QPoint& to) {
    QTest::mousePress(grid, button, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, grid->mapToGlobal(to), Qt::NoButton, button, {});
    QApplication::sendEvent(grid, &move);
    QTest::mouseRelease(grid, button, {}, to);
  }
  void EnableBoth() {
    grid->SetForegroundEnabled(true);
    grid->SetBackgroundEnabled(true);
  }
  QStringList Marks() const {
    QStringList marks;
    for (int cell = 0; cell < ColorGrid::kCells; ++cell)
      if (!grid->CellMark(cell).isEmpty()) marks << QString("%1:%2").arg(cell).arg(grid->CellMark(cell));
    return marks;
  }

  QWidget window;
  QLineEdit* edit;
  ColorGrid* grid;
  QSignalSpy changed;
};

TEST_F(ColorGridTest, PaintsEachColourInItsCellEdgeToEdge) {
  const QImage image = grid->grab().toImage();
  for (int cell = 0; cell < ColorGrid::kCells; ++cell) {
    const QRect area = grid->CellRect(cell);
    for (const QPoint p : {area.topLeft(), area.bottomRight(), area.center()})
      EXPECT_EQ(image.pixelColor(p).rgb() & 0xFFFFFF, kCellColors[cell]) << "cell " << cell;
    EXPECT_NEAR(area.width(), (203 - 5) / 4, 1);
    EXPECT_NEAR(area.height(), (157 - 5) / 4, 1);
    EXPECT_EQ(grid->ColorToIndex(QColor(kCellColors[cell])), cell);
  }
  EXPECT_EQ(grid->CellRect(0).topLeft(), QPoint(1, 1));
  EXPECT_EQ(grid->CellRect(15).bottomRight(), QPoint(201, 155));
  EXPECT_EQ(grid->CellRect(1).left(), grid->CellRect(0).right() + 2);  // one line between cells
  EXPECT_EQ(grid->ColorToIndex(QColor(0x12, 0x34, 0x56)), -1);
  EXPECT_GE(grid->sizeHint().width(), grid->minimumSizeHint().width());
  EXPECT_GE(grid->minimumSizeHint().height(), 4 * 12);
}

TEST_F(ColorGridTest, LeftButtonPicksForegroundRightButtonBackground) {
  EnableBoth();
  Click(Qt::LeftButton, kWhite);
  EXPECT_EQ(grid->ForegroundIndex(), kWhite);
  EXPECT_EQ(grid->ForegroundColor(), QColor(Qt::white));
  EXPECT_EQ(changed.count(), 1);
  Click(Qt::LeftButton, kWhite);  // the same cell again: no change, no notice
  EXPECT_EQ(changed.count(), 1);
  Click(Qt::RightButton, kBlue);
  EXPECT_EQ(grid->BackgroundIndex(), kBlue);
  EXPECT_EQ(grid->BackgroundColor(), QColor(0, 0, 255));
  EXPECT_EQ(grid->ForegroundIndex(), kWhite);
  EXPECT_EQ(changed.count(), 2);
  EXPECT_EQ(Marks(), (QStringList{"12:BG", "15:FG"}));
  Click(Qt::RightButton, kWhite);
  EXPECT_EQ(Marks(), QStringList{"15:FB"});
}

TEST_F(ColorGridTest, MarksArePaintedInTheCell) {
  EnableBoth();
  const QImage before = grid->grab().toImage();
  Click(Qt::LeftButton, kRed);
  const QImage after = grid->grab().toImage();
  const QRect area = grid->CellRect(kRed);
  int differing = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) differing += before.pixel(x, y) != after.pixel(x, y);
  EXPECT_GT(differing, 20);
  EXPECT_EQ(after.pixelColor(grid->CellRect(kYellow).center()), before.pixelColor(grid->CellRect(kYellow).center()));
}

TEST_F(ColorGridTest, DisabledSelectionIgnoresMouseAndProgram) {
  grid->SetBackgroundEnabled(true);
  Click(Qt::LeftButton, kWhite);
  grid->SetForegroundIndex(3);
  EXPECT_EQ(grid->ForegroundIndex(), 7);
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(Marks(), QStringList{"7:BG"});
  grid->SetBackgroundIndex(7);  // the index it already has
  EXPECT_EQ(changed.count(), 0);
  grid->SetBackgroundIndex(3);
  EXPECT_EQ(grid->BackgroundIndex(), 3);
  EXPECT_EQ(changed.count(), 1);
}

TEST_F(ColorGridTest, InactiveGridNotifiesProgramChangesButTakesNoInput) {
  EnableBoth();
  grid->SetActive(false);
  grid->SetForegroundIndex(2);
  EXPECT_EQ(changed.count(), 1);
  Click(Qt::LeftButton, kWhite);
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_B);
  EXPECT_EQ(grid->ForegroundIndex(), 2);
  EXPECT_EQ(grid->BackgroundIndex(), 7);
  EXPECT_EQ(changed.count(), 1);
  grid->SetActive(true);
  Click(Qt::LeftButton, kWhite);
  EXPECT_EQ(grid->ForegroundIndex(), kWhite);
}

TEST_F(ColorGridTest, DraggingMovesTheSelectionAndStopsAtTheEdge) {
  EnableBoth();
  Drag(Qt::LeftButton, grid->CellRect(0).center(), grid->CellRect(10).center());
  EXPECT_EQ(grid->ForegroundIndex(), 10);
  EXPECT_EQ(changed.count(), 2);  // to cell 0, then to cell 10
  Drag(Qt::RightButton, grid->CellRect(5).center(), QPoint(grid->width() + 40, -30));
  EXPECT_EQ(grid->BackgroundIndex(), 3);  // the top right cell
  EXPECT_EQ(grid->ForegroundIndex(), 10);
}

TEST_F(ColorGridTest, KeyboardMovesTheFocusCellAndPicksWithFAndB) {
  EnableBoth();
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Tab);
  ASSERT_TRUE(grid->hasFocus());
  QTest::keyClick(grid, Qt::Key_Home);
  QTest::keyClick(grid, Qt::Key_Left);  // stays in the first column
  QTest::keyClick(grid, Qt::Key_Up);    // and the first row
  EXPECT_EQ(grid->FocusCell(), 0);
  QTest::keyClick(grid, Qt::Key_Right);
  QTest::keyClick(grid, Qt::Key_Right);
  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(grid->FocusCell(), 6);
  QTest::keyClick(grid, Qt::Key_F);
  EXPECT_EQ(grid->ForegroundIndex(), 6);
  QTest::keyClick(grid, Qt::Key_End);
  QTest::keyClick(grid, Qt::Key_Down);
  QTest::keyClick(grid, Qt::Key_Right);
  QTest::keyClick(grid, Qt::Key_B);
  EXPECT_EQ(grid->BackgroundIndex(), 15);
  QTest::keyClick(grid, Qt::Key_Space);  // the next cell, from the last to the first
  EXPECT_EQ(grid->FocusCell(), 0);
  QTest::keyClick(grid, Qt::Key_Space);
  QTest::keyClick(grid, Qt::Key_B);
  EXPECT_EQ(grid->BackgroundIndex(), 1);
  EXPECT_EQ(changed.count(), 3);
}

}  // namespace
}  // namespace trv
