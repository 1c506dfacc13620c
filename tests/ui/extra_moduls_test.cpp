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
std::string Written(const Window& w, const std::string& key) {
  const std::string ini = w.dir.Ini();
  const std::size_t at = ini.find("\r\n" + key + "=", ini.find("[EXTRA]"));
  if (at == std::string::npos) return "<missing>";
  const std::size_t from = at + key.size() + 3;
  return ini.substr(from, ini.find("\r\n", from) - from);
}

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
  EXPECT_EQ(utc->currentText(), "-1 hours");
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
      {"-3600", "-1 hours"}, {"0", "0 hours"},     {"-43200", "-12 hours"}, {"43200", "12 hours"},
      {"5400", "1 hours"},   {"19800", "5 hours"}, {"-12600", "-4 hours"},  {"-45000", "-12 hours"},
      {"50000", ""},         {"-50000", ""},       {"2147483647", ""},      {"-2147483648", ""},
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

TEST(ExtraPage, EditsKeepProgramTextWholeAndLimitTyping) {
  Window w(Extra("FORTUNE=fortune.dl\r\nNODECALL=db0abc-15xyz\r\nPROMPT=Hallo %Call\r\n"));
  OpenTab(w, "Extra");
  EXPECT_EQ(w.Edit("Extra_Edit_Fortune")->text(), "FORTUNE.DL");
  EXPECT_EQ(w.Edit("Extra_Edit_NodeCall")->text(), "DB0ABC-15XYZ");  // 12 characters, more than typing allows
  EXPECT_EQ(w.Edit("Extra_Edit_Prompt")->text(), "Hallo %Call");
  PressOk(w);
  EXPECT_EQ(Written(w, "FORTUNE"), "FORTUNE.DL");
  EXPECT_EQ(Written(w, "NODECALL"), "DB0ABC-15XYZ");
  EXPECT_EQ(Written(w, "PROMPT"), "Hallo %Call");

  Window typed("");
  OpenTab(typed, "Extra");
  typed.Type("Extra_Edit_NodeCall", "dl1abc-10xyz");
  EXPECT_EQ(typed.Edit("Extra_Edit_NodeCall")->text(), "DL1ABC-10");
  typed.Type("Extra_Edit_Fortune", "sprueche.txt1234");
  EXPECT_EQ(typed.Edit("Extra_Edit_Fortune")->text(), "SPRUECHE.TXT");
  typed.Type("Extra_Edit_Prompt", QString(90, 'p'));
  EXPECT_EQ(typed.Edit("Extra_Edit_Prompt")->text(), QString(80, 'p'));
}

TEST(ExtraPage, CheckBoxesAndTabOrder) {
  Window w(Extra("SUPBIN=5\r\nDUP=0\r\nSRESYNC=1\r\nMULTILINE=0\r\n"));
  OpenTab(w, "Extra");
  auto* suppress = w.Find<QCheckBox>("Extra_CB_SuppressBin");
  EXPECT_TRUE(suppress->isChecked());
  EXPECT_TRUE(w.Find<QCheckBox>("Extra_CB_ReduceResync")->isChecked());
  EXPECT_FALSE(w.Find<QCheckBox>("Extra_CB_MultiToolbar")->isChecked());
  ClickBox(suppress);
  ClickBox(w.Find<QCheckBox>("Extra_CB_DelayedDisplay"));

  QWidget* focus = w.Edit("Extra_Edit_Prompt");
  focus->setFocus();
  QStringList order;
  for (int i = 0; i < 9; ++i) {
    order << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(order, (QStringList{"Extra_Edit_Prompt", "Extra_Combo_PollDelay", "Extra_Edit_NodeCall",
                                "Extra_Edit_Fortune", "Extra_Combo_UTC", "Extra_CB_DelayedDisplay",
                                "Extra_CB_ReduceResync", "Extra_CB_MultiToolbar", "Extra_CB_SuppressBin"}));
  PressOk(w);
  EXPECT_EQ(Written(w, "SUPBIN"), "0");
  EXPECT_EQ(Written(w, "DUP"), "1");
  EXPECT_EQ(Written(w, "SRESYNC"), "1");
  EXPECT_EQ(Written(w, "MULTILINE"), "0");
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

TEST_F(ModulsPageTest, SwitchesAndTabOrder) {
  Window w(Extra("DLINK=1\r\nSPY=0\r\nLDXC=1\r\n"));
  OpenTab(w, "Moduls");
  EXPECT_TRUE(Box(w, "Modul_CB_DigiInfo")->isChecked());
  EXPECT_FALSE(Box(w, "Modul_CB_Spy")->isChecked());
  EXPECT_TRUE(Box(w, "Modul_CB_MailBox")->isChecked());
  EXPECT_TRUE(Box(w, "Modul_CB_DXClusterSpy")->isChecked());
  ClickBox(Box(w, "Modul_CB_Spy"));
  ClickBox(Box(w, "Modul_CB_DigiInfo"));

  Box(w, "Modul_CB_DigiInfo")->setFocus();
  QStringList order;
  for (int i = 0; i < 5; ++i) {
    order << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(order, (QStringList{"Modul_CB_DigiInfo", "Modul_CB_Spy", "Modul_CB_MailBox", "Modul_CB_DXClusterSpy",
                                "Modul_CB_Broadcast"}));
  PressOk(w);
  EXPECT_EQ(Written(w, "DLINK"), "0");
  EXPECT_EQ(Written(w, "SPY"), "1");
  EXPECT_EQ(Written(w, "LDXC"), "1");
}

// Both pages serve EXTRA: OK with nothing touched writes what the next start reads back,
// also the values without a control.
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
