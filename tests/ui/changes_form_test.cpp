// "Your changes...": what OK writes, typed values apart from OK's own forms, going to a field and
// putting the typed values back.
#include "ui/dialogs/changes_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>

#include "page_tabs.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::Window;

const std::string kSettled = test::IniFixture("settled.ini");

// Each line of the list as "heading: key, file's value -> new value".
QStringList Lines(QDialog& dialog) {
  QStringList lines;
  QTreeWidget* list = static_cast<ChangesForm&>(dialog).List();
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* top = list->topLevelItem(i);
    for (int j = 0; j < top->childCount(); ++j) {
      const QTreeWidgetItem* line = top->child(j);
      lines << QString("%1: %2, %3 -> %4").arg(top->text(0), line->text(2), line->text(3), line->text(4));
    }
  }
  return lines;
}

// Opens the list with the button's letter and does `inside` in it; gives the lines first seen.
QStringList OpenChanges(Window& w, const std::function<void(ChangesForm&)>& inside = {}) {
  QStringList lines;
  w.modals.onDialog = [&](QDialog& dialog) {
    lines = Lines(dialog);
    if (inside) inside(static_cast<ChangesForm&>(dialog));
    return dialog.result();
  };
  const int before = w.modals.dialogsRun;
  QTest::keyClick(w.form.get(), Qt::Key_Y, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.modals.dialogsRun == before + 1; }));  // a mnemonic clicks shortly
  return lines;
}

TEST(Changes, TheListShowsWhatOkWritesGoesToAFieldAndRevertsTheTypedValues) {
  const QString typed = "Your edits: ", untyped = "Written in OK's form without an edit: ";
  std::string emptyCall = kSettled;
  emptyCall.replace(emptyCall.find("CALL=DL1ABC"), 11, "CALL=");
  struct Row {
    const char* name;
    std::string file;
    const char* timeout;  // typed into the mailbox timeout, if any
    QStringList listed, afterRevert;
  };
  const Row rows[] = {
      {"nothing changed", kSettled, nullptr, {}, {}},
      {"timeout typed", kSettled, "45", {typed + "[MAILBOX] TIMEOUT, 15 -> 45"}, {}},
      {"timeout typed as the file has it", kSettled, "15", {}, {}},
      {"an empty call, which OK writes as NOCALL",
       emptyCall,
       "45",
       {typed + "[MAILBOX] TIMEOUT, 15 -> 45", untyped + "[STATION] CALL,  -> NOCALL"},
       {untyped + "[STATION] CALL,  -> NOCALL"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Window w(row.file);
    if (row.timeout != nullptr) {
      test::OpenTab(w, "Mailbox 1");
      w.Type("Mail_Edit_TimeOut", row.timeout);
      test::OpenTab(w, "TNC");  // the field is out of sight
    }
    EXPECT_EQ(OpenChanges(w), row.listed);
    EXPECT_TRUE(w.modals.errors.isEmpty()) << w.modals.errors.join("\n").toStdString();

    // Return on the first line goes to its field.
    if (!row.listed.isEmpty() && row.listed.front().startsWith(typed)) {
      OpenChanges(w, [](ChangesForm& form) { QTest::keyClick(form.List(), Qt::Key_Return); });
      EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == w.Edit("Mail_Edit_TimeOut"); }));
    }

    QStringList reverted;
    OpenChanges(w, [&](ChangesForm& form) {
      form.findChild<QPushButton*>("Changes_Btn_RevertAll")->click();
      reverted = Lines(form);
    });
    EXPECT_EQ(reverted, row.afterRevert);
    EXPECT_EQ(OpenChanges(w), row.afterRevert);
  }
}

}  // namespace
}  // namespace trv
