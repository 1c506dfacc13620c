#pragma once
// Helpers for the widget tests: recorded message boxes and a window over its own program directory.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>
#include <memory>
#include <ostream>

#include "test_util.h"
#include "ui/form2.h"
#include "ui/modal_windows.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace trv::test {

// Types any text, also characters that QTest::keyClicks takes for no key.
inline void TypeText(QWidget* widget, const QString& text) {
  for (QChar ch : text) {
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

// Answers every modal window the way the test says, and records what was asked.
class RecordedModals : public ModalWindows {
 public:
  void ShowError(const QString& text, const QString& detail = {}) override {
    errors << ErrorBoxText(text);
    errorDetails << detail;
  }
  void ShowInformation(const QString& text) override { infos << text; }
  bool AskYesNo(const QString& text, DefaultAnswer byDefault = DefaultAnswer::Yes) override {
    questions << text;
    questionDefaults << byDefault;
    return answerYes;
  }
  int AskChoice(const QString& text, const QStringList& answers) override {
    questions << text;
    choices << answers;
    return choiceAnswers.isEmpty() ? choiceAnswer : choiceAnswers.takeFirst();
  }
  // Runs `onDialog` instead of a modal loop; without one the dialog is cancelled.
  int RunDialog(QDialog& dialog) override {
    ++dialogsRun;
    if (!onDialog) return QDialog::Rejected;
    return onDialog(dialog);
  }
  QString AskOpenFileName(const QString& caption, const QString&, const QString&) override {
    questions << caption;
    return fileAnswer;
  }
  QString AskDirectory(const QString& caption, const QString&) override {
    questions << caption;
    return directoryAnswers.isEmpty() ? directoryAnswer : directoryAnswers.takeFirst();
  }

  // Records the first text of each wait; cancels once `waitCalls` calls were answered.
  bool ShowWaiting(const QString& text) override {
    if (!waiting) waits << text;
    waiting = true;
    return ++waitCalls < cancelWaitAfter;
  }
  void EndWaiting() override { waiting = false; }

  QStringList errors, errorDetails, infos, questions, choices, waits;
  bool waiting = false;
  int waitCalls = 0;
  int cancelWaitAfter = 1000000;
  bool answerYes = true;
  int choiceAnswer = -1;
  QList<int> choiceAnswers;               // answered first, one per question
  QList<DefaultAnswer> questionDefaults;  // of each yes/no question
  QStringList directoryAnswers;           // answered first, one per question
  int dialogsRun = 0;
  std::function<int(QDialog&)> onDialog;
  QString fileAnswer, directoryAnswer;
};

// Reads in tests never wait for a file to settle.
inline StoreOptions WithoutSettling(StoreOptions options) {
  options.settle = SettleBounds::None();
  return options;
}

// A main window over a program directory with the given TARVO.INI.
struct Window {
  // `prepare` lays out more of the program directory before the window loads it.
  explicit Window(const std::string& ini, StoreOptions options = {},
                  const std::function<void(const ProgramDir&)>& prepare = {})
      : dir(ini), config(dir.Files(), WithoutSettling(options)) {
    if (prepare) prepare(dir);
    form = std::make_unique<TForm2>(config, modals);
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  // A control of the main window itself (the edit-section dialog has an OK button too).
  template <class T>
  T* Find(const char* name) {
    for (T* widget : form->findChildren<T*>(name))
      if (widget->window() == form.get()) return widget;
    ADD_FAILURE() << "no control " << name;
    return nullptr;
  }
  QComboBox* Combo(const char* name) { return Find<QComboBox>(name); }
  QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
  void Type(const char* editName, const QString& text) {
    QLineEdit* edit = Edit(editName);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeText(edit, text);
  }

  ProgramDir dir;
  RecordedModals modals;
  Config config;
  std::unique_ptr<TForm2> form;
};

}  // namespace trv::test
