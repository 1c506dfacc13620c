#include "ui/accessible_names.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QToolButton>
#include <QWidget>
#include <algorithm>

namespace trv {
namespace {

// A name says something when it holds a word: "..." or "+" on a small button says nothing.
// On Linux Qt reads a combo box's name as its current entry (and its label through a relation):
// a box counts as named when its own name is set.
bool HasWordyName(QWidget* w) {
  if (qobject_cast<QComboBox*>(w) != nullptr) return !w->accessibleName().isEmpty();
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
  const QString name = face == nullptr ? QString() : face->text(QAccessible::Name);
  return std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); });
}

QString GroupCaption(const QWidget* w) {
  for (const QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget())
    if (const auto* group = qobject_cast<const QGroupBox*>(p)) return group->title().remove('&');
  return {};
}

// The field inside an editable combo box is read as part of the box.
bool IsPartOfAnotherControl(const QWidget* w) {
  const QWidget* parent = w->parentWidget();
  return qobject_cast<const QComboBox*>(parent) != nullptr || qobject_cast<const QAbstractSpinBox*>(parent) != nullptr;
}

}  // namespace

void NameUnnamedControls(QWidget* root) {
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if ((w->focusPolicy() & Qt::TabFocus) == 0 || IsPartOfAnotherControl(w) || HasWordyName(w)) continue;
    const auto* tool = qobject_cast<const QToolButton*>(w);
    w->setAccessibleName(tool != nullptr && !tool->toolTip().isEmpty() ? tool->toolTip() : GroupCaption(w));
  }
}

}  // namespace trv
