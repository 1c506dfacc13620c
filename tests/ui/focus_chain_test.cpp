#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>

#include "ui_test_util.h"

namespace trv {
namespace {

// After a click on a tab, Tab goes into the page that is shown, not past it to the buttons;
// Shift+Tab from OK goes back into the page (also one built at its first showing).
TEST(MainWindow, TabAfterClickingATabEntersThePage) {
  test::Window w("[STATION]\r\nCALL=DL1ABC\r\n");
  auto* tabs = w.Find<QTabWidget>("PageControl1");
  QApplication::setActiveWindow(w.form.get());
  for (int i = 0; i < tabs->count(); ++i) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
    ASSERT_EQ(tabs->currentIndex(), i);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << i;
    EXPECT_TRUE(tabs->widget(i)->isAncestorOf(focus))
        << tabs->tabText(i).toStdString() << ": " << focus->objectName().toStdString();
    QWidget* ok = w.Find<QWidget>("Btn_OK");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Backtab);
    EXPECT_TRUE(tabs->widget(i)->isAncestorOf(QApplication::focusWidget())) << tabs->tabText(i).toStdString();
  }
}

}  // namespace
}  // namespace trv
