#include "ui/pages/tnc_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpontaneKeyEvent>
#include <QToolButton>
#include <QWheelEvent>

#include "config/sections/device_section.h"
#include "page_tabs.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::Window;

const std::string kThree =
    "[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\n"
    "TNC1=316,128,57600,4,0,1,438.125,KISSINI,DEFDEI,1,1,KISS.TNC\r\n"
    "TNC2=5,100,4800,27,1,0,7.000,ZINI,ZDEI,0,0,TNC2.TNC\r\nTNC3=END OF BLOCK\r\n"
    "[DEFINI]\r\n0=ESC M\r\n[zeta]\r\n0=z\r\n[ALPHA]\r\n0=a\r\n[BEACON1]\r\nX=1\r\n";

class TncPageTest : public ::testing::Test {
 protected:
  TncPageTest() : list(w.Find<QListWidget>("ListBox1")) {}
  // Clicks the line, as the user does.
  void Select(int row) {
    const QRect line = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
    ASSERT_EQ(list->currentRow(), row);
  }
  void Add() { w.Find<QToolButton>("TNC_Speed_Add")->click(); }
  void Delete() { w.Find<QToolButton>("TNC_Speed_Delete")->click(); }
  QStringList Lines() const {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }
  QString Current(const char* combo) { return w.Combo(combo)->currentText(); }
  // Stores the page as OK does and gives the DEVICE line of entry n.
  std::string Line(int n) {
    w.form->findChild<TncPage*>("TabSheet1")->StoreTncPage();
    return FormatTncLine(w.config.TncTable[n]);
  }

  Window w{kThree, {}, [](const test::ProgramDir& dir) {
             test::WriteFile(dir.dir / "DRIVER.TNC/tnc2.tnc", "");
             test::WriteFile(dir.dir / "DRIVER.TNC/Kiss.TNC", "");
             test::WriteFile(dir.dir / "DRIVER.TNC/A,B.TNC", "");  // the TNC line cannot hold it
           }};
  QListWidget* list;
};

TEST_F(TncPageTest, FillShowsTheFirstTncAndTheFixedLists) {
  EXPECT_EQ(Lines(), (QStringList{"TNC 0", "TNC 1", "TNC 2"}));
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(w.Combo("TNC_Combo_Com")->count(), 217);
  EXPECT_EQ(w.Combo("TNC_Combo_Com")->itemText(9), "SIRQ 30");
  EXPECT_EQ(w.Combo("TNC_Combo_Com")->itemText(216), "SIRQ FF");
  EXPECT_EQ(w.Combo("TNC_Combo_PacLen")->count(), 43);
  EXPECT_EQ(w.Combo("TNC_Combo_Baud")->itemText(7), "115200 Baud");
  EXPECT_EQ(w.Combo("TNC_Combo_Channels")->count(), 28);  // what the reader takes back: 0 to 27
  QComboBox* drivers = w.Combo("TNC_Combo_Driver");
  ASSERT_EQ(drivers->count(), 2);
  EXPECT_EQ(drivers->itemText(0), "KISS.TNC");
  EXPECT_EQ(drivers->itemText(1), "TNC2.TNC");
  QComboBox* ini = w.Combo("TNC_COMBO_INI");
  ASSERT_EQ(ini->count(), 3);
  EXPECT_EQ(ini->itemText(0), "ALPHA");
  EXPECT_EQ(ini->itemText(2), "zeta");
  EXPECT_EQ(Current("TNC_Combo_Com"), "COM 3");
  EXPECT_EQ(Current("TNC_Combo_Baud"), "9600 Baud");
  EXPECT_EQ(w.Edit("TNC_Edit_QRG")->text(), "144.800");
  EXPECT_EQ(ini->currentText(), "DEFINI");
  EXPECT_EQ(Current("TNC_Combo_Driver"), "TNC2.TNC");
}

TEST_F(TncPageTest, SirqPortWithDrsi) {
  Select(1);
  EXPECT_EQ(Current("TNC_Combo_Com"), "SIRQ 3C");
  auto* drsi = w.Find<QCheckBox>("TNC_CB_DRSI");
  EXPECT_TRUE(drsi->isChecked());
  EXPECT_TRUE(drsi->isEnabled());
  EXPECT_FALSE(w.Combo("TNC_Combo_Baud")->isEnabled());
  EXPECT_TRUE(w.Find<QRadioButton>("TNC_Rb_Tnc3s")->isChecked());
  EXPECT_EQ(Current("TNC_Combo_Driver"), "KISS.TNC");
  EXPECT_EQ(Line(1), "316,128,57600,4,0,1,438.125,KISSINI,DEFDEI,1,1,KISS.TNC");
  drsi->click();
  EXPECT_EQ(Line(1).substr(0, 3), "60,");

  // Choosing COM 4 disables DRSI but keeps its tick, and enables the baud rate.
  drsi->click();
  QComboBox* com = w.Combo("TNC_Combo_Com");
  com->setFocus();
  QTest::keyClick(com, Qt::Key_Home);
  for (int i = 0; i < 3; ++i) QTest::keyClick(com, Qt::Key_Down);
  EXPECT_EQ(com->currentText(), "COM 4");
  EXPECT_FALSE(drsi->isEnabled());
  EXPECT_TRUE(drsi->isChecked());
  EXPECT_TRUE(w.Combo("TNC_Combo_Baud")->isEnabled());
  EXPECT_EQ(Line(1).substr(0, 2), "4,");
}

TEST_F(TncPageTest, SwitchingStoresTheShownTnc) {
  w.Type("TNC_Edit_QRG", "438.1");
  w.Find<QCheckBox>("TNC_CB_FastPoll")->click();
  Select(2);
  EXPECT_EQ(w.Edit("TNC_Edit_QRG")->text(), "7.000");
  EXPECT_EQ(Current("TNC_Combo_Channels"), "27 channels");
  EXPECT_EQ(FormatTncLine(w.config.TncTable[0]), "3,248,9600,8,1,1,438.100,DEFINI,DEFDEI,1,0,TNC2.TNC");
  Select(0);
  EXPECT_EQ(w.Edit("TNC_Edit_QRG")->text(), "438.100");
  w.Type("TNC_Edit_QRG", "abc");
  Select(1);
  EXPECT_DOUBLE_EQ(w.config.TncTable[0].Qrg, 123.456);
  w.Type("TNC_Edit_QRG", "12345678901234");
  EXPECT_EQ(w.Edit("TNC_Edit_QRG")->text(), "1234567890");  // typing stops at ten characters
}

TEST_F(TncPageTest, AddGivesDefaultsAndKeepsTheShownTnc) {
  Select(2);
  w.Type("TNC_Edit_QRG", "145.5");
  Add();
  EXPECT_EQ(Lines().size(), 4);
  EXPECT_EQ(list->currentRow(), 3);
  EXPECT_EQ(w.config.TncCount, 4);
  EXPECT_DOUBLE_EQ(w.config.TncTable[2].Qrg, 145.5);
  EXPECT_EQ(Current("TNC_Combo_Com"), "COM 2");
  EXPECT_EQ(Current("TNC_Combo_Baud"), "19200 Baud");
  EXPECT_EQ(Line(3), "2,248,19200,8,1,1,123.456,DEFINI,DEFDEI,0,0,TNC2.TNC");
  for (int i = 0; i < 5; ++i) Add();
  EXPECT_EQ(w.config.TncCount, 9);
  EXPECT_TRUE(w.modals.infos.isEmpty());
  Add();
  EXPECT_EQ(w.config.TncCount, 9);
  EXPECT_EQ(w.modals.infos, QStringList{"The maximum number of TNCs are already added!"});
}

TEST_F(TncPageTest, DeleteAsksAndSelectsTheNextTnc) {
  Select(1);
  w.modals.answerYes = false;
  Delete();
  EXPECT_EQ(w.modals.questions, QStringList{"Delete selected TNC?"});
  EXPECT_EQ(w.config.TncCount, 3);
  w.modals.answerYes = true;
  w.Type("TNC_Edit_QRG", "999");  // unsaved changes go with the deleted TNC
  Delete();
  EXPECT_EQ(Lines(), (QStringList{"TNC 0", "TNC 1"}));
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(w.Edit("TNC_Edit_QRG")->text(), "7.000");  // the old third TNC moved up
  Delete();
  EXPECT_EQ(list->currentRow(), 0);  // the last one deleted: the first is selected
  EXPECT_EQ(Line(0).substr(0, 2), "3,");
  Delete();
  EXPECT_EQ(w.config.TncCount, 0);
  EXPECT_EQ(list->count(), 0);
  Delete();
  EXPECT_EQ(w.modals.infos, QStringList{"All TNCs are removed!"});
  w.Find<QPushButton>("Btn_OK")->click();
  EXPECT_NE(w.dir.Ini().find("[DEVICE]\r\nTNC0=END OF BLOCK\r\n"), std::string::npos);
}

TEST_F(TncPageTest, DeleteTakesTheShownTncWhenTheListLostItsSelection) {
  Select(1);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    list->visualItemRect(list->item(1)).center());
  ASSERT_TRUE(list->selectedItems().isEmpty());
  EXPECT_EQ(Current("TNC_Combo_Com"), "SIRQ 3C");  // still shown
  Delete();
  EXPECT_EQ(Lines(), (QStringList{"TNC 0", "TNC 1"}));
  EXPECT_EQ(Line(0).substr(0, 2), "3,");
  EXPECT_EQ(Line(1).substr(0, 2), "5,");
  EXPECT_EQ(list->currentRow(), 1);
}

TEST_F(TncPageTest, WithoutTncsTheSettingsAreClearedAndDisabled) {
  for (int i = 0; i < 3; ++i) Delete();
  ASSERT_EQ(w.config.TncCount, 0);
  for (const char* name : {"TNC_Combo_Driver", "TNC_Combo_Com", "TNC_Combo_Baud", "TNC_Combo_PacLen",
                           "TNC_Combo_Channels", "TNC_COMBO_INI", "TNC_COMBO_DEI"}) {
    EXPECT_FALSE(w.Combo(name)->isEnabled()) << name;
    EXPECT_EQ(Current(name), "") << name;
  }
  EXPECT_FALSE(w.Edit("TNC_Edit_QRG")->isEnabled());
  EXPECT_EQ(w.Edit("TNC_Edit_QRG")->text(), "");
  for (const char* name : {"TNC_CB_AutoParam", "TNC_CB_UseXHost", "TNC_CB_FastPoll", "TNC_CB_DRSI"}) {
    EXPECT_FALSE(w.Find<QCheckBox>(name)->isEnabled()) << name;
    EXPECT_FALSE(w.Find<QCheckBox>(name)->isChecked()) << name;
  }
  EXPECT_FALSE(w.Find<QToolButton>("TNC_SPEED_EDITINI")->isEnabled());
  EXPECT_TRUE(w.Find<QToolButton>("TNC_Speed_Add")->isEnabled());
  Add();
  EXPECT_TRUE(w.Edit("TNC_Edit_QRG")->isEnabled());
  EXPECT_TRUE(w.Find<QCheckBox>("TNC_CB_AutoParam")->isChecked());
  EXPECT_TRUE(w.Find<QToolButton>("TNC_SPEED_EDITINI")->isEnabled());
  EXPECT_EQ(Line(0), "2,248,19200,8,1,1,123.456,DEFINI,DEFDEI,0,0,TNC2.TNC");
}

TEST_F(TncPageTest, SirqPortOfANewTncTakesNoDrsiTickAndWritesWhatIsReadBack) {
  Select(1);  // SIRQ 3C with DRSI ticked
  Add();      // on COM 2
  auto* drsi = w.Find<QCheckBox>("TNC_CB_DRSI");
  EXPECT_FALSE(drsi->isChecked());
  QComboBox* com = w.Combo("TNC_Combo_Com");
  com->setFocus();
  for (int i = 0; i < 8; ++i) QTest::keyClick(com, Qt::Key_Down);
  ASSERT_EQ(com->currentText(), "SIRQ 30");
  EXPECT_TRUE(drsi->isEnabled());
  EXPECT_FALSE(drsi->isChecked());
  EXPECT_EQ(Current("TNC_Combo_Baud"), "57600 Baud");  // what the next read gives a SIRQ port
  EXPECT_EQ(Line(3), "48,248,57600,8,1,1,123.456,DEFINI,DEFDEI,0,0,TNC2.TNC");
  QTest::keyClick(com, Qt::Key_Home);  // back to a COM port: its baud rate comes back
  EXPECT_EQ(Current("TNC_Combo_Baud"), "19200 Baud");
  EXPECT_EQ(Line(3).substr(0, 8), "1,248,19");
}

TEST_F(TncPageTest, QrgThatDoesNotFitItsFieldIsRefused) {
  const std::vector<std::pair<QString, std::string>> cases = {
      {"1e300", "123.456"}, {"1234567.8", "123.456"}, {"123456.7", "123456.700"}, {"1e2", "100.000"}};
  for (const auto& [typed, stored] : cases) {
    w.Type("TNC_Edit_QRG", typed);
    EXPECT_EQ(QString::fromStdString(Line(0)).split(',')[6].toStdString(), stored) << typed.toStdString();
  }
}

TEST(TncBlocks, ProgramSectionsInAnyCaseAreNoCommandBlocks) {
  const std::string file =
      "[Station]\r\nCALL=DL1ABC\r\n[device]\r\nTNC0=1,248,19200,8,1,1,144.8,defini,Mine,0,0\r\n"
      "TNC1=END OF BLOCK\r\n[Beacon2]\r\nX=1\r\n[Defini]\r\n0=ESC M\r\n[MINE]\r\n0=x\r\n[MY,BLOCK]\r\n0=y\r\n";
  Window w(file);
  QComboBox* ini = w.Combo("TNC_COMBO_INI");
  QComboBox* dei = w.Combo("TNC_COMBO_DEI");
  for (QComboBox* box : {ini, dei}) {
    QStringList offered;
    for (int i = 0; i < box->count(); ++i) offered << box->itemText(i);
    EXPECT_EQ(offered, (QStringList{"Defini", "MINE"}));
  }
  EXPECT_EQ(ini->currentIndex(), 0);  // the block is chosen without regard to case
  EXPECT_EQ(dei->currentIndex(), 1);
  EXPECT_EQ(ini->currentText(), "defini");

  const std::string loaded = w.dir.Ini();
  for (const char* name : {"STATION", "beacon7"}) {
    QLineEdit* edit = ini->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, name);
    w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
  }
  EXPECT_EQ(w.modals.dialogsRun, 0);
  ASSERT_EQ(w.modals.infos.size(), 2);
  EXPECT_TRUE(w.modals.infos[0].contains("STATION")) << w.modals.infos[0].toStdString();
  EXPECT_EQ(w.dir.Ini(), loaded);
}

TEST_F(TncPageTest, AddingToAnEmptyListGivesDefaults) {
  Window empty("");
  auto* emptyList = empty.Find<QListWidget>("ListBox1");
  EXPECT_EQ(emptyList->count(), 0);
  EXPECT_FALSE(empty.Edit("TNC_Edit_QRG")->isEnabled());
  empty.Find<QToolButton>("TNC_Speed_Add")->click();
  EXPECT_TRUE(empty.Edit("TNC_Edit_QRG")->isEnabled());
  EXPECT_EQ(emptyList->count(), 1);
  EXPECT_EQ(empty.Combo("TNC_Combo_Com")->currentText(), "COM 2");
  EXPECT_EQ(empty.Edit("TNC_Edit_QRG")->text(), "123.456");
}

TEST_F(TncPageTest, UnmatchedValuesAreNotTakenFromThePreviousTnc) {
  Window odd("[DEVICE]\r\nTNC0=3,248,9600,8,1,1,1,A,B\r\nTNC1=12,128,300,4,1,1,1,A,B,0,0\r\n");
  odd.Find<QListWidget>("ListBox1")->setCurrentRow(1);
  EXPECT_EQ(odd.Combo("TNC_Combo_Baud")->currentIndex(), -1);
  EXPECT_EQ(odd.Combo("TNC_Combo_Com")->currentIndex(), -1);
  EXPECT_EQ(odd.Combo("TNC_Combo_PacLen")->currentIndex(), -1);
  odd.form->findChild<TncPage*>("TabSheet1")->StoreTncPage();
  EXPECT_EQ(FormatTncLine(odd.config.TncTable[1]), "12,128,300,4,1,1,1.000,A,B,0,0,TNC2.TNC");
}

TEST_F(TncPageTest, BlockNamesRefuseCommasAndEmptyMeansDefault) {
  EXPECT_EQ(w.Combo("TNC_Combo_Driver")->findText("A,B.TNC"), -1);
  EXPECT_EQ(w.Combo("TNC_Combo_Driver")->count(), 2);
  QLineEdit* ini = w.Combo("TNC_COMBO_INI")->lineEdit();
  auto* editIni = w.Find<QToolButton>("TNC_SPEED_EDITINI");
  ini->setFocus();
  ini->selectAll();
  QTest::keyClick(ini, Qt::Key_Delete);
  EXPECT_FALSE(editIni->isEnabled());
  QTest::keyClicks(ini, "MY,IN[I]T");
  EXPECT_EQ(ini->text(), "MYINIT");
  EXPECT_TRUE(editIni->isEnabled());
  QTest::keyClicks(ini, "012345678901234567890");
  EXPECT_EQ(ini->text().size(), 20);
  ini->selectAll();
  QTest::keyClick(ini, Qt::Key_Delete);
  QTest::keyClicks(w.Combo("TNC_COMBO_DEI")->lineEdit(), "  ");
  Select(1);
  EXPECT_EQ(w.config.TncTable[0].IniBlock, "DEFINI");
  EXPECT_EQ(w.config.TncTable[0].DeiBlock, "DEFDEI");
  Select(0);
  EXPECT_TRUE(editIni->isEnabled());  // showing a TNC enables the button for its block name
}

// A block name that cannot name a command block: read so, the TNC line keeps it and the block
// editor does not open it (saying why); the lists do not offer such a section; typed, OK refuses it.
TEST(TncPageBlockNames, ANameThatCannotNameABlockIsKeptAsReadButNeitherEditedNorTaken) {
  const struct {
    std::string name;
    const char* says;
  } cases[] = {
      {"station", "[station] holds the program's own settings"},
      {"Beacon2", "[Beacon2] holds the program's own settings"},
      {"SFILE", "[SFILE] holds the program's own settings"},
      {"A]B", "may not hold a comma or square brackets"},
  };
  for (const auto& c : cases) {
    const std::string line = "TNC0=3,248,9600,8,1,1,144.800," + c.name + ",DEFDEI,0,0,TNC2.TNC\r\n";
    test::Window w("[DEVICE]\r\n" + line + "TNC1=END OF BLOCK\r\n[A]B]\r\n0=x\r\n[OWN]\r\n0=y\r\n", {},
                   [](const test::ProgramDir& dir) { test::WriteFile(dir.dir / "DRIVER.TNC/TNC2.TNC", ""); });
    OpenTab(w, "TNC");
    QComboBox* ini = w.Combo("TNC_COMBO_INI");
    EXPECT_EQ(ini->count(), 1) << c.name;  // OWN alone
    EXPECT_EQ(ini->findText("OWN"), 0) << c.name;
    w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
    EXPECT_EQ(w.modals.dialogsRun, 0) << c.name;
    ASSERT_EQ(w.modals.infos.size(), 1) << c.name;
    EXPECT_TRUE(w.modals.infos[0].contains(c.says)) << w.modals.infos[0].toStdString();
    PressOk(w);
    EXPECT_TRUE(w.modals.errors.isEmpty()) << w.modals.errors.join("|").toStdString();
    EXPECT_NE(w.dir.Ini().find(line), std::string::npos) << w.dir.Ini();
  }
  test::Window w(kThree, {}, [](const test::ProgramDir& dir) { test::WriteFile(dir.dir / "DRIVER.TNC/tnc2.tnc", ""); });
  OpenTab(w, "TNC");
  QLineEdit* typed = w.Combo("TNC_COMBO_INI")->lineEdit();
  typed->setFocus();
  typed->selectAll();
  QTest::keyClicks(typed, "Mailbox");
  PressOk(w);
  ASSERT_EQ(w.modals.errors.size(), 1);
  EXPECT_TRUE(w.modals.errors[0].contains("[Mailbox] holds the program's own settings"))
      << w.modals.errors[0].toStdString();
  EXPECT_TRUE(w.form->isVisible());
  EXPECT_NE(w.dir.Ini().find(",DEFINI,DEFDEI,"), std::string::npos);
}

// Turns the wheel over the widget (up for positive notches) as the window system delivers it:
// a spontaneous event, which gives the focus to a widget that takes it by the wheel.
void TurnWheel(QWidget* widget, int notches) {
  const QPointF at = QRectF(widget->rect()).center();
  for (int i = 0; i < std::abs(notches); ++i) {
    QWheelEvent wheel(at, widget->mapToGlobal(at), {}, {0, notches > 0 ? 120 : -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(widget, &wheel);
  }
}

TEST_F(TncPageTest, WheelOverThePageChangesNoSetting) {
  QLineEdit* qrg = w.Edit("TNC_Edit_QRG");
  QTest::mouseClick(qrg, Qt::LeftButton);
  ASSERT_TRUE(qrg->hasFocus());
  for (const char* name : {"TNC_Combo_PacLen", "TNC_Combo_Channels", "TNC_Combo_Com", "TNC_Combo_Driver"}) {
    QComboBox* box = w.Combo(name);
    const QString before = box->currentText();
    TurnWheel(box, 1);
    EXPECT_EQ(box->currentText(), before) << name;
    EXPECT_TRUE(qrg->hasFocus()) << name;
  }
  TurnWheel(w.Combo("TNC_Combo_Com"), -8);  // past COM 9 to the SIRQ ports
  EXPECT_EQ(Current("TNC_Combo_Com"), "COM 3");
  EXPECT_FALSE(w.Find<QCheckBox>("TNC_CB_DRSI")->isEnabled());
  // A combo the user has clicked into takes the wheel.
  QComboBox* pacLen = w.Combo("TNC_Combo_PacLen");
  pacLen->setFocus(Qt::TabFocusReason);
  TurnWheel(pacLen, 1);
  EXPECT_TRUE(qrg->text() == "144.800" && pacLen->hasFocus());
  EXPECT_EQ(pacLen->currentText(), "245 chars");
}

TEST_F(TncPageTest, TabOrderFollowsThePageTopToBottom) {
  QWidget* widget = list;
  QStringList order;
  for (int i = 0; i < 7; ++i) {
    widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus)) widget = widget->nextInFocusChain();
    order << widget->objectName();
  }
  EXPECT_EQ(order, (QStringList{"TNC_Speed_Add", "TNC_Speed_Delete", "TNC_Combo_Driver", "TNC_Combo_Com", "TNC_CB_DRSI",
                                "TNC_Button_MapCom", "TNC_Combo_Baud"}));
}

}  // namespace
}  // namespace trv
