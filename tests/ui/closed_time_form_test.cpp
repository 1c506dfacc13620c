#include "ui/dialogs/closed_time_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace trv {
namespace {

TEST(ClosedTimeForm, FourNumberedListsInTabOrderAndOkLeftOfCancel) {
  TClosedTimeForm form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(form.windowTitle(), "ClosedTime");
  const struct {
    const char* name;
    int count;
  } lists[] = {{"CT_CB_FromHour", 24}, {"CT_CB_FromMin", 60}, {"CT_CB_ToHour", 24}, {"CT_CB_ToMin", 60}};
  std::vector<QComboBox*> boxes;
  for (const auto& l : lists) {
    auto* box = form.findChild<QComboBox*>(l.name);
    ASSERT_NE(box, nullptr) << l.name;
    boxes.push_back(box);
    EXPECT_FALSE(box->isEditable());
    ASSERT_EQ(box->count(), l.count);
    EXPECT_EQ(box->itemText(7), "07");
    EXPECT_EQ(box->itemData(7).toInt(), 7);
    EXPECT_EQ(box->itemText(l.count - 1), QString::number(l.count - 1));
    EXPECT_EQ(box->currentIndex(), 0);
  }
  boxes[0]->setFocus(Qt::TabFocusReason);
  for (std::size_t i = 1; i < boxes.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), boxes[i]);
  }
  EXPECT_LT(form.findChild<QPushButton*>("BitBtn1")->x(), form.findChild<QPushButton*>("BitBtn2")->x());
  EXPECT_EQ(form.findChild<QPushButton*>("BitBtn2")->text().remove('&'), "Cancel");
  EXPECT_GE(form.width(), 312);
  EXPECT_GE(form.height(), 119);
}

}  // namespace
}  // namespace trv
