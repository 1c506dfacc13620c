#include "ui/controls.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QWheelEvent>

#include "platform/host_files.h"
#include "support/text.h"
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

void QuietComboBox::wheelEvent(QWheelEvent* event) {
  if (hasFocus())
    QComboBox::wheelEvent(event);
  else
    event->ignore();
}

void AddNumbered(QComboBox* box, const QString& text, int number) { box->addItem(text, number); }

int SelectedNumber(const QComboBox* box, int fallback) {
  return box->currentIndex() < 0 ? fallback : box->currentData().toInt();
}

bool SelectByPrefix(QComboBox* box, const QString& prefix) {
  for (int i = 0; i < box->count(); ++i) {
    if (box->itemText(i).startsWith(prefix, Qt::CaseInsensitive)) {
      box->setCurrentIndex(i);
      return true;
    }
  }
  box->setCurrentIndex(-1);
  return false;
}

void OnRealChange(QCheckBox* box, const std::function<void(bool)>& handler) {
  QObject::connect(box, &QCheckBox::toggled, box, handler);
}

int SelectedRow(const QListWidget* list) {
  return list->currentItem() != nullptr && list->currentItem()->isSelected() ? list->currentRow() : -1;
}

void FillComboFromMask(QComboBox* box, const HostFileSystem& files, const std::string& windowsDir,
                       const std::string& mask) {
  box->setUpdatesEnabled(false);
  box->clear();
  for (const auto& name : files.ListMatching(windowsDir, mask)) box->addItem(FromWindows(UpperCaseAscii(name)));
  box->setCurrentIndex(box->count() > 0 ? 0 : -1);
  box->setUpdatesEnabled(true);
}

}  // namespace trv
