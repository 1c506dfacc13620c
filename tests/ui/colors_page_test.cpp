#include "ui/pages/colors_page.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "ui/widgets/color_grid.h"
#include "ui/widgets/terminal_preview.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::Window;

// Cells of the grid (row by row in the system palette order).
constexpr int kGreen = 10, kRedCell = 9, kYellowCell = 11, kBlueCell = 12, kWhite = 15;

const QColor kYellow(255, 255, 0), kRed(255, 0, 0), kBlack(0, 0, 0), kWhiteColor(255, 255, 255);

class ColorsPageTest : public ::testing::Test {
 protected:
  explicit ColorsPageTest(const std::string& ini = {}) : w(ini) {
    auto* tabs = w.Find<QTabWidget>("PageControl1");
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(7).center());
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TabSheet8");
    list = w.Find<QListWidget>("Color_Lb");
    example = w.Find<QLabel>("Color_Panel_Example");
    grid = w.Find<ColorGrid>("ColorGrid1");
    EXPECT_TRUE(grid->isVisible());
  }
  void Select(int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    ASSERT_EQ(list->currentRow(), row);
  }
  void Click(Qt::MouseButton button, int cell) { QTest::mouseClick(grid, button, {}, grid->CellRect(cell).center()); }
  QColor TextColor() const { return example->palette().color(QPalette::WindowText); }
  // What the example panel shows on the screen behind the text.
  QColor Painted() const { return example->grab().toImage().pixelColor(4, 4); }
  QStringList Marks() const {
    QStringList marks;
    for (int cell = 0; cell < ColorGrid::kCells; ++cell)
      if (!grid->CellMark(cell).isEmpty()) marks << QString("%1:%2").arg(cell).arg(grid->CellMark(cell));
    return marks;
  }
  std::vector<std::pair<int, int>> Table() const {
    std::vector<std::pair<int, int>> table;
    for (const ColorEntry& e : w.config.ColorTable) table.emplace_back(e.Fg, e.Bg);
    return table;
  }

  Window w;
  QListWidget* list = nullptr;
  QLabel* example = nullptr;
  ColorGrid* grid = nullptr;
};

// The cursor has only a background: its text shows the colour of "default output" (yellow) on
// the cursor colour (red), only the background is marked, and the left button picks nothing.
TEST_F(ColorsPageTest, CursorShowsBorrowedYellowOnRedAndTakesOnlyItsBackground) {
  ASSERT_EQ(list->count(), 12);
  EXPECT_EQ(list->item(8)->text(), "monitor header (port 2)");
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(example->text(), "This is an example text..");
  EXPECT_EQ(TextColor(), kYellow);
  EXPECT_EQ(Painted(), kRed);
  EXPECT_EQ(Marks(), QStringList{"9:BG"});
  const auto before = Table();
  Click(Qt::LeftButton, kWhite);
  EXPECT_EQ(Table(), before);
  EXPECT_EQ(TextColor(), kYellow);
  EXPECT_EQ(grid->ForegroundIndex(), kYellowCell);

  Click(Qt::RightButton, kGreen);
  EXPECT_EQ(w.config.ColorTable[0].Bg, 10);
  EXPECT_EQ(w.config.ColorTable[0].Fg, -2);  // still borrowed, never stored
  EXPECT_EQ(Painted(), QColor(0, 255, 0));
  EXPECT_EQ(TextColor(), kYellow);
}

TEST_F(ColorsPageTest, MonitorHeaderTakesWhiteOnBlueAndOkWritesIt) {
  Select(8);  // monitor header (port 2)
  EXPECT_EQ(Marks(), (QStringList{"0:BG", "11:FG"}));
  Click(Qt::LeftButton, kWhite);
  EXPECT_EQ(w.config.ColorTable[8].Fg, 15);
  EXPECT_EQ(TextColor(), kWhiteColor);
  EXPECT_EQ(Painted(), kBlack);
  Click(Qt::RightButton, kBlueCell);
  EXPECT_EQ(w.config.ColorTable[8].Bg, 9);
  EXPECT_EQ(Painted(), QColor(0, 0, 255));
  EXPECT_EQ(w.config.ColorTable[7].Fg, 14);  // the other ports keep theirs

  w.Find<QPushButton>("Btn_OK")->click();
  const std::string ini = w.dir.Ini();
  EXPECT_NE(ini.find("HFG2=15"), std::string::npos);
  EXPECT_NE(ini.find("HBG2=9"), std::string::npos);
  EXPECT_NE(ini.find("HFG1=14"), std::string::npos);
}

TEST_F(ColorsPageTest, KeyboardPicksForTheSelectedElement) {
  Select(3);  // echo of own text
  QTest::keyClick(list, Qt::Key_Tab);
  ASSERT_TRUE(grid->hasFocus());
  QTest::keyClick(grid, Qt::Key_Home);
  QTest::keyClick(grid, Qt::Key_Down);
  QTest::keyClick(grid, Qt::Key_B);  // dark blue
  QTest::keyClick(grid, Qt::Key_End);
  QTest::keyClick(grid, Qt::Key_F);  // white
  EXPECT_EQ(w.config.ColorTable[3].Bg, 1);
  EXPECT_EQ(w.config.ColorTable[3].Fg, 15);
}

// The preview draws every element in its colours as they are picked, a side an element borrows
// in the colour it borrows; a click on a line selects its element.
TEST_F(ColorsPageTest, PreviewDrawsThePickedColoursAndAClickSelectsTheElement) {
  auto* preview = w.Find<TerminalPreview>("Color_Preview");
  ASSERT_TRUE(preview->isVisible());
  const QColor kBlue(0, 0, 255), kGreenColor(0, 255, 0);
  struct Pick {
    int row;  // selected in the list
    Qt::MouseButton button;
    int cell;
    ScreenElement drawn;
    bool text;  // the text's colour rather than the background's
    QColor expected;
  };
  const Pick picks[] = {
      {4, Qt::RightButton, kBlueCell, ScreenElement::LinkMessage, false, kBlue},
      {4, Qt::LeftButton, kWhite, ScreenElement::LinkMessage, true, kWhiteColor},
      {8, Qt::RightButton, kGreen, ScreenElement::MonitorHeader2, false, kGreenColor},
      {1, Qt::RightButton, kRedCell, ScreenElement::DefaultBackground, false, kRed},
      {0, Qt::RightButton, kYellowCell, ScreenElement::Cursor, false, kYellow},
      {11, Qt::RightButton, kGreen, ScreenElement::Selection, false, kGreenColor},
      {2, Qt::LeftButton, kWhite, ScreenElement::Selection, true, kWhiteColor},  // borrowed from default output
  };
  for (const Pick& pick : picks) {
    SCOPED_TRACE(pick.row);
    Select(pick.row);
    Click(pick.button, pick.cell);
    const QImage shown = preview->grab().toImage();
    const QRect area = preview->ElementRect(pick.drawn);
    if (!pick.text) {  // a blank cell: the left end of a line, the lower right corner of the window
      const QPoint blank = pick.drawn == ScreenElement::DefaultBackground ? area.bottomRight() - QPoint(2, 2)
                                                                          : QPoint(area.left() + 2, area.center().y());
      EXPECT_EQ(shown.pixelColor(blank).name(), pick.expected.name());
      continue;
    }
    bool found = false;
    for (int x = area.left(); x <= area.right() && !found; ++x)
      for (int y = area.top(); y <= area.bottom() && !found; ++y) found = shown.pixelColor(x, y) == pick.expected;
    EXPECT_TRUE(found);
  }
  for (ScreenElement element : {ScreenElement::MonitorHeader3, ScreenElement::Cursor, ScreenElement::EchoOwnText,
                                ScreenElement::DefaultBackground}) {
    const QRect area = preview->ElementRect(element);
    const QPoint at = element == ScreenElement::DefaultBackground ? area.bottomRight() - QPoint(2, 2) : area.center();
    QTest::mouseClick(preview, Qt::LeftButton, {}, at);
    EXPECT_EQ(list->currentRow(), static_cast<int>(element));
  }
}

class ColorsPageFromFileTest : public ColorsPageTest {
 protected:
  ColorsPageFromFileTest()
      : ColorsPageTest(
            "[COLOR]\r\nNFG=10\r\nNBG=1\r\nEFG=3\r\nEBG=4\r\nLFG=10\r\nLBG=1\r\nMFG=7\r\nMBG=0\r\n"
            "HFG0=12\r\nHBG0=6\r\nHFG1=5\r\nHBG1=2\r\nHFG2=15\r\nHBG2=9\r\nHFG3=0\r\nHBG3=15\r\n"
            "RFG=11\r\nRBG=13\r\nCCOL=4\r\nSCOL=3\r\nFILLBG=8\r\n") {}
};

// Showing an element sets the grid from the table while the grid is inactive: nothing of one
// element may end up in another, however the user moves through the list.
TEST_F(ColorsPageFromFileTest, MovingThroughTheListWritesNothing) {
  const auto before = Table();
  for (int i = 0; i < 11; ++i) QTest::keyClick(list, Qt::Key_Down);
  ASSERT_EQ(list->currentRow(), 11);  // selection of edit text: default output's text on SCOL
  EXPECT_EQ(TextColor(), QColor(0, 255, 0));
  EXPECT_EQ(Painted(), QColor(0, 128, 128));
  for (int i = 0; i < 11; ++i) QTest::keyClick(list, Qt::Key_Up);
  Select(3);
  Select(4);  // link message has the same colours as default output: nothing changes
  Select(2);
  EXPECT_EQ(Table(), before);
  EXPECT_EQ(TextColor(), QColor(0, 255, 0));
  EXPECT_EQ(Painted(), QColor(0, 0, 128));
}

TEST_F(ColorsPageFromFileTest, NoSelectedElementDisablesTheGrid) {
  Select(5);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    list->visualItemRect(list->item(5)).center());
  ASSERT_TRUE(list->selectedItems().isEmpty());
  EXPECT_FALSE(grid->ForegroundEnabled());
  EXPECT_FALSE(grid->BackgroundEnabled());
  const auto before = Table();
  Click(Qt::LeftButton, kRedCell);
  EXPECT_EQ(Table(), before);
}

}  // namespace
}  // namespace trv
