// Every field the pages bind to a setting: filled from the file, stored back under its key,
// limited as the setting's declaration says, and telling in its tooltip where the file keeps it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>

#include "page_tabs.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::Window;

struct Binding {
  const char* tab;
  const char* field;
  const char* section;
  const char* key;
  // The file's value and what the field shows of it: a check box "on" or "off", a list its
  // item. No value: the page moves it itself and has its own tests; only the tooltip is checked.
  const char* inFile = nullptr;
  QString shown;
  // Typed into an edit past its limits, and what the edit shows after it is left.
  QString overLimit, afterLeaving;
  // Typed (an edit), picked (a list) or clicked (a check box), and what OK then writes.
  QString entered;
  const char* written = nullptr;
};

// In tab order within each page.
const Binding kBindings[] = {
    {"Station", "Station_Edit_Call", "STATION", "CALL", "dl1abcdefghi", "DL1ABCDEFGHI", "dl2xyz-15x", "DL2XYZ-15", "",
     "NOCALL"},
    {"Station", "Station_Edit_Locator", "STATION", "QTH", "jn58td", "JN58TD", "jo40abcd", "JO40AB", "", "JN59IL"},
    {"Display", "Disp_Edit_MaxRXLines", "DISPLAY", "SBL", "30000", "30000", "99999", "100", "12000", "12000"},
    {"Display", "Disp_Edit_MaxTXLines", "DISPLAY", "MEL", "500", "500", "9999", "50", "120", "120"},  // typed: 999
    {"Display", "Disp_Cb_Echo", "DISPLAY", "ETD", "0", "off", {}, {}, "click", "1"},
    {"Display", "Disp_CB_SaveRX", "DISPLAY", "SAVERX", "1", "on", {}, {}, "click", "0"},
    {"Display", "Disp_CB_SaveTX", "DISPLAY", "SAVETX", "0", "off", {}, {}, "click", "1"},
    {"Display", "Disp_CB_FlickerRX", "DISPLAY", "RXBB", "1", "on", {}, {}, "click", "0"},
    {"Display", "Disp_CB_FlickerTX", "DISPLAY", "EDITBB", "0", "off", {}, {}, "click", "1"},
    {"Languages", "Lang_Combo_Visual", "LANGUAGE", "VISUAL"},
    {"Languages", "Lang_Combo_Output", "LANGUAGE", "OUTPUT"},
    {"Extra", "Extra_Edit_Prompt", "EXTRA", "PROMPT", "Hallo %Call", "Hallo %Call", QString(90, 'p'), QString(80, 'p'),
     "de %Call>", "de %Call>"},
    {"Extra", "Extra_Combo_PollDelay", "EXTRA", "TPRI", "7", "350 ms", {}, {}, "500 ms", "10"},
    {"Extra", "Extra_Edit_NodeCall", "EXTRA", "NODECALL", "db0abc-15xyz", "DB0ABC-15XYZ", "dl1abc-10xyz", "DL1ABC-10",
     "db0xyz-1", "DB0XYZ-1"},
    {"Extra", "Extra_Edit_Fortune", "EXTRA", "FORTUNE", "fortune.dl", "FORTUNE.DL", "sprueche.txt1234", "SPRUECHE.TXT",
     "spruch.dl", "SPRUCH.DL"},
    {"Extra", "Extra_Combo_UTC", "EXTRA", "UTC"},
    {"Extra", "Extra_CB_DelayedDisplay", "EXTRA", "DUP", "0", "off", {}, {}, "click", "1"},
    {"Extra", "Extra_CB_ReduceResync", "EXTRA", "SRESYNC", "1", "on", {}, {}, "click", "0"},
    {"Extra", "Extra_CB_MultiToolbar", "EXTRA", "MULTILINE", "0", "off", {}, {}, "click", "1"},
    {"Extra", "Extra_CB_SuppressBin", "EXTRA", "SUPBIN", "5", "on", {}, {}, "click", "0"},
    {"Moduls", "Modul_CB_DigiInfo", "EXTRA", "DLINK", "1", "on", {}, {}, "click", "0"},
    {"Moduls", "Modul_CB_Spy", "EXTRA", "SPY", "0", "off", {}, {}, "click", "1"},
    {"Moduls", "Modul_CB_MailBox", "EXTRA", "BOX", "1", "on", {}, {}, "click", "0"},
    {"Moduls", "Modul_CB_DXClusterSpy", "EXTRA", "LDXC", "1", "on", {}, {}, "click", "0"},
    {"Moduls", "Modul_CB_Broadcast", "EXTRA", "LBROAD", "0", "off", {}, {}, "click", "1"},
    // The box call is stored as typed, empty included (unlike the station call).
    {"Mailbox 1", "Mail_Edit_Call", "MAILBOX", "BOXCALL", "db0abc-8", "DB0ABC-8", "dl1abc-15x", "DL1ABC-15", "", ""},
    {"Mailbox 1", "Mail_Edit_HPath", "MAILBOX", "HPATH", "#bay.deu.eu", "#BAY.DEU.EU", "#nrw.deu.eu" + QString(40, 'x'),
     "#NRW.DEU.EU" + QString(29, 'X'), "#nrw.deu.eu", "#NRW.DEU.EU"},
    {"Mailbox 1", "Mail_Edit_FHeader", "MAILBOX", "FHEADER", "DB0ABC Muenchen", "DB0ABC Muenchen",
     "DL1ABC Bonn, kleine Buchstaben bleiben", "DL1ABC Bonn, kleine Buchs", "", "NOCALL NONAMECITY"},
    {"Mailbox 1", "Mail_Edit_DefLT", "MAILBOX", "DEFLT", "30", "30", "400", "20", "365", "365"},
    // Minutes shown, as the label beside it says, and written: not seconds.
    {"Mailbox 1", "Mail_Edit_TimeOut", "MAILBOX", "TIMEOUT", "20", "20", "61", "15", "30", "30"},
    {"Mailbox 1", "Mail_Edit_SysMailTo", "MAILBOX", "SYSMTO", "SYSOP", "SYSOP", "sysop-all", "SYSOP-AL", "all", "ALL"},
    {"Mailbox 1", "Mail_Edit_DefBoard", "MAILBOX", "DEFBOARD", "ALLE", "ALLE", "allemeine", "ALLEMEIN", "tausch",
     "TAUSCH"},
    {"Mailbox 1", "Mail_Edit_MaxBidCount", "MAILBOX", "MOBID", "20000", "20000", "2999", "15000", "150000", "150000"},
    {"Mailbox 2", "Mail2_Cb_InsertFHeader", "MAILBOX", "FHINCL", "0", "off", {}, {}, "click", "1"},
    {"Mailbox 2", "Mail2_Cb_IncludeBID", "MAILBOX", "FHBID", "1", "on", {}, {}, "click", "0"},
    {"Mailbox 2", "Mail2_Cb_LTReport", "MAILBOX", "SMLIFE", "0", "off", {}, {}, "click", "1"},
    {"Mailbox 2", "Mail2_Cb_YReport", "MAILBOX", "SMROUTE", "1", "on", {}, {}, "click", "0"},
    {"Mailbox 2", "Mail2_Cb_MemGarbage", "MAILBOX", "GARMEM", "1", "on", {}, {}, "click", "0"},
    {"Mailbox 2", "Mail2_Cb_QZDos", "MAILBOX", "QZDOS", "0", "off", {}, {}, "click", "1"},
    {"Mailbox 2", "Mail2_Cb_PWNecessary", "EXTRA", "PWBOX", "1", "on", {}, {}, "click", "0"},
    {"Mailbox 2", "Mail2_Cb_ParseAllMails", "MAILBOX", "PAM", "1", "on", {}, {}, "click", "0"},
    {"Mailbox 2", "Mail2_CB_BlinkIcon", "MAILBOX", "BLINKICON", "1", "on", {}, {}, "click", "0"},
    {"Mailbox 2", "Mail2_CB_BlinkLED", "MAILBOX", "BLINKLED", "0", "off", {}, {}, "click", "1"},
    {"Mailbox 2", "Mail2_Cb_GarbageHour", "MAILBOX", "GARBAT"},
    {"Mailbox 2", "Mail2_Cb_GarbageMin", "MAILBOX", "GARBAT"},
    {"Mailbox 2", "Mail2_Cb_Restart", "MAILBOX", "RESTART", "1", "on", {}, {}, "click", "0"},
};

void PrintTo(const Binding& b, std::ostream* os) { *os << b.field; }

class PageBinding : public ::testing::TestWithParam<Binding> {};

QString Shown(QWidget* field) {
  if (auto* box = qobject_cast<QCheckBox*>(field)) return box->isChecked() ? "on" : "off";
  if (auto* list = qobject_cast<QComboBox*>(field)) return list->currentText();
  return qobject_cast<QLineEdit*>(field)->text();
}

void Enter(Window& w, QWidget* field, const QString& value) {
  if (auto* box = qobject_cast<QCheckBox*>(field)) return test::ClickBox(box);
  if (auto* list = qobject_cast<QComboBox*>(field)) return test::Pick(list, value);
  w.Type(field->objectName().toLatin1().constData(), value);
}

TEST_P(PageBinding, FillStoreLimitsAndTooltip) {
  const Binding& b = GetParam();
  const std::string file =
      b.inFile == nullptr ? "" : "[" + std::string(b.section) + "]\r\n" + b.key + "=" + b.inFile + "\r\n";
  Window w(file);
  test::OpenTab(w, b.tab);
  QWidget* field = w.Find<QWidget>(b.field);
  ASSERT_NE(field, nullptr);
  const QString where = QStringLiteral("[%1] %2").arg(b.section, b.key);
  EXPECT_TRUE(field->toolTip().contains(where)) << field->toolTip().toStdString();
  EXPECT_TRUE(field->accessibleDescription().contains(where));
  if (b.inFile == nullptr) return;

  EXPECT_EQ(Shown(field), b.shown);
  if (!b.overLimit.isEmpty()) {
    w.Type(b.field, b.overLimit);
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(Shown(field), b.afterLeaving);
  }
  Enter(w, field, b.entered);
  test::PressOk(w);
  EXPECT_EQ(w.form->result(), QDialog::Accepted);
  EXPECT_EQ(test::Written(w, b.section, b.key), b.written);
}

INSTANTIATE_TEST_SUITE_P(EveryBoundField, PageBinding, ::testing::ValuesIn(kBindings),
                         [](const auto& info) { return std::string(info.param.field); });

// Tab moves from each field to the next of its page, in the order of the table.
TEST(PageBinding, TabOrder) {
  Window w("");
  for (std::size_t i = 0; i + 1 < std::size(kBindings); ++i) {
    const Binding& b = kBindings[i];
    if (QString(b.tab) != kBindings[i + 1].tab) continue;
    test::OpenTab(w, b.tab);
    QWidget* field = w.Find<QWidget>(b.field);
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), kBindings[i + 1].field) << b.field;
  }
}

}  // namespace
}  // namespace trv
