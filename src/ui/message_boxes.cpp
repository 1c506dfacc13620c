#include "ui/message_boxes.h"

#include <QMessageBox>

#include "ui/form2.h"

namespace trv {

QString ErrorBoxText(const QString& text) {
  if (!text.isEmpty() && text.back() > QChar('.')) return text + '.';
  return text;
}

void QtMessageBoxes::ShowError(const QString& text) {
  QMessageBox::critical(parent_, kApplicationTitle, ErrorBoxText(text));
}

void QtMessageBoxes::ShowInformation(const QString& text) {
  QMessageBox::information(parent_, kApplicationTitle, text);
}

bool QtMessageBoxes::AskYesNo(const QString& text) {
  return QMessageBox::question(parent_, kApplicationTitle, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

}  // namespace trv
