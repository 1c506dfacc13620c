#include "ui/setting_search.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTranslator>
#include <set>

#include "ui_test_util.h"

namespace trv {
namespace {

using test::Window;

const std::string kSettled = test::IniFixture("settled.ini");

enum Tab { kTnc = 0, kDirectory = 3, kExtra = 4, kSound = 6, kColors = 7, kMailbox1 = 9, kMailbox2 = 10 };

QTabWidget* Tabs(Window& w) { return w.Find<QTabWidget>("PageControl1"); }

// The label a user sees at the field: a box's own text, a label that names it, or its group's caption.
QString SeenLabel(QWidget* field) {
  auto* button = qobject_cast<QAbstractButton*>(field);
  if (button != nullptr && qobject_cast<QRadioButton*>(field) == nullptr) return button->text().remove('&');
  for (auto* label : field->window()->findChildren<QLabel*>())
    if (label->buddy() == field) return label->text().remove('&').remove(':');
  for (QWidget* p = field->parentWidget(); p != nullptr; p = p->parentWidget())
    if (auto* group = qobject_cast<QGroupBox*>(p)) return group->title().remove('&');
  return {};
}

// Ctrl+F, the words, Down as often as given, then Return (or a click on the match): the page
// is shown, its list line selected, and the focus is in the field.
TEST(SettingSearch, GoesToTheMatchTaken) {
  struct Case {
    const char* typed;
    int downs;
    bool click;
    bool german;
    int page;
    const char* field;
    const char* list;
    int row;
  };
  const Case cases[] = {
      {"TIMEOUT", 0, false, false, kMailbox1, "Mail_Edit_TimeOut", nullptr, -1},
      {"[MAILBOX] TIMEOUT", 0, false, false, kMailbox1, "Mail_Edit_TimeOut", nullptr, -1},
      {"mailbox timeout", 0, false, false, kMailbox1, "Mail_Edit_TimeOut", nullptr, -1},
      {"Zeitlimit", 0, false, true, kMailbox1, "Mail_Edit_TimeOut", nullptr, -1},  // the window's language
      {"timeout", 0, false, true, kMailbox1, "Mail_Edit_TimeOut", nullptr, -1},    // and English
      {"poll", 0, true, false, kExtra, "Extra_Combo_PollDelay", nullptr, -1},
      {"QZ-DOS", 0, false, false, kMailbox2, "Mail2_Cb_QZDos", nullptr, -1},
      {"closed", 0, false, false, kMailbox2, "Mail2_List_ClosedTime", nullptr, -1},
      {"packet length", 0, false, false, kTnc, "TNC_Combo_PacLen", "ListBox1", 0},
      {"dir for mailbox", 0, false, false, kDirectory, "Dir_Edit_Path", "Dir_Lb_Dir", 2},
      {"Ring", 0, false, false, kSound, "Sound_Edit_WaveName", "Wave_Lb", 5},
      {"HBG2", 0, false, false, kColors, "ColorGrid1", "Color_Lb", 8},
      {"monitor header", 2, false, false, kColors, "ColorGrid1", "Color_Lb", 8},  // the third one
      {"monitor header", 3, true, false, kColors, "ColorGrid1", "Color_Lb", 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    QTranslator german;
    if (c.german) {
      ASSERT_TRUE(german.load(":/i18n/trvcfg_de.qm"));
      QCoreApplication::installTranslator(&german);
    }
    Window w(kSettled);
    QApplication::setActiveWindow(w.form.get());
    QTest::keyClick(w.form.get(), Qt::Key_F, Qt::ControlModifier);
    QWidget* field = QApplication::focusWidget();
    ASSERT_NE(field, nullptr);
    ASSERT_EQ(field->objectName(), "Search_Edit");
    test::TypeText(field, c.typed);
    auto* found = w.Find<QListWidget>("Search_List");
    ASSERT_TRUE(found->isVisible());
    if (c.click) {
      const QRect line = found->visualItemRect(found->item(c.downs));
      QTest::mouseClick(found->viewport(), Qt::LeftButton, {}, line.center());
    } else {
      for (int i = 0; i < c.downs; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_FALSE(found->isVisible());
    EXPECT_TRUE(w.form->isVisible());  // Return did not press OK
    EXPECT_EQ(Tabs(w)->currentIndex(), c.page);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QWidget* target = Tabs(w)->widget(c.page)->findChild<QWidget*>(c.field);
    ASSERT_NE(target, nullptr);
    EXPECT_TRUE(focus == target || target->isAncestorOf(focus)) << focus->objectName().toStdString();
    EXPECT_NE(w.form->findChild<QWidget*>("Search_Highlight"), nullptr);
    if (c.list != nullptr) {
      EXPECT_EQ(w.Find<QListWidget>(c.list)->currentRow(), c.row);
    }
    QCoreApplication::removeTranslator(&german);
  }
}

// Esc closes the list first, then empties the field, and only then reaches the window.
TEST(SettingSearch, EscClosesTheListBeforeTheWindow) {
  Window w(kSettled);
  QApplication::setActiveWindow(w.form.get());
  QTest::keyClick(w.form.get(), Qt::Key_F, Qt::ControlModifier);
  auto* field = w.Edit("Search_Edit");
  test::TypeText(field, "call");
  auto* found = w.Find<QListWidget>("Search_List");
  ASSERT_TRUE(found->isVisible());
  QTest::keyClick(field, Qt::Key_Escape);
  EXPECT_FALSE(found->isVisible());
  EXPECT_EQ(field->text(), "call");
  QTest::keyClick(field, Qt::Key_Escape);
  EXPECT_EQ(field->text(), "");
  EXPECT_TRUE(w.form->isVisible());
  QTest::keyClick(field, Qt::Key_Escape);
  EXPECT_FALSE(w.form->isVisible());  // nothing changed: the window closes at once
  EXPECT_TRUE(w.modals.questions.isEmpty());
}

// Every match of the index leads to a field that shows its label and names its key, and every
// key a page's fields name can be found on that page.
TEST(SettingSearch, EveryMatchLeadsToItsFieldAndEveryFieldCanBeFound) {
  Window w(kSettled);
  auto* search = w.form->findChild<SettingSearch*>();
  ASSERT_NE(search, nullptr);
  QStringList pages;
  for (int i = 0; i < Tabs(w)->count(); ++i) pages << Tabs(w)->tabText(i);
  const std::vector<SettingMatch> all = SettingIndex(w.config, pages).All();
  EXPECT_GT(all.size(), 80u);
  std::set<std::pair<int, QString>> keys;  // page, key
  for (const SettingMatch& match : all) {
    SCOPED_TRACE(match.label.toStdString());
    search->Go(match.place);
    ASSERT_EQ(Tabs(w)->currentIndex(), match.place.page);
    QWidget* field = Tabs(w)->widget(match.place.page)->findChild<QWidget*>(match.place.field);
    ASSERT_NE(field, nullptr);
    auto* list = match.place.list.isEmpty() ? nullptr : w.Find<QListWidget>(match.place.list.toUtf8().constData());
    if (list != nullptr && match.place.list != "ListBox1") {
      EXPECT_EQ(list->currentItem()->text(), match.label);
    } else {
      EXPECT_TRUE(match.label.startsWith(SeenLabel(field))) << SeenLabel(field).toStdString();
    }
    for (const QString& key : match.key.split(", ")) {
      keys.insert({match.place.page, key});
      if (match.place.field != "Mail2_List_ClosedTime") {  // the list has no help of its own
        EXPECT_TRUE(field->accessibleDescription().contains(key)) << field->accessibleDescription().toStdString();
      }
    }
  }
  const QRegularExpression named(R"(\[[A-Z]+\] [A-Z0-9]+)");
  for (int page = 0; page < Tabs(w)->count(); ++page)
    for (QWidget* field : Tabs(w)->widget(page)->findChildren<QWidget*>())
      for (const auto& key : named.globalMatch(field->accessibleDescription()))
        EXPECT_EQ(keys.count({page, key.captured()}), 1u) << field->objectName().toStdString() << " " << page;
}

}  // namespace
}  // namespace trv
