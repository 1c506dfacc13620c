#include "ui/widgets/limited_line_edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>
#include <algorithm>

#include "ui/text_convert.h"

namespace trv {

LimitedLineEdit::LimitedLineEdit(int limit, bool upperCase, QWidget* parent)
    : QLineEdit(parent), limit_(limit), upperCase_(upperCase) {
  setContextMenuPolicy(Qt::NoContextMenu);  // its Paste would bypass the typing rules
  setAcceptDrops(false);
  connect(this, &QLineEdit::textEdited, this, [this] {
    SetMarked(false);
    if (!told_) return;
    told_ = false;
    emit ReplacementCleared();
  });
}

void LimitedLineEdit::SetProgramText(const QString& text) {
  SetMarked(false);  // another value: the mark belonged to the one before
  setText(upperCase_ ? UpperWindows(text) : text);
}

void LimitedLineEdit::ReportReplacement(const QString& entry, const QString& replacement, const QString& rule) {
  SetMarked(true);
  told_ = true;
  emit EntryReplaced(entry, replacement, rule);
}

// The mark: a warm background, as a field asking for a look.
void LimitedLineEdit::SetMarked(bool marked) {
  if (marked == marked_) return;
  marked_ = marked;
  setPalette(QPalette());
  if (marked) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(0xff, 0xe8, 0xa8));
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
  }
}

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
