#include "ui/widgets/replacement_notice.h"

#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "ui/layout_builders.h"
#include "ui/widgets/limited_line_edit.h"
#include "ui/widgets/notice_icon.h"

namespace trv {

QString FieldCaption(const QWidget* field) {
  for (const QWidget* w = field->parentWidget(); w != nullptr; w = w->parentWidget())
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) return group->title().remove('&');
  return field->objectName();
}

ReplacementNotice::ReplacementNotice(QWidget* parent) : QFrame(parent), text_(Named(new QLabel, "Replacement_Label")) {
  setObjectName("ReplacementNotice");
  setFrameShape(QFrame::StyledPanel);
  auto* icon = Named(new NoticeIcon(QStyle::SP_MessageBoxWarning), "Replacement_Icon");
  text_->setWordWrap(true);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 2, 2, 2);
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(text_, 1);
  hide();
}

void ReplacementNotice::Watch(LimitedLineEdit* field) {
  fields_.emplace_back(field);
  connect(field, &LimitedLineEdit::EntryReplaced, this,
          [this, field](const QString& entry, const QString& replacement, const QString& rule) {
            Add(field, tr("%1: \"%2\" was replaced by %3 (%4).").arg(FieldCaption(field), entry, replacement, rule));
            NoteReplacementDuringClick();
          });
  connect(field, &LimitedLineEdit::ReplacementCleared, this, [this, field] { Remove(field); });
  connect(field, &QObject::destroyed, this, [this, field] { Remove(field); });
}

bool ReplacementNotice::ReplaceUnseen() {
  bool replaced = replacedDuringClick_;
  for (LimitedLineEdit* field : fields_)
    if (field != nullptr) replaced = field->ReplaceUnusable() || replaced;
  return replaced;
}

// A field left by pressing the mouse on OK is replaced before OK is clicked: that click only
// shows the replacement.
void ReplacementNotice::NoteReplacementDuringClick() {
  if (QGuiApplication::mouseButtons() == Qt::NoButton) return;
  replacedDuringClick_ = true;
  qApp->installEventFilter(this);
}

// The click ends with the release; its handlers run before the note is cleared.
bool ReplacementNotice::eventFilter(QObject* watched, QEvent* event) {
  if (replacedDuringClick_ && event->type() == QEvent::MouseButtonRelease) {
    qApp->removeEventFilter(this);
    QTimer::singleShot(0, this, [this] { replacedDuringClick_ = false; });
  }
  return QFrame::eventFilter(watched, event);
}

QString ReplacementNotice::Text() const { return text_->text(); }

// A field has one line: its latest replacement.
void ReplacementNotice::Add(const LimitedLineEdit* field, const QString& text) {
  Remove(field);
  lines_.push_back({field, text});
  Update();
}

void ReplacementNotice::Remove(const LimitedLineEdit* field) {
  std::erase_if(lines_, [field](const Line& line) { return line.field == field; });
  Update();
}

void ReplacementNotice::Update() {
  QStringList texts;
  for (const Line& line : lines_) texts << line.text;
  text_->setText(texts.join('\n'));
  setVisible(!lines_.empty());
}

}  // namespace trv
