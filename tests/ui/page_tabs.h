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

// Presses the main window's OK button with the mouse.
template <class W>
void PressOk(W& w) {
  QPushButton* ok = nullptr;
  for (auto* button : w.form->template findChildren<QPushButton*>("Btn_OK"))
    if (button->window() == w.form.get()) ok = button;
  ASSERT_NE(ok, nullptr);
  QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
}

}  // namespace trv::test
