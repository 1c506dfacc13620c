#pragma once
// Helpers for the widget tests: recorded message boxes and a window over its own program directory.
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>
#include <memory>
#include <ostream>

#include "test_util.h"
#include "ui/form2.h"
#include "ui/message_boxes.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace trv::test {

// Types any text, also characters that QTest::keyClicks takes for no key.
inline void TypeText(QWidget* widget, const QString& text) {
  for (QChar ch : text) {
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

class RecordedBoxes : public MessageBoxes {
 public:
  void ShowError(const QString& text) override { errors << ErrorBoxText(text); }
  void ShowInformation(const QString& text) override { infos << text; }
  bool AskYesNo(const QString& text) override {
    questions << text;
    return answerYes;
  }
  QStringList errors, infos, questions;
  bool answerYes = true;
};

// A main window over a program directory with the given TARVO.INI.
struct Window {
  // `prepare` lays out more of the program directory before the window loads it.
  explicit Window(const std::string& ini, StoreOptions options = {},
                  const std::function<void(const ProgramDir&)>& prepare = {})
      : dir(ini), config(dir.Files(), options) {
    if (prepare) prepare(dir);
    form = std::make_unique<TForm2>(config, boxes);
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
  RecordedBoxes boxes;
  Config config;
  std::unique_ptr<TForm2> form;
};

}  // namespace trv::test
