#include "ui/pages/mailbox2_page.h"

#include <gtest/gtest.h>

#include "mailbox_test_util.h"

namespace trv {
namespace {

using test::Window;

const std::string kFile =
    "[EXTRA]\r\nPWBOX=1\r\n[MAILBOX]\r\nGARBAT=2359\r\nRESTART=1\r\nSMLIFE=0\r\nSMROUTE=1\r\nFHINCL=0\r\n"
    "FHBID=1\r\nGARMEM=1\r\nQZDOS=0\r\nPAM=1\r\nBLINKICON=1\r\nBLINKLED=0\r\nCLOSEDTIME=2230-0600,0800-0900\r\n";

// The main window with the Mailbox 2 page in front.
struct Mailbox2 {
  explicit Mailbox2(const std::string& ini = kFile) : w(ini) {
    test::OpenTab(w, "Mailbox 2");
    list = w.Find<QListWidget>("Mail2_List_ClosedTime");
    deleteTime = w.Find<QPushButton>("Mail_Btn_DeleteTime");
  }
  QCheckBox* Box(const char* name) { return w.Find<QCheckBox>(name); }
  QComboBox* Hour() { return w.Combo("Mail2_Cb_GarbageHour"); }
  QComboBox* Minute() { return w.Combo("Mail2_Cb_GarbageMin"); }
  void Ok() { test::PressOk(w); }
  void Add() { QTest::mouseClick(w.Find<QPushButton>("Mail_Btn_AddTime"), Qt::LeftButton); }
  void Delete() { QTest::mouseClick(deleteTime, Qt::LeftButton); }
  QStringList ClosedTimes() { return test::WindowTexts(w.config.ClosedTimes); }
  std::int32_t GarbageAtAfterOk() {
    Ok();
    EXPECT_EQ(w.form->result(), QDialog::Accepted);
    return test::ReadBack(w)->Mailbox.GarbageAt;
  }

  Window w;
  QListWidget* list = nullptr;
  QPushButton* deleteTime = nullptr;
};

class Mailbox2Test : public ::testing::Test, public Mailbox2 {};

TEST_F(Mailbox2Test, FillShowsTheGarbageTimeAndTheClosedTimes) {
  ASSERT_EQ(Hour()->count(), 24);
  ASSERT_EQ(Minute()->count(), 60);
  EXPECT_EQ(Hour()->itemText(7), "07");
  EXPECT_EQ(Minute()->itemData(59).toInt(), 59);
  EXPECT_EQ(Hour()->currentText(), "23");
  EXPECT_EQ(Minute()->currentText(), "59");
  EXPECT_EQ(test::Lines(list), (QStringList{"2230-0600", "0800-0900"}));
  EXPECT_EQ(SelectedRow(list), 1);
  EXPECT_TRUE(deleteTime->isEnabled());
}

TEST_F(Mailbox2Test, PickedGarbageTimeIsStored) {
  test::Pick(Hour(), "22");
  test::Pick(Minute(), "45");
  EXPECT_EQ(GarbageAtAfterOk(), 2245);
}

TEST_F(Mailbox2Test, TheLedBoxFollowsTheIconBoxAndKeepsItsTick) {
  QCheckBox* icon = Box("Mail2_CB_BlinkIcon");
  QCheckBox* led = Box("Mail2_CB_BlinkLED");
  test::ClickBox(led);
  ASSERT_TRUE(led->isChecked());
  test::ClickBox(icon);
  EXPECT_FALSE(led->isEnabled());
  EXPECT_TRUE(led->isChecked());
  test::ClickBox(led);  // a disabled box takes no click
  EXPECT_TRUE(led->isChecked());
  test::ClickBox(icon);
  EXPECT_TRUE(led->isEnabled());
  test::ClickBox(icon);
  Ok();
  const auto next = test::ReadBack(w);
  EXPECT_FALSE(next->Mailbox.BlinkIcon);
  EXPECT_FALSE(next->Mailbox.BlinkLed);  // ticked, but only blinking with the icon
}

TEST_F(Mailbox2Test, AClickOnTheSwitchPanelSetsTheLedBoxAfterTheIconBox) {
  QWidget* panel = w.Find<QWidget>("MAIL_CB_BLINKLED");
  QCheckBox* led = Box("Mail2_CB_BlinkLED");
  const QPoint surface(panel->width() / 2, panel->height() - 4);
  ASSERT_EQ(panel->childAt(surface), nullptr);
  led->setEnabled(false);  // out of step with the ticked icon box
  QTest::mouseClick(panel, Qt::LeftButton, {}, surface);
  EXPECT_TRUE(led->isEnabled());
  EXPECT_FALSE(led->isChecked());
}

TEST_F(Mailbox2Test, AddedWindowIsAppendedSelectedAndInTheListAtOnce) {
  test::AnswerClosedTime(w, {"22", "30", "06", "00"});
  Add();
  EXPECT_EQ(w.modals.dialogsRun, 1);
  EXPECT_EQ(test::Lines(list), (QStringList{"2230-0600", "0800-0900", "2230-0600"}));
  EXPECT_EQ(SelectedRow(list), 2);
  EXPECT_EQ(ClosedTimes(), test::Lines(list));
  Ok();
  EXPECT_NE(w.dir.Ini().find("CLOSEDTIME=2230-0600,0800-0900,2230-0600\r\n"), std::string::npos);
}

TEST_F(Mailbox2Test, CancelledDialogChangesNothing) {
  test::AnswerClosedTime(w, {"12", "00", "13", "00", false});
  Add();
  EXPECT_EQ(w.modals.dialogsRun, 1);
  EXPECT_EQ(test::Lines(list), (QStringList{"2230-0600", "0800-0900"}));
  EXPECT_EQ(ClosedTimes(), test::Lines(list));
}

TEST_F(Mailbox2Test, TheDialogStartsWithTheSelectionsOfTheShowingBefore) {
  QStringList seen;
  test::AnswerClosedTime(w, {}, &seen);
  Add();
  EXPECT_EQ(seen, (QStringList{"00", "00", "00", "00"}));  // the first time
  test::AnswerClosedTime(w, {"22", "30", "06", "00"}, &seen);
  Add();
  test::AnswerClosedTime(w, {}, &seen);
  Add();
  EXPECT_EQ(seen, (QStringList{"22", "30", "06", "00"}));
  EXPECT_EQ(test::Lines(list).mid(2), (QStringList{"0000-0000", "2230-0600", "2230-0600"}));
  auto& form = w.form->findChild<Mailbox2Page*>("TabSheet11")->ClosedTimeForm();
  EXPECT_EQ(form.GetFromHour() * 100 + form.GetFromMin(), 2230);
  EXPECT_EQ(form.GetToHour() * 100 + form.GetToMin(), 600);
}

TEST_F(Mailbox2Test, DeleteRemovesTheSelectedWindowAndSelectsTheFirst) {
  Delete();  // 0800-0900, selected by the fill
  EXPECT_EQ(test::Lines(list), QStringList{"2230-0600"});
  EXPECT_EQ(ClosedTimes(), test::Lines(list));
  EXPECT_EQ(SelectedRow(list), 0);
  EXPECT_TRUE(deleteTime->isEnabled());
  Delete();
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(w.config.ClosedTimes.Count(), 0);
  EXPECT_FALSE(deleteTime->isEnabled());
  Ok();
  EXPECT_NE(w.dir.Ini().find("CLOSEDTIME=\r\n"), std::string::npos);
}

TEST_F(Mailbox2Test, DeleteWithoutASelectedLineRemovesNothing) {
  test::ClickLine(list, 1, Qt::ControlModifier);  // takes the selection away
  ASSERT_EQ(SelectedRow(list), -1);
  Delete();
  EXPECT_EQ(test::Lines(list), (QStringList{"2230-0600", "0800-0900"}));
  EXPECT_EQ(ClosedTimes(), test::Lines(list));
}

TEST_F(Mailbox2Test, AbortKeepsTheFileAfterAddAndDelete) {
  const std::string loaded = w.dir.Ini();
  test::AnswerClosedTime(w, {"01", "00", "02", "00"});
  Add();
  Delete();
  Delete();
  QTest::mouseClick(w.Find<QPushButton>("Btn_Abort"), Qt::LeftButton);
  EXPECT_EQ(w.dir.Ini(), loaded);
}

// By keyboard alone: Space on "Add time", Tab to "Delete time", Space.
TEST(Mailbox2File, DeleteTimeIsUsableByKeyboardRightAfterTheFirstAdd) {
  Mailbox2 p("[MAILBOX]\r\nCLOSEDTIME=\r\n");
  EXPECT_FALSE(p.deleteTime->isEnabled());
  test::AnswerClosedTime(p.w, {"22", "00", "23", "00"});
  auto* add = p.w.Find<QPushButton>("Mail_Btn_AddTime");
  add->setFocus(Qt::TabFocusReason);
  QTest::keyClick(add, Qt::Key_Space);
  EXPECT_EQ(test::Lines(p.list), QStringList{"2200-2300"});
  EXPECT_EQ(SelectedRow(p.list), 0);
  p.w.form->activateWindow();  // back from the closed-time dialog
  ASSERT_TRUE(QTest::qWaitForWindowActive(p.w.form.get()));
  ASSERT_TRUE(add->hasFocus());
  QTest::keyClick(add, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), p.deleteTime);
  QTest::keyClick(p.deleteTime, Qt::Key_Space);
  EXPECT_EQ(p.list->count(), 0);
  EXPECT_FALSE(p.deleteTime->isEnabled());
}

// 204 windows and one more made 2,049 characters: the next load read the last window wrong.
TEST(Mailbox2File, AddTimeRefusesAWindowTheFileCannotHoldAndTheListStaysReadable) {
  std::string value = "0000-0001";
  for (int i = 1; i < 204; ++i) value += ",0000-0001";
  Mailbox2 p("[MAILBOX]\r\nCLOSEDTIME=" + value + "\r\n");
  test::AnswerClosedTime(p.w, {"23", "59", "23", "58"});
  p.Add();
  EXPECT_EQ(p.list->count(), 204);
  ASSERT_EQ(p.w.modals.infos.size(), 1);
  EXPECT_TRUE(p.w.modals.infos[0].contains("closed-time list is full"));
  p.Ok();
  EXPECT_EQ(test::ReadBack(p.w)->ClosedTimes.Count(), 204);
}

TEST(Mailbox2File, OfEqualWindowsDeleteRemovesTheFirstWindowAndTheSelectedLine) {
  Mailbox2 p("[MAILBOX]\r\nCLOSEDTIME=2200-0600,0800-0900,2200-0600\r\n");
  ASSERT_EQ(SelectedRow(p.list), 2);
  p.Delete();
  EXPECT_EQ(test::Lines(p.list), (QStringList{"2200-0600", "0800-0900"}));
  EXPECT_EQ(p.ClosedTimes(), (QStringList{"0800-0900", "2200-0600"}));
}

TEST(Mailbox2File, GarbageMinuteOver59IsKeptUntilTheUserPicks) {
  Mailbox2 kept("[MAILBOX]\r\nGARBAT=1275\r\n");
  EXPECT_EQ(kept.Hour()->currentText(), "12");
  EXPECT_EQ(kept.Minute()->currentIndex(), -1);
  EXPECT_EQ(kept.GarbageAtAfterOk(), 1275);  // not 1199

  Mailbox2 minute("[MAILBOX]\r\nGARBAT=1275\r\n");
  test::Pick(minute.Minute(), "30");
  EXPECT_EQ(minute.GarbageAtAfterOk(), 1230);

  Mailbox2 hour("[MAILBOX]\r\nGARBAT=1275\r\n");
  test::Pick(hour.Hour(), "13");
  EXPECT_EQ(hour.Minute()->currentText(), "00");
  EXPECT_EQ(hour.GarbageAtAfterOk(), 1300);
}

}  // namespace
}  // namespace trv
