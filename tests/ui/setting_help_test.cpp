// The tooltips and screen-reader descriptions: each field names the key the file keeps its
// setting in (for the item chosen in the page's list), and its range and default in the unit
// and form the field shows, true for every state of the field, in English and German.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>

#include "config/settings/setting_catalogue.h"
#include "page_tabs.h"
#include "ui/setting_tooltip.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::Pick;
using test::Window;

struct FieldHelp {
  int tab;           // the page's place in the tab bar, the same in every language
  const char* list;  // the page's list, clicked at `row` first (none: -1)
  int row;
  const char* field;
  std::vector<const char*> shown;   // in the tooltip and the description, in English
  std::vector<const char*> german;  // the same facts in German, where the test looks at them
  std::vector<const char*> notShown = {};
};

enum Tab { kTnc = 0, kStation = 1, kDirectory = 3, kExtra = 4, kSound = 6, kColors = 7, kMailbox1 = 9, kMailbox2 = 10 };

const FieldHelp kFieldHelp[] = {
    {kTnc,
     "ListBox1",
     0,
     "TNC_Combo_Com",
     {"[DEVICE] TNC0", "One of COM 1 to COM 9, SIRQ 30 to SIRQ FF, SIRQ 30 DRSI to SIRQ FF DRSI. A new TNC has COM 2."},
     {"Einer der Werte COM 1 bis COM 9, SIRQ 30 bis SIRQ FF, SIRQ 30 DRSI bis SIRQ FF DRSI. Ein neuer TNC hat COM 2."}},
    {kTnc, "ListBox1", 1, "TNC_Combo_Com", {"[DEVICE] TNC1"}, {}},
    {kTnc, "ListBox1", 1, "TNC_CB_DRSI", {"[DEVICE] TNC1", "DRSI"}, {}},
    {kTnc, "ListBox1", 1, "TNC_Combo_PacLen", {"[DEVICE] TNC1", "One of 40 to 245 in steps of 5, 248."}, {}},
    {kTnc,
     "ListBox1",
     1,
     "TNC_Combo_Channels",
     {"[DEVICE] TNC1", "From 0 to 27. A new TNC has 8."},
     {"Von 0 bis 27. Ein neuer TNC hat 8."}},
    {kTnc,
     "ListBox1",
     0,
     "TNC_Combo_Baud",
     {"[DEVICE] TNC0", "1200 Baud, 2400 Baud", "57600 Baud, 115200 Baud. A new TNC has 19200 Baud."},
     {}},
    // A SIRQ port always runs at 57600: no choice, and no default of a new TNC's COM port.
    {kTnc,
     "ListBox1",
     1,
     "TNC_Combo_Baud",
     {"[DEVICE] TNC1", "Always 57600 Baud."},
     {"Immer 57600 Baud."},
     {"19200", "One of"}},
    {kTnc, "ListBox1", 1, "TNC_Combo_Driver", {"[DEVICE] TNC1", "A new TNC has TNC2.TNC."}, {}},
    // Reading takes a block name of any length; only typing stops at 20.
    {kTnc,
     "ListBox1",
     1,
     "TNC_COMBO_INI",
     {"[DEVICE] TNC1", "Up to 20 characters can be typed. A new TNC has DEFINI."},
     {"Bis zu 20 Zeichen können eingegeben werden. Ein neuer TNC hat DEFINI."},
     {"Up to 20 characters."}},
    {kTnc, "ListBox1", 1, "TNC_COMBO_DEI", {"[DEVICE] TNC1", "A new TNC has DEFDEI."}, {}},
    {kTnc,
     "ListBox1",
     1,
     "TNC_Edit_QRG",
     {"[DEVICE] TNC1", "A number of up to 10 characters with three decimals. A new TNC has 123.456."},
     {"Eine Zahl mit bis zu 10 Zeichen und drei Nachkommastellen. Ein neuer TNC hat 123.456."}},
    {kTnc, "ListBox1", 1, "TNC_Rb_Tnc3s", {"[DEVICE] TNC1", "1 TNC3S"}, {}},
    {kTnc, "ListBox1", 1, "TNC_CB_AutoParam", {"[DEVICE] TNC1", "On for a new TNC."}, {"Bei einem neuen TNC an."}},
    {kTnc, "ListBox1", 1, "TNC_CB_FastPoll", {"[DEVICE] TNC1", "Off for a new TNC."}, {}},
    // Typing stops at 9 characters; the file may hold 12.
    {kStation, nullptr, -1, "Station_Edit_Call", {"[STATION] CALL", "Up to 9 characters can be typed."}, {}, {"12"}},
    {kDirectory, "Dir_Lb_Dir", 3, "Dir_Edit_Path", {"[DIR] PD", "7PLUS\\"}, {}},
    {kDirectory, "Dir_Lb_Dir", 5, "Dir_Edit_Path", {"[DIR] ID", "MAIL\\IMPORT\\"}, {}},
    // The units the lists show, in their plural forms.
    {kExtra,
     nullptr,
     -1,
     "Extra_Combo_PollDelay",
     {"[EXTRA] TPRI", "From 50 ms to 500 ms. Default 100 ms."},
     {"Von 50 ms bis 500 ms. Standard: 100 ms."}},
    {kExtra,
     nullptr,
     -1,
     "Extra_Combo_UTC",
     {"[EXTRA] UTC", "From -12 hours to 12 hours. Default -1 hour."},
     {"Von -12 Stunden bis 12 Stunden. Standard: -1 Stunde."},
     {"3600"}},
    {kMailbox1,
     nullptr,
     -1,
     "Mail_Edit_TimeOut",
     {"[MAILBOX] TIMEOUT", "From 5 min to 60 min. Default 15 min."},
     {"Von 5 min bis 60 min. Standard: 15 min."}},
    {kMailbox2,
     nullptr,
     -1,
     "Mail2_Cb_GarbageHour",
     {"[MAILBOX] GARBAT", "From 00:00 to 23:59. Default 03:00."},
     {"Von 00:00 bis 23:59. Standard: 03:00."}},
    {kSound, "Wave_Lb", 0, "Sound_Edit_WaveName", {"[SOUND] STARTUP", "Default STARTUP.WAV."}, {}},
    {kSound, "Wave_Lb", 2, "Sound_Edit_WaveName", {"[SOUND] DISCON", "Empty by default."}, {}},
    {kSound, "Wave_Lb", -1, "Extra_CB_UseMCI", {"[EXTRA] WAVEMCI", "Off by default."}, {}},
    {kSound, "Wave_Lb", -1, "Extra_CB_DisableSound", {"[EXTRA] NOSOUND", "Off by default."}, {}},
    {kSound, "Wave_Lb", -1, "Extra_CB_LastConnectSound", {"[EXTRA] OLCSOUND", "On by default."}, {}},
    {kColors, "Color_Lb", 0, "ColorGrid1", {"[COLOR] CCOL", "From black to white. Default red."}, {}},
    {kColors, "Color_Lb", 4, "ColorGrid1", {"[COLOR] LFG", "[COLOR] LBG", "link messages"}, {}},
    // A port's header key missing or empty takes the shared header key's value; one unusable, its own.
    {kColors,
     "Color_Lb",
     8,
     "ColorGrid1",
     {"[COLOR] HFG2", "[COLOR] HBG2", "When it is missing or empty, reading adds it",
      "the value of [COLOR] HFG (yellow when that is missing or unusable)", "An unusable value gives yellow.",
      "the value of [COLOR] HBG (black when that is missing or unusable)", "An unusable value gives dark blue."},
     {"Fehlt der Schlüssel oder ist er leer, fügt das Lesen ihn mit dem Wert von [COLOR] HFG hinzu",
      "mit dem Wert von [COLOR] HBG hinzu (schwarz, wenn dieser fehlt oder unbrauchbar ist). Ein unbrauchbarer "
      "Wert ergibt dunkelblau."},
     {"Default"}},
};

QWidget* OpenTabAt(Window& w, int index) {
  auto* tabs = w.form->findChild<QTabWidget*>("PageControl1");
  QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
  EXPECT_EQ(tabs->currentIndex(), index);
  return tabs->widget(index);
}

void ExpectHelp(const QWidget* field, const std::vector<const char*>& shown, const std::vector<const char*>& notShown) {
  const QString tip = field->toolTip(), description = field->accessibleDescription();
  for (const char* text : shown) {
    EXPECT_TRUE(tip.contains(QString(text).toHtmlEscaped())) << tip.toStdString();
    EXPECT_TRUE(description.contains(text)) << description.toStdString();
  }
  for (const char* text : notShown) EXPECT_FALSE(description.contains(text)) << description.toStdString();
}

const char* const kTwoTncs =
    "[DEVICE]\r\nTNC0=2,248,19200,8,1,1,123.456,DEFINI,DEFDEI,0,0\r\n"
    "TNC1=60,128,9600,4,0,1,144.800,A,B,1,1\r\nTNC2=END OF BLOCK\r\n";

// Each field says the range and default of its setting in the unit and form it shows, in
// English and in German.
TEST(SettingHelp, FieldsSayTheirFactsInTheirUnits) {
  for (const bool german : {false, true}) {
    SCOPED_TRACE(german ? "German" : "English");
    QTranslator translator;
    if (german) {
      ASSERT_TRUE(translator.load(":/i18n/trvcfg_de.qm"));
      QCoreApplication::installTranslator(&translator);
    }
    Window w(kTwoTncs);
    for (const FieldHelp& f : kFieldHelp) {
      if (german && f.german.empty()) continue;
      SCOPED_TRACE(std::string(f.field) + " " + std::to_string(f.row));
      QWidget* page = OpenTabAt(w, f.tab);
      ASSERT_NE(page, nullptr);
      if (f.row >= 0) {
        auto* list = page->findChild<QListWidget*>(f.list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(f.row)).center());
        ASSERT_EQ(list->currentRow(), f.row);
      }
      auto* field = page->findChild<QWidget*>(f.field);
      ASSERT_NE(field, nullptr);
      ExpectHelp(field, german ? f.german : f.shown, f.notShown);
    }
    if (german) QCoreApplication::removeTranslator(&translator);
  }
}

// The baud rate's help follows the port as the user changes it, before anything is stored.
TEST(SettingHelp, BaudRateHelpFollowsThePort) {
  Window w(kTwoTncs);
  OpenTabAt(w, kTnc);
  QComboBox* com = w.Combo("TNC_Combo_Com");
  QWidget* baud = w.Combo("TNC_Combo_Baud");
  Pick(com, "SIRQ 30");
  ExpectHelp(baud, {"Always 57600 Baud."}, {"19200"});
  Pick(com, "COM 3");
  ExpectHelp(baud, {"One of 1200 Baud", "A new TNC has 19200 Baud."}, {"Always"});
}

// Over every setting the catalogue declares, in both languages: no placeholder is left, and a
// setting shown in a unit names its default in that unit.
TEST(SettingHelp, EveryDeclaredSettingSaysItsFactsWhole) {
  Window w(kTwoTncs);
  const SettingCatalogue catalogue = MakeSettingCatalogue(w.config);
  for (const bool german : {false, true}) {
    QTranslator translator;
    if (german) {
      ASSERT_TRUE(translator.load(":/i18n/trvcfg_de.qm"));
      QCoreApplication::installTranslator(&translator);
    }
    for (const CatalogueEntry& e : catalogue) {
      if (e.section.empty()) continue;  // not kept in the file: no help
      SCOPED_TRACE(e.name + (german ? " German" : " English"));
      const QString description = SettingDescription(e);
      EXPECT_FALSE(description.contains(QRegularExpression("%[1-9n]"))) << description.toStdString();
      EXPECT_FALSE(description.contains("(s)")) << description.toStdString();
      if (e.unitName.empty()) continue;
      const QString shownDefault = ShownQuantity(std::stoll(e.defaultValue) * e.shownScale / e.shownFactor, e.unitName);
      EXPECT_TRUE(description.contains(shownDefault)) << description.toStdString();
    }
    if (german) QCoreApplication::removeTranslator(&translator);
  }
}

}  // namespace
}  // namespace trv
