#include "ui/widgets/dos_text_edit.h"

#include <QKeyEvent>
#include <QMimeData>

#include "support/codepage.h"
#include "ui/text_convert.h"

namespace trv {
namespace {

bool Accepted(QChar ch) {
  return ch == '\n' || ch == QChar::ParagraphSeparator || (IsDosCharacter(ch.unicode()) && HasWindowsForm(ch));
}

}  // namespace

QString DosTextEdit::Filtered(const QString& text) {
  QString kept;
  for (QChar ch : text)
    if (Accepted(ch)) kept += ch;
  return kept;
}

void DosTextEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  if (!typed.isEmpty() && typed.at(0).isPrint() && Filtered(typed).isEmpty()) return;
  QPlainTextEdit::keyPressEvent(event);
}

void DosTextEdit::insertFromMimeData(const QMimeData* source) {
  if (source->hasText()) insertPlainText(Filtered(source->text()));
}

}  // namespace trv
