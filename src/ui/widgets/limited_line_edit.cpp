#include "ui/widgets/limited_line_edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>

#include "ui/text_convert.h"

namespace trv {

LimitedLineEdit::LimitedLineEdit(int limit, bool upperCase, QWidget* parent)
    : QLineEdit(parent), limit_(limit), upperCase_(upperCase) {
  setContextMenuPolicy(Qt::NoContextMenu);  // its Paste would bypass the typing rules
  setAcceptDrops(false);
}

void LimitedLineEdit::SetProgramText(const QString& text) { setText(upperCase_ ? UpperWindows(text) : text); }

void LimitedLineEdit::keyPressEvent(QKeyEvent* event) {
  if (!isReadOnly()) {
    if (event->matches(QKeySequence::Paste)) {
      InsertTyped(QGuiApplication::clipboard()->text().split('\n').value(0));
      return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint()) {
      InsertTyped(typed);
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void LimitedLineEdit::InsertTyped(QString text) {
  if (upperCase_) text = UpperWindows(text);
  QString allowed;
  for (QChar ch : text)
    if (ch.isPrint() && HasWindowsForm(ch) && !forbidden_.contains(ch)) allowed += ch;
  const qsizetype room = limit_ - (this->text().size() - selectedText().size());
  allowed.truncate(std::max<qsizetype>(room, 0));
  if (!allowed.isEmpty()) insert(allowed);
}

}  // namespace trv
