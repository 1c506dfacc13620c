// The tooltips and screen-reader descriptions of the TNC, Directory, Sound and Colors pages:
// each field names the key the file keeps its setting in, for the item chosen in the page's list.
#include <gtest/gtest.h>

#include <QListWidget>

#include "page_tabs.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::Window;

struct FieldHelp {
  const char* tab;
  const char* list;  // the page's list, clicked at `row` first (none: -1)
  int row;
  const char* field;
  std::vector<const char*> shown;  // in the tooltip and the description
};

const FieldHelp kFieldHelp[] = {
    {"TNC", "ListBox1", 0, "TNC_Combo_Com", {"[DEVICE] TNC0", "One of 1 to 9, 48 to 255, 304 to 511. Default 2."}},
    {"TNC", "ListBox1", 1, "TNC_Combo_Com", {"[DEVICE] TNC1"}},
    {"TNC", "ListBox1", 1, "TNC_CB_DRSI", {"[DEVICE] TNC1", "DRSI"}},
    {"TNC", "ListBox1", 1, "TNC_Combo_PacLen", {"[DEVICE] TNC1", "One of 40 to 245 in steps of 5, 248."}},
    {"TNC", "ListBox1", 1, "TNC_Combo_Channels", {"[DEVICE] TNC1", "From 0 to 27. Default 8."}},
    {"TNC", "ListBox1", 0, "TNC_Combo_Baud", {"[DEVICE] TNC0", "1200, 2400", "38400, 57600, 115200. Default 19200."}},
    {"TNC", "ListBox1", 1, "TNC_Combo_Baud", {"[DEVICE] TNC1", "One of 57600."}},
    {"TNC", "ListBox1", 1, "TNC_Combo_Driver", {"[DEVICE] TNC1", "Default TNC2.TNC."}},
    {"TNC", "ListBox1", 1, "TNC_COMBO_INI", {"[DEVICE] TNC1", "Default DEFINI."}},
    {"TNC", "ListBox1", 1, "TNC_COMBO_DEI", {"[DEVICE] TNC1", "Default DEFDEI."}},
    {"TNC", "ListBox1", 1, "TNC_Edit_QRG", {"[DEVICE] TNC1", "Default 123.456."}},
    {"TNC", "ListBox1", 1, "TNC_Rb_Tnc3s", {"[DEVICE] TNC1", "1 TNC3S"}},
    {"TNC", "ListBox1", 1, "TNC_CB_AutoParam", {"[DEVICE] TNC1", "On by default."}},
    {"TNC", "ListBox1", 1, "TNC_CB_FastPoll", {"[DEVICE] TNC1", "Off by default."}},
    {"Directory", "Dir_Lb_Dir", 3, "Dir_Edit_Path", {"[DIR] PD", "7PLUS\\"}},
    {"Directory", "Dir_Lb_Dir", 5, "Dir_Edit_Path", {"[DIR] ID", "MAIL\\IMPORT\\"}},
    {"Sound", "Wave_Lb", 0, "Sound_Edit_WaveName", {"[SOUND] STARTUP", "Default STARTUP.WAV."}},
    {"Sound", "Wave_Lb", 2, "Sound_Edit_WaveName", {"[SOUND] DISCON", "Empty by default."}},
    {"Sound", "Wave_Lb", -1, "Extra_CB_UseMCI", {"[EXTRA] WAVEMCI", "Off by default."}},
    {"Sound", "Wave_Lb", -1, "Extra_CB_DisableSound", {"[EXTRA] NOSOUND", "Off by default."}},
    {"Sound", "Wave_Lb", -1, "Extra_CB_LastConnectSound", {"[EXTRA] OLCSOUND", "On by default."}},
    {"Colors", "Color_Lb", 0, "ColorGrid1", {"[COLOR] CCOL", "From 0 to 15. Default 12."}},
    {"Colors", "Color_Lb", 4, "ColorGrid1", {"[COLOR] LFG", "[COLOR] LBG", "link messages"}},
    {"Colors", "Color_Lb", 8, "ColorGrid1", {"[COLOR] HFG2", "[COLOR] HBG2", "Default 0."}},
};

TEST(SettingHelp, FieldsNameTheKeyOfTheItemChosen) {
  Window w(
      "[DEVICE]\r\nTNC0=2,248,19200,8,1,1,123.456,DEFINI,DEFDEI,0,0\r\n"
      "TNC1=60,128,9600,4,0,1,144.800,A,B,1,1\r\nTNC2=END OF BLOCK\r\n");
  for (const FieldHelp& f : kFieldHelp) {
    SCOPED_TRACE(std::string(f.tab) + " " + f.field + " " + std::to_string(f.row));
    QWidget* page = test::OpenTab(w, f.tab);
    ASSERT_NE(page, nullptr);
    if (f.row >= 0) {
      auto* list = page->findChild<QListWidget*>(f.list);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(f.row)).center());
      ASSERT_EQ(list->currentRow(), f.row);
    }
    auto* field = page->findChild<QWidget*>(f.field);
    ASSERT_NE(field, nullptr);
    const QString tip = field->toolTip(), description = field->accessibleDescription();
    for (const char* text : f.shown) {
      EXPECT_TRUE(tip.contains(QString(text).toHtmlEscaped())) << tip.toStdString();
      EXPECT_TRUE(description.contains(text)) << description.toStdString();
    }
  }
}

}  // namespace
}  // namespace trv
