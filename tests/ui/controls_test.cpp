#include "ui/controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QListWidget>
#include <QWheelEvent>

#include "ui/modal_windows.h"
#include "ui/text_convert.h"
#include "ui/widgets/limited_line_edit.h"
#include "ui/widgets/quiet_combo_box.h"
#include "ui_test_util.h"

namespace trv {
namespace {

TEST(Controls, LimitedEditLimitsTypingAndPastingOnly) {
  LimitedLineEdit edit(8, true);
  edit.SetProgramText("a long mixed Case value");
  EXPECT_EQ(edit.text(), "A LONG MIXED CASE VALUE");  // program text: capitals, not cut
  edit.clear();
  QTest::keyClicks(&edit, "hello world");
  EXPECT_EQ(edit.text(), "HELLO WO");
  edit.clear();
  QGuiApplication::clipboard()->setText("pasted text\nsecond line");
  QTest::keySequence(&edit, QKeySequence::Paste);
  EXPECT_EQ(edit.text(), "PASTED T");
  LimitedLineEdit block(20, false);
  block.SetForbidden(",");
  QTest::keyClicks(&block, "a,b");
  EXPECT_EQ(block.text(), "ab");
}

TEST(Controls, NumberedEntriesAndPrefixSelection) {
  QComboBox box;
  AddNumbered(&box, "1200 Baud", 1200);
  AddNumbered(&box, "12 Baud", 12);
  EXPECT_TRUE(SelectByPrefix(&box, "12 baud"));
  EXPECT_EQ(SelectedNumber(&box, -1), 12);
  EXPECT_FALSE(SelectByPrefix(&box, "300 Baud"));
  EXPECT_EQ(box.currentIndex(), -1);
  EXPECT_EQ(SelectedNumber(&box, 300), 300);
}

TEST(Controls, FillComboFromMaskUpperCasesAndSelectsTheFirst) {
  test::ProgramDir dir;
  test::WriteFile(dir.dir / "DRIVER.TNC/tnc2.tnc", "");
  test::WriteFile(dir.dir / "DRIVER.TNC/Kiss.TNC", "");
  test::WriteFile(dir.dir / "DRIVER.TNC/notes.txt", "");
  QComboBox box;
  box.addItem("stale");
  FillComboFromMask(&box, dir.Files(), "C:\\DRIVER.TNC\\", "*.TNC");
  ASSERT_EQ(box.count(), 2);
  EXPECT_EQ(box.itemText(0), "KISS.TNC");
  EXPECT_EQ(box.itemText(1), "TNC2.TNC");
  EXPECT_EQ(box.currentIndex(), 0);
  FillComboFromMask(&box, dir.Files(), "C:\\MISSING\\", "*.TNC");
  EXPECT_EQ(box.count(), 0);
  EXPECT_EQ(box.currentIndex(), -1);
}

TEST(Controls, CheckBoxHandlerRunsOnRealChangesOnly) {
  QCheckBox box;
  int runs = 0;
  OnRealChange(&box, [&](bool) { ++runs; });
  box.setChecked(false);
  EXPECT_EQ(runs, 0);
  box.setChecked(true);
  box.setChecked(true);
  EXPECT_EQ(runs, 1);
  box.click();
  EXPECT_EQ(runs, 2);
}

TEST(Controls, ListWithoutSelectionReadsMinusOne) {
  QListWidget list;
  EXPECT_EQ(SelectedRow(&list), -1);
  list.addItem("TNC 0");
  EXPECT_EQ(SelectedRow(&list), -1);
  list.setCurrentRow(0);
  EXPECT_EQ(SelectedRow(&list), 0);
}

TEST(Controls, ComboIgnoresTheWheelWithoutFocus) {
  QuietComboBox box;
  box.addItems({"a", "b", "c"});
  box.setCurrentIndex(0);
  QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&box, &wheel);
  EXPECT_EQ(box.currentIndex(), 0);
}

TEST(Controls, ErrorTextGetsAFullStopAfterALetter) {
  EXPECT_EQ(ErrorBoxText("nach C:\\TARVO.INI kann nicht geschrieben werden"),
            "nach C:\\TARVO.INI kann nicht geschrieben werden.");
  EXPECT_EQ(ErrorBoxText("Done."), "Done.");
  EXPECT_EQ(ErrorBoxText("Really!"), "Really!");  // '!' sorts before '.'
  EXPECT_EQ(ErrorBoxText("x/"), "x/.");
}

TEST(Controls, WindowsTextRoundTripsEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(ToWindows(FromWindows(all)), all);
  EXPECT_EQ(UpperWindows(QString::fromUtf8("\xC3\xBF\xC2\xB5\xC3\x9F")), QString::fromUtf8("\xC5\xB8\xC2\xB5\xC3\x9F"));
}

}  // namespace
}  // namespace trv
