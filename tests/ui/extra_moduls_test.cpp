#include <gtest/gtest.h>

#include <QCheckBox>

#include "page_tabs.h"
#include "ui/pages/extra_page.h"
#include "ui/pages/moduls_page.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::ClickBox;
using test::OpenTab;
using test::PressOk;
using test::Window;

std::string Extra(const std::string& keys) { return "[EXTRA]\r\n" + keys; }

// The value OK writes for a key of the EXTRA section.
std::string Written(const Window& w, const std::string& key) { return test::Written(w, "EXTRA", key); }

// Moves the focused list to the item with the keyboard, as the user does.
void PickWithKeys(QComboBox* box, int item) {
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Home);
  for (int i = 0; i < item; ++i) QTest::keyClick(box, Qt::Key_Down);
  ASSERT_EQ(box->currentIndex(), item);
}

TEST(ExtraPage, ListsHoldTheirFixedItems) {
  Window w("");
  OpenTab(w, "Extra");
  QComboBox* utc = w.Combo("Extra_Combo_UTC");
  QComboBox* poll = w.Combo("Extra_Combo_PollDelay");
  ASSERT_EQ(utc->count(), 25);
  EXPECT_EQ(utc->itemText(0), "-12 hours");
  EXPECT_EQ(utc->itemText(12), "0 hours");
  EXPECT_EQ(utc->itemText(24), "12 hours");
  ASSERT_EQ(poll->count(), 10);
  EXPECT_EQ(poll->itemText(0), "50 ms");
  EXPECT_EQ(poll->itemText(9), "500 ms");
  EXPECT_EQ(poll->currentText(), "100 ms");  // the default poll delay 2
  EXPECT_EQ(utc->currentText(), "-1 hour");
}

TEST(ExtraPage, PollDelayItemsStandForFiftyMillisecondSteps) {
  for (const auto& [item, stored] : {std::pair{9, "10"}, {0, "1"}, {4, "5"}}) {
    Window w(Extra("TPRI=2\r\n"));
    OpenTab(w, "Extra");
    PickWithKeys(w.Combo("Extra_Combo_PollDelay"), item);
    PressOk(w);
    EXPECT_EQ(Written(w, "TPRI"), stored);
  }
}

// The item is (offset + 12 hours) / 1 hour, truncated: -3:30 falls on "-4 hours".
TEST(ExtraPage, UtcListShowsWholeHoursOfTheOffset) {
  const std::pair<const char*, const char*> cases[] = {
      {"-3600", "-1 hour"}, {"0", "0 hours"},     {"-43200", "-12 hours"}, {"43200", "12 hours"},
      {"5400", "1 hour"},   {"19800", "5 hours"}, {"-12600", "-4 hours"},  {"-45000", "-12 hours"},
      {"50000", ""},        {"-50000", ""},       {"2147483647", ""},      {"-2147483648", ""},
  };
  for (const auto& [value, shown] : cases) {
    Window w(Extra(std::string("UTC=") + value + "\r\n"));
    OpenTab(w, "Extra");
    EXPECT_EQ(w.Combo("Extra_Combo_UTC")->currentText(), shown) << value;
  }
}

// An offset the whole-hour list cannot show stays as read until the user picks an item.
TEST(ExtraPage, OkKeepsAnOffsetTheListCannotShow) {
  for (const char* value : {"5400", "19800", "-12600", "-45000", "50000", "2147483647"}) {
    Window w(Extra(std::string("UTC=") + value + "\r\n"));
    OpenTab(w, "Extra");
    PressOk(w);
    EXPECT_EQ(Written(w, "UTC"), value);
  }
}

TEST(ExtraPage, PickingAnItemStoresItsWholeHours) {
  {
    Window w(Extra("UTC=19800\r\n"));  // +5:30, shown as "5 hours"
    OpenTab(w, "Extra");
    PickWithKeys(w.Combo("Extra_Combo_UTC"), 14);
    PressOk(w);
    EXPECT_EQ(Written(w, "UTC"), "7200");
  }
  {
    Window w(Extra("UTC=50000\r\n"));  // no item
    OpenTab(w, "Extra");
    PickWithKeys(w.Combo("Extra_Combo_UTC"), 0);
    PressOk(w);
    EXPECT_EQ(Written(w, "UTC"), "-43200");
  }
}

class ModulsPageTest : public ::testing::Test {
 protected:
  QCheckBox* Box(Window& w, const char* name) { return w.Find<QCheckBox>(name); }
};

// Broadcast RX is loaded only with the mailbox: its box is enabled exactly while Mailbox is
// ticked, from the fill on, and the enabling never touches its tick.
TEST_F(ModulsPageTest, BroadcastIsEnabledExactlyWhileMailboxIsTicked) {
  Window off(Extra("BOX=0\r\nLBROAD=1\r\n"));
  OpenTab(off, "Moduls");
  QCheckBox* mailbox = Box(off, "Modul_CB_MailBox");
  QCheckBox* broadcast = Box(off, "Modul_CB_Broadcast");
  EXPECT_FALSE(mailbox->isChecked());
  EXPECT_FALSE(broadcast->isChecked());  // the reader drops LBROAD without BOX
  EXPECT_FALSE(broadcast->isEnabled());
  ClickBox(broadcast);
  EXPECT_FALSE(broadcast->isChecked());
  ClickBox(mailbox);
  EXPECT_TRUE(broadcast->isEnabled());
  ClickBox(broadcast);
  EXPECT_TRUE(broadcast->isChecked());
  PressOk(off);
  EXPECT_EQ(Written(off, "BOX"), "1");
  EXPECT_EQ(Written(off, "LBROAD"), "1");
}

TEST_F(ModulsPageTest, UntickingMailboxLeavesBroadcastTickedButDisabled) {
  Window w(Extra("BOX=1\r\nLBROAD=1\r\n"));
  OpenTab(w, "Moduls");
  QCheckBox* broadcast = Box(w, "Modul_CB_Broadcast");
  EXPECT_TRUE(broadcast->isChecked());
  EXPECT_TRUE(broadcast->isEnabled());
  ClickBox(Box(w, "Modul_CB_MailBox"));
  EXPECT_FALSE(broadcast->isEnabled());
  EXPECT_TRUE(broadcast->isChecked());
  PressOk(w);
  EXPECT_EQ(Written(w, "BOX"), "0");
  EXPECT_EQ(Written(w, "LBROAD"), "1");
}

TEST(ExtraAndModulsPages, OkUntouchedWritesWhatTheNextStartReads) {
  const std::string file = Extra(
      "NODECALL=DB0XYZ-1\r\nNODETO=35\r\nPROMPT=%Call>\r\nFORTUNE=F.DL\r\nDLINK=1\r\nSPY=0\r\nBOX=0\r\n"
      "LBROAD=0\r\nLDXC=1\r\nSRESYNC=1\r\nMULTILINE=0\r\nUTC=-12600\r\nPOR=7\r\nDUP=1\r\nSUPBIN=0\r\n"
      "TPRI=7\r\nCONMODE=2\r\nPWBOX=1\r\n");
  Window w(file);
  PressOk(w);
  const std::string ini = w.dir.Ini();
  EXPECT_NE(ini.find(file), std::string::npos) << ini;
}

}  // namespace
}  // namespace trv
