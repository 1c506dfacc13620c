#pragma once
// Driving the Mailbox pages and the closed-time dialog as the user does.
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "config/sections/mailbox_section.h"
#include "page_tabs.h"
#include "ui/controls.h"
#include "ui/dialogs/closed_time_form.h"
#include "ui_test_util.h"

namespace trv::test {

inline void ClickLine(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {}) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(list->item(row)).center());
}

inline QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

struct ClosedTimeAnswer {
  QString fromHour, fromMin, toHour, toMin;
  bool ok = true;
};

// The next closed-time dialog: shown, the four times picked (empty: left as it is), then OK or
// Cancel clicked. `seen` gets the four selections the dialog opened with.
inline void AnswerClosedTime(Window& w, ClosedTimeAnswer answer, QStringList* seen = nullptr) {
  w.modals.onDialog = [answer, seen](QDialog& dialog) {
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const char* names[] = {"CT_CB_FromHour", "CT_CB_FromMin", "CT_CB_ToHour", "CT_CB_ToMin"};
    const QString picks[] = {answer.fromHour, answer.fromMin, answer.toHour, answer.toMin};
    if (seen) seen->clear();
    for (int i = 0; i < 4; ++i) {
      auto* box = dialog.findChild<QComboBox*>(names[i]);
      if (seen) *seen << box->currentText();
      if (!picks[i].isEmpty()) Pick(box, picks[i]);
    }
    QTest::mouseClick(dialog.findChild<QPushButton*>(answer.ok ? "BitBtn1" : "BitBtn2"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    return dialog.result();
  };
}

// What the next start reads from the file.
inline std::unique_ptr<Config> ReadBack(const Window& w) {
  auto config = std::make_unique<Config>(w.dir.Files());
  ReadMailboxSection(*config);
  return config;
}

inline QStringList WindowTexts(TClosedTimeCol& list) {
  QStringList texts;
  for (int i = 0; i < list.Count(); ++i) texts << QString::fromStdString(TClosedTimeCol::WindowText(*list.WindowAt(i)));
  return texts;
}

}  // namespace trv::test
