// Every control is reachable by Alt+letter and read by a name, in English and in German, and an
// empty list shows that it has the focus.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTranslator>
#include <map>
#include <vector>

#include "every_view.h"
#include "page_tabs.h"
#include "ui_test_util.h"

namespace trv::test {
namespace {

// The Alt+letter of a caption, empty when it has none.
QString Mnemonic(const QString& text) { return QKeySequence::mnemonic(text).toString(); }

bool HoldsFocusableControl(const QWidget* box) {
  for (const QWidget* w : box->findChildren<QWidget*>())
    if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) != 0) return true;
  return false;
}

// Checks the captions shown in `root` (the OK and Abort buttons included): each has its letter,
// and no letter is used twice.
void ExpectMnemonics(QWidget* root, const QString& where) {
  std::map<QString, QString> owners;  // letter -> caption
  const auto expect = [&](const QWidget* w, const QString& caption) {
    const QString key = Mnemonic(caption);
    EXPECT_FALSE(key.isEmpty()) << where.toStdString() << ": " << caption.toStdString() << " has no letter";
    if (key.isEmpty()) return;
    const auto [it, fresh] = owners.emplace(key, caption);
    EXPECT_TRUE(fresh) << where.toStdString() << ": " << key.toStdString() << " in " << caption.toStdString() << " and "
                       << it->second.toStdString();
    (void)w;
  };
  for (auto* w : root->findChildren<QAbstractButton*>())
    if (w->isVisible() && qobject_cast<QToolButton*>(w) == nullptr) expect(w, w->text());
  for (auto* w : root->findChildren<QGroupBox*>())
    if (w->isVisible() && HoldsFocusableControl(w)) expect(w, w->title());
  for (auto* w : root->findChildren<QLabel*>()) {
    if (!w->isVisible()) continue;
    if (w->buddy() != nullptr)
      expect(w, w->text());
    else
      EXPECT_TRUE(Mnemonic(w->text()).isEmpty()) << w->text().toStdString() << " has a letter but no field";
  }
}

class Keyboard : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (GetParam()) {
      ASSERT_TRUE(german_.load(":/i18n/trvcfg_de.qm"));
      QCoreApplication::installTranslator(&german_);
    }
  }
  void TearDown() override { QCoreApplication::removeTranslator(&german_); }
  QTranslator german_;
};

TEST_P(Keyboard, EveryPageAndDialogHasItsOwnLetters) {
  Window w("[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n");
  auto* tabs = w.form->findChild<QTabWidget*>("PageControl1");
  for (int i = 0; i < tabs->count(); ++i) {
    OpenTab(w, tabs->tabText(i));
    EXPECT_TRUE(Mnemonic(tabs->tabText(i)).isEmpty());
    ExpectMnemonics(w.form.get(), tabs->tabText(i));
  }
  TClosedTimeForm closedTime;
  closedTime.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&closedTime));
  ExpectMnemonics(&closedTime, closedTime.windowTitle());
}

// Alt and the letter of a group's caption take the focus into the group's field.
TEST_P(Keyboard, AltAndTheLetterMoveTheFocus) {
  Window w("");
  QWidget* page = OpenTab(w, QCoreApplication::translate("trv::TForm2", "Station"));
  ASSERT_NE(page, nullptr);
  auto* group = page->findChild<QGroupBox*>("GroupBox2");
  const QKeySequence letter = QKeySequence::mnemonic(group->title());
  w.Edit("Station_Edit_Call")->setFocus();
  QTest::keyClick(w.form.get(), static_cast<Qt::Key>(letter[0].key()), Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), w.Edit("Station_Edit_Locator"));
}

// After every page was visited (pages are built when first shown), Alt and a letter of the page
// shown take the focus into that page's group or the label's field, never to a hidden page.
TEST_P(Keyboard, AltAndTheLetterReachTheFieldOfThePageShown) {
  Window w("[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n");
  auto* tabs = w.form->findChild<QTabWidget*>("PageControl1");
  for (int round = 0; round < 2; ++round)
    for (int i = 0; i < tabs->count(); ++i) {
      QWidget* page = OpenTab(w, tabs->tabText(i));
      std::vector<std::pair<QString, QWidget*>> targets;  // caption, where the focus goes
      for (auto* group : page->findChildren<QGroupBox*>())
        if (group->isVisible() && HoldsFocusableControl(group)) targets.emplace_back(group->title(), group);
      for (auto* label : page->findChildren<QLabel*>())
        if (label->isVisible() && label->buddy() != nullptr) targets.emplace_back(label->text(), label->buddy());
      for (const auto& [caption, target] : targets) {
        const QKeySequence letter = QKeySequence::mnemonic(caption);
        if (letter.isEmpty()) continue;
        tabs->tabBar()->setFocus();
        QTest::keyClick(tabs->tabBar(), static_cast<Qt::Key>(letter[0].key()), Qt::AltModifier);
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus == target || target->isAncestorOf(focus))
            << "round " << round << ", " << tabs->tabText(i).toStdString() << ": " << caption.toStdString()
            << " took the focus to " << (focus ? focus->objectName().toStdString() : "nothing");
      }
    }
}

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp turn the pages wherever the focus is, round
// the end, and the focus goes into the page shown when it was in the page left. The keys go to
// the window, as a key press does. X's keymap offers a pressed Ctrl+Shift+Tab to the shortcuts as
// Tab with Ctrl and Shift (the event itself says Backtab): the rows with Ctrl+Shift+Tab send it so.
TEST(PageKeys, TurnThePagesFromAnyControl) {
  struct Row {
    const char* page;     // opened first (empty: the window as it starts)
    const char* control;  // has the focus
    QKeyCombination key;
    const char* shown;
  };
  std::vector<Row> rows = {
      {"", "Btn_Abort", Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, "Mailbox 2"},
      {"", "ListBox1", Qt::CTRL | Qt::Key_PageDown, "Station"},
      {"", "TNC_Edit_QRG", Qt::CTRL | Qt::Key_Tab, "Station"},
      {"", "TNC_Edit_QRG", Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, "Mailbox 2"},
      {"Languages", "Lang_Combo_Visual", Qt::CTRL | Qt::Key_Tab, "Mailbox 1"},
      {"Languages", "Lang_Combo_Output", Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, "Colors"},
      {"Languages", "Lang_Combo_Visual", Qt::CTRL | Qt::Key_PageDown, "Mailbox 1"},
      {"Languages", "Lang_Combo_Output", Qt::CTRL | Qt::Key_PageUp, "Colors"},
      {"Mailbox 2", "Mail2_Cb_GarbageHour", Qt::CTRL | Qt::Key_PageDown, "TNC"},
      {"Mailbox 2", "Mail2_Cb_GarbageHour", Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, "Mailbox 1"},
  };
  // Every key from each control outside the pages.
  for (const char* control :
       {"Search_Edit", "Form_CB_ShowDefaults", "Btn_Changes", "Btn_OK", "Btn_Abort", "qt_tabwidget_tabbar"})
    rows.insert(rows.end(), {{"", control, Qt::CTRL | Qt::Key_Tab, "Station"},
                             {"", control, Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, "Mailbox 2"},
                             {"", control, Qt::CTRL | Qt::Key_PageDown, "Station"},
                             {"", control, Qt::CTRL | Qt::Key_PageUp, "Mailbox 2"}});
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.page) + " " + row.control + " " + QKeySequence(row.key).toString().toStdString());
    Window w("[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n");
    if (*row.page != 0) OpenTab(w, row.page);
    QWidget* control = w.Find<QWidget>(row.control);
    control->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(control->hasFocus());
    QTest::keyClick(w.form->windowHandle(), row.key.key(), row.key.keyboardModifiers());
    auto* tabs = w.form->findChild<QTabWidget*>("PageControl1");
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), row.shown);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus->isVisible()) << focus->objectName().toStdString();
    if (*row.page != 0 || QString(row.control).startsWith("TNC_") || QString(row.control) == "ListBox1")
      EXPECT_TRUE(tabs->currentWidget()->isAncestorOf(focus)) << focus->objectName().toStdString();
    else
      EXPECT_EQ(focus, control);
  }
}

// Every control that takes the focus is read by a name, in the window (each page shown) and in
// its dialogs.
TEST_P(Keyboard, ScreenReadersReadEveryControlByName) {
  const auto expectNames = [](QWidget* root, const QString& where) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
      if (!w->isVisible() || (w->focusPolicy() & Qt::TabFocus) == 0) continue;
      if (qobject_cast<QComboBox*>(w->parentWidget()) != nullptr) continue;  // the field of an editable box
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
      ASSERT_NE(face, nullptr);
      // On Linux Qt reads a combo box's name as its entry, and its label through a relation.
      const QString name = qobject_cast<QComboBox*>(w) != nullptr ? w->accessibleName() : face->text(QAccessible::Name);
      EXPECT_TRUE(std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }))
          << where.toStdString() << ": " << w->objectName().toStdString() << " is read as \"" << name.toStdString()
          << '"';
    }
  };
  Window w("[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n");
  VisitEveryView(w, expectNames);
}

// Every field of every page says, when the mouse rests on it, what it keeps and where.
TEST(SettingHelp, EveryFieldOfEveryPageHasATooltip) {
  Window w("[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n");
  auto* tabs = w.form->findChild<QTabWidget*>("PageControl1");
  for (int i = 0; i < tabs->count(); ++i) {
    QWidget* page = OpenTab(w, tabs->tabText(i));
    for (QWidget* field : page->findChildren<QWidget*>()) {
      const bool isField = qobject_cast<QLineEdit*>(field) != nullptr || qobject_cast<QComboBox*>(field) != nullptr ||
                           qobject_cast<QCheckBox*>(field) != nullptr || qobject_cast<QRadioButton*>(field) != nullptr;
      if (!isField || !field->isVisible() || qobject_cast<QComboBox*>(field->parentWidget()) != nullptr) continue;
      EXPECT_FALSE(field->toolTip().isEmpty())
          << tabs->tabText(i).toStdString() << ": " << field->objectName().toStdString();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EnglishAndGerman, Keyboard, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "German" : "English"; });

// The closed-time list is empty at first: the focus shows on it all the same.
TEST(FocusFrame, AnEmptyListShowsTheFocus) {
  Window w("");
  OpenTab(w, "Mailbox 2");
  auto* list = w.Find<QListWidget>("Mail2_List_ClosedTime");
  ASSERT_EQ(list->count(), 0);
  // The list and what lies around it, where the frame is drawn.
  const auto around = [list] { return list->parentWidget()->grab(list->geometry().adjusted(-3, -3, 3, 3)).toImage(); };
  w.Find<QWidget>("Mail2_Cb_Restart")->setFocus();
  QCoreApplication::processEvents();  // the page laid out as shown
  const QImage unfocused = around();
  list->setFocus();
  ASSERT_TRUE(list->hasFocus());
  EXPECT_NE(around(), unfocused);
  w.Find<QWidget>("Mail2_Cb_Restart")->setFocus();
  EXPECT_EQ(around(), unfocused);
}

}  // namespace
}  // namespace trv::test
