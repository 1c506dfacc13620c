#pragma once
// A line edit whose typing is limited: a maximum length, optional capitals, characters that
// may not be typed. Text the program sets is shown whole and unchanged. Only characters with
// a Windows-1252 form can be typed.
#include <QLineEdit>
#include <QString>

namespace trv {

class LimitedLineEdit : public QLineEdit {
 public:
  LimitedLineEdit(int limit, bool upperCase, QWidget* parent = nullptr);
  void SetForbidden(const QString& characters) { forbidden_ = characters; }
  // Program-set text; an upper-case edit shows it in capitals.
  void SetProgramText(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void InsertTyped(QString text);

  int limit_;
  bool upperCase_;
  QString forbidden_;
};

}  // namespace trv
