// What changed and how to undo it, field by field: the marks beside changed fields and on their
// tabs, the switch that marks values other than the default, and each field's context menu.
#include "ui/field_marks.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <functional>

#include "page_tabs.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::Window;

const std::string kSettled = test::IniFixture("settled.ini");

// The settled file with values that OK writes in another form (the call in small letters) or
// that are not the default (a mailbox timeout of 30 minutes).
std::string Unsettled() {
  std::string file = kSettled;
  file.replace(file.find("CALL=DL1ABC"), 11, "CALL=dl1abc");
  file.replace(file.find("[MAILBOX]\r\n") + 11, 0, "TIMEOUT=30\r\n");
  return file;
}

FieldMark* MarkOf(Window& w, const char* field) { return w.Find<QWidget>(field)->findChild<FieldMark*>(); }

CornerMark::Kind Marked(Window& w, const char* field) {
  const FieldMark* mark = MarkOf(w, field);
  return mark != nullptr && mark->isVisible() ? mark->Shown() : CornerMark::Kind::None;
}

// What a screen reader hears of the tab besides its caption.
QString TabNote(Window& w, const QString& caption) {
  auto* tabs = w.Find<QTabWidget>("PageControl1");
  for (int i = 0; i < tabs->count(); ++i)
    if (tabs->tabText(i) == caption)
      return QAccessible::queryAccessibleInterface(tabs->tabBar())->child(i)->text(QAccessible::Description);
  return "<no tab>";
}

void PickNext(QComboBox* box) {
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, Qt::Key_Down);
}

void TypeInto(Window& w, const char* field, const QString& text) {
  w.Type(field, text);
  QTest::keyClick(w.Edit(field), Qt::Key_Tab);  // a number edit checks its entry when it loses the focus
}

// The colour beside the grid's first one, for both sides (an element may have only one).
void PickColour(Window& w) {
  QWidget* grid = w.Find<QWidget>("ColorGrid1");
  grid->setFocus(Qt::TabFocusReason);
  QTest::keyClick(grid, Qt::Key_Home);
  QTest::keyClick(grid, Qt::Key_Right);
  QTest::keyClick(grid, Qt::Key_F);
  QTest::keyClick(grid, Qt::Key_B);
}

// An existing file, which the wave-file field takes (though it cannot play it).
const QString kOtherFile = "C:\\TARVO.INI";

TEST(FieldMarks, AFieldAndItsTabAreMarkedWhileTheValueDiffersFromTheLoadedOne) {
  struct Row {
    const char* name;
    QString tab;
    const char* field;
    std::function<void(Window&)> edit;
    bool changed;
  };
  const Row rows[] = {
      {"timeout typed", "Mailbox 1", "Mail_Edit_TimeOut", [](Window& w) { TypeInto(w, "Mail_Edit_TimeOut", "45"); },
       true},
      {"timeout typed as loaded", "Mailbox 1", "Mail_Edit_TimeOut",
       [](Window& w) { TypeInto(w, "Mail_Edit_TimeOut", "30"); }, false},
      {"unusable timeout, which OK stores as the default", "Mailbox 1", "Mail_Edit_TimeOut",
       [](Window& w) { w.Type("Mail_Edit_TimeOut", "x"); }, true},
      {"call typed again, in capitals as OK writes it", "Station", "Station_Edit_Call",
       [](Window& w) { TypeInto(w, "Station_Edit_Call", "dl1abc"); }, false},
      {"call with a blank at its end, which OK drops", "Station", "Station_Edit_Call",
       [](Window& w) { TypeInto(w, "Station_Edit_Call", "DL1ABC "); }, false},
      {"call typed", "Station", "Station_Edit_Call", [](Window& w) { TypeInto(w, "Station_Edit_Call", "DL2X"); }, true},
      {"box ticked", "Moduls", "Modul_CB_Spy", [](Window& w) { test::ClickBox(w.Find<QCheckBox>("Modul_CB_Spy")); },
       true},
      {"box ticked and cleared", "Moduls", "Modul_CB_Spy",
       [](Window& w) {
         test::ClickBox(w.Find<QCheckBox>("Modul_CB_Spy"));
         test::ClickBox(w.Find<QCheckBox>("Modul_CB_Spy"));
       },
       false},
      {"sound box cleared", "Sound", "Extra_CB_LastConnectSound",
       [](Window& w) { test::ClickBox(w.Find<QCheckBox>("Extra_CB_LastConnectSound")); }, true},
      {"list entry picked", "Extra", "Extra_Combo_PollDelay",
       [](Window& w) { PickNext(w.Combo("Extra_Combo_PollDelay")); }, true},
      {"time zone picked", "Extra", "Extra_Combo_UTC", [](Window& w) { PickNext(w.Combo("Extra_Combo_UTC")); }, true},
      {"garbage hour picked", "Mailbox 2", "Mail2_Cb_GarbageHour",
       [](Window& w) { PickNext(w.Combo("Mail2_Cb_GarbageHour")); }, true},
      {"a closed time deleted", "Mailbox 2", "Mail2_List_ClosedTime",
       [](Window& w) {
         auto* button = w.Find<QPushButton>("Mail_Btn_DeleteTime");
         QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
       },
       true},
      {"the TNC's port picked", "TNC", "TNC_Combo_Com", [](Window& w) { PickNext(w.Combo("TNC_Combo_Com")); }, true},
      {"a colour picked", "Colors", "ColorGrid1", [](Window& w) { PickColour(w); }, true},
      {"a wave file typed", "Sound", "Sound_Edit_WaveName",
       [](Window& w) { TypeInto(w, "Sound_Edit_WaveName", kOtherFile); }, true},
      {"a directory typed", "Directory", "Dir_Edit_Path",
       [](Window& w) { TypeInto(w, "Dir_Edit_Path", "C:\\ELSEWHERE"); }, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Window w(Unsettled());
    test::OpenTab(w, row.tab);
    row.edit(w);
    EXPECT_EQ(Marked(w, row.field), row.changed ? CornerMark::Kind::Changed : CornerMark::Kind::None);
    EXPECT_EQ(w.Find<QWidget>(row.field)->accessibleDescription().contains("Changed"), row.changed);
    EXPECT_EQ(TabNote(w, row.tab), row.changed ? "This page holds changes." : "");
  }
}

// Opening a page changes nothing, also where the page shows a loaded value in OK's form; the
// switch marks what differs from the default, on the fields and their tabs.
TEST(FieldMarks, OpeningEveryPageMarksNothingAndTheSwitchMarksWhatIsNotTheDefault) {
  Window w(Unsettled());
  auto* tabs = w.Find<QTabWidget>("PageControl1");
  for (int i = 0; i < tabs->count(); ++i) test::OpenTab(w, tabs->tabText(i));
  for (const FieldMark* mark : w.form->findChildren<FieldMark*>())
    EXPECT_FALSE(mark->isVisible()) << mark->objectName().toStdString();
  for (int i = 0; i < tabs->count(); ++i) EXPECT_EQ(tabs->tabToolTip(i), "") << i;

  auto* showDefaults = w.Find<QCheckBox>("Form_CB_ShowDefaults");
  test::OpenTab(w, "Mailbox 1");
  w.Edit("Mail_Edit_TimeOut")->setFocus();
  QTest::keyClick(w.Edit("Mail_Edit_TimeOut"), Qt::Key_T, Qt::AltModifier);  // the switch's mnemonic
  EXPECT_TRUE(QTest::qWaitFor([&] { return showDefaults->isChecked(); }));   // a button's mnemonic clicks it shortly
  EXPECT_EQ(Marked(w, "Mail_Edit_TimeOut"), CornerMark::Kind::NotDefault);
  EXPECT_TRUE(w.Edit("Mail_Edit_TimeOut")->accessibleDescription().endsWith("Differs from its default."));
  EXPECT_EQ(Marked(w, "Mail_Edit_DefLT"), CornerMark::Kind::None);
  EXPECT_EQ(TabNote(w, "Mailbox 1"), "This page holds settings that differ from their default.");
  EXPECT_EQ(TabNote(w, "Moduls"), "");
  test::ClickBox(showDefaults);
  EXPECT_EQ(Marked(w, "Mail_Edit_TimeOut"), CornerMark::Kind::None);
  EXPECT_EQ(TabNote(w, "Mailbox 1"), "");
}

// The switch marks the tab of each page that holds a setting other than its default at once,
// also where the page is not built yet (at start only the TNC and Sound pages are).
TEST(FieldMarks, TheSwitchMarksTheTabsOfPagesNotBuiltYet) {
  Window w("[STATION]\r\nCALL=DL1ABC\r\n[MAILBOX]\r\nTIMEOUT=30\r\n[COLOR]\r\nCCOL=2\r\n");
  test::ClickBox(w.Find<QCheckBox>("Form_CB_ShowDefaults"));
  const struct {
    const char* tab;
    bool notDefault;
  } rows[] = {{"Station", true}, {"Mailbox 1", true}, {"Colors", true},     {"Display", false},  {"Directory", false},
              {"Extra", false},  {"Moduls", false},   {"Languages", false}, {"Mailbox 2", false}};
  for (const auto& row : rows)
    EXPECT_EQ(TabNote(w, row.tab), row.notDefault ? "This page holds settings that differ from their default." : "")
        << row.tab;
  EXPECT_EQ(w.form->findChild<QWidget*>("Station_Edit_Call"), nullptr);  // marked without building the page
  test::OpenTab(w, "Station");
  EXPECT_EQ(Marked(w, "Station_Edit_Call"), CornerMark::Kind::NotDefault);
  EXPECT_EQ(TabNote(w, "Station"), "This page holds settings that differ from their default.");

  // Files that set much: each tab says the same before and after its page is built.
  for (const std::string& file : {Unsettled(), test::IniFixture("rich.ini")}) {
    Window rich(file);
    test::ClickBox(rich.Find<QCheckBox>("Form_CB_ShowDefaults"));
    auto* tabs = rich.Find<QTabWidget>("PageControl1");
    QStringList before;
    for (int i = 0; i < tabs->count(); ++i) before << TabNote(rich, tabs->tabText(i));
    for (int i = 0; i < tabs->count(); ++i) {
      test::OpenTab(rich, tabs->tabText(i));
      EXPECT_EQ(TabNote(rich, tabs->tabText(i)), before[i]) << tabs->tabText(i).toStdString();
    }
  }
}

// Right click, Shift+F10 and the Menu key open the field's menu; its items reset the field to
// the default or revert it to the file's value, and grey where they would change nothing.
TEST(FieldMarks, TheContextMenuResetsAndRevertsAField) {
  enum class Open { RightClick, ShiftF10, MenuKey };
  struct Row {
    const char* name;
    std::string file;
    Open open;
    Qt::Key item;  // the item's mnemonic
    QString shown;
    CornerMark::Kind mark;
  };
  const Row rows[] = {
      {"reset, the file has none", kSettled, Open::ShiftF10, Qt::Key_D, "15", CornerMark::Kind::None},
      {"reset, the file has another", Unsettled(), Open::MenuKey, Qt::Key_D, "15", CornerMark::Kind::Changed},
      {"revert", Unsettled(), Open::RightClick, Qt::Key_R, "30", CornerMark::Kind::None},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Window w(row.file);
    test::OpenTab(w, "Mailbox 1");
    TypeInto(w, "Mail_Edit_TimeOut", "45");
    QLineEdit* field = w.Edit("Mail_Edit_TimeOut");
    field->setFocus();
    switch (row.open) {
      case Open::RightClick: {
        QContextMenuEvent click(QContextMenuEvent::Mouse, field->rect().center(),
                                field->mapToGlobal(field->rect().center()));
        QApplication::sendEvent(field, &click);
        break;
      }
      case Open::ShiftF10: QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier); break;
      case Open::MenuKey: QTest::keyClick(field, Qt::Key_Menu); break;
    }
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (const QAction* action : menu->actions()) items << action->text() + (action->isEnabled() ? "" : " (greyed)");
    EXPECT_EQ(items, QStringList({"Reset to &default", "&Revert to the value in the file"}));
    QTest::keyClick(menu, row.item);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(field->text(), row.shown);
    EXPECT_EQ(Marked(w, "Mail_Edit_TimeOut"), row.mark);
    EXPECT_EQ(TabNote(w, "Mailbox 1"), row.mark == CornerMark::Kind::None ? "" : "This page holds changes.");

    // At the file's value and the default, both items are greyed.
    if (row.file != kSettled || row.mark != CornerMark::Kind::None) continue;
    QTest::keyClick(field, Qt::Key_Menu);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (const QAction* action : menu->actions()) EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    QTest::keyClick(menu, Qt::Key_Escape);
  }
}

// A field that shows one entry of a list is marked for that entry; the list, and so the tab, for
// any entry. Its menu reverts and resets the entry shown; "Revert all" every entry.
TEST(FieldMarks, AListEntryIsMarkedAndUndoneOnItsOwn) {
  std::string twoTncs = kSettled;
  twoTncs.replace(twoTncs.find("TNC1=END OF BLOCK"), 17,
                  "TNC1=4,248,9600,8,0,0,145.000,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC2=END OF BLOCK");
  struct Row {
    const char* name;
    std::string file;
    QString tab;
    const char* list;
    const char* field;
    std::function<void(Window&)> edit;  // of the list's second entry
  };
  const Row rows[] = {
      {"a TNC's flag", twoTncs, "TNC", "ListBox1", "TNC_CB_FastPoll",
       [](Window& w) { test::ClickBox(w.Find<QCheckBox>("TNC_CB_FastPoll")); }},
      {"a colour", kSettled, "Colors", "Color_Lb", "ColorGrid1", PickColour},
      {"a wave file", kSettled, "Sound", "Wave_Lb", "Sound_Edit_WaveName",
       [](Window& w) { TypeInto(w, "Sound_Edit_WaveName", kOtherFile); }},
      {"a directory", kSettled, "Directory", "Dir_Lb_Dir", "Dir_Edit_Path",
       [](Window& w) { TypeInto(w, "Dir_Edit_Path", "C:\\ELSEWHERE"); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Window w(row.file);
    test::OpenTab(w, row.tab);
    auto* list = w.Find<QListWidget>(row.list);
    QWidget* field = w.Find<QWidget>(row.field);
    const auto select = [&](int line) {
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(line)).center());
      ASSERT_EQ(list->currentRow(), line);
    };
    const auto menu = [&](Qt::Key item) {
      field->setFocus();
      QTest::keyClick(field, Qt::Key_Menu);
      auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (open == nullptr) return QStringList{"<no menu>"};
      QStringList greyed;
      for (const QAction* action : open->actions())
        if (!action->isEnabled()) greyed << action->text();
      QTest::keyClick(open, item);
      return greyed;
    };
    select(1);
    row.edit(w);
    EXPECT_EQ(Marked(w, row.field), CornerMark::Kind::Changed);
    select(0);
    EXPECT_EQ(Marked(w, row.field), CornerMark::Kind::None);
    EXPECT_EQ(Marked(w, row.list), CornerMark::Kind::Changed);
    EXPECT_EQ(TabNote(w, row.tab), "This page holds changes.");

    select(1);
    EXPECT_EQ(Marked(w, row.field), CornerMark::Kind::Changed);
    menu(Qt::Key_R);
    EXPECT_EQ(Marked(w, row.field), CornerMark::Kind::None);
    EXPECT_EQ(Marked(w, row.list), CornerMark::Kind::None);
    EXPECT_EQ(TabNote(w, row.tab), "");
    EXPECT_TRUE(menu(Qt::Key_Escape).contains("&Revert to the value in the file"));

    // After a reset the entry is at its default: the item greys.
    menu(Qt::Key_D);
    EXPECT_TRUE(menu(Qt::Key_Escape).contains("Reset to &default"));

    // "Revert all" puts every entry back, also one not shown.
    row.edit(w);
    select(0);
    w.modals.onDialog = [](QDialog& dialog) {
      dialog.findChild<QPushButton*>("Changes_Btn_RevertAll")->click();
      return QDialog::Rejected;
    };
    w.Find<QPushButton>("Btn_Changes")->click();
    EXPECT_EQ(Marked(w, row.list), CornerMark::Kind::None);
    EXPECT_EQ(TabNote(w, row.tab), "");
    select(1);
    EXPECT_EQ(Marked(w, row.field), CornerMark::Kind::None);
  }
}

}  // namespace
}  // namespace trv
