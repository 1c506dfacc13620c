#pragma once
// Moving through the main window as the user does: a click on a tab, a click on a check box.
#include <QCheckBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

#include "ui_test_util.h"

namespace trv::test {

// Clicks the tab with the caption in the main window and waits until its page is shown (a
// page is built when its tab is first shown).
inline QWidget* OpenTabIn(QWidget& form, const QString& caption) {
  auto* tabs = form.findChild<QTabWidget*>("PageControl1");
  for (int i = 0; i < tabs->count(); ++i) {
    if (tabs->tabText(i) != caption) continue;
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(i).center());
    EXPECT_EQ(tabs->currentIndex(), i);
    EXPECT_TRUE(tabs->widget(i)->isVisible());
    return tabs->widget(i);
  }
  ADD_FAILURE() << "no tab " << caption.toStdString();
  return nullptr;
}

// The same in a window fixture with the main window in `form`.
template <class W>
QWidget* OpenTab(W& w, const QString& caption) {
  return OpenTabIn(*w.form, caption);
}

// Clicks the box's indicator.
inline void ClickBox(QCheckBox* box) {
  QStyleOptionButton option;
  option.initFrom(box);
  const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
  QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}

// Picks the item with the keyboard, as a user does in a closed drop-down list.
inline void Pick(QComboBox* box, const QString& text) {
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, Qt::Key_Home);
  for (int i = 0; i < box->count() && box->currentText() != text; ++i) QTest::keyClick(box, Qt::Key_Down);
  ASSERT_EQ(box->currentText(), text);
}

// Presses the main window's OK button with the mouse.
template <class W>
void PressOk(W& w) {
  QPushButton* ok = nullptr;
  for (auto* button : w.form->template findChildren<QPushButton*>("Btn_OK"))
    if (button->window() == w.form.get()) ok = button;
  ASSERT_NE(ok, nullptr);
  QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
}

// The value OK wrote for a key of a section ("<missing>" when there is none).
template <class W>
std::string Written(const W& w, const std::string& section, const std::string& key) {
  const std::string ini = w.dir.Ini();
  const std::size_t at = ini.find("\r\n" + key + "=", ini.find("[" + section + "]"));
  if (at == std::string::npos) return "<missing>";
  const std::size_t from = at + key.size() + 3;
  return ini.substr(from, ini.find("\r\n", from) - from);
}

}  // namespace trv::test
