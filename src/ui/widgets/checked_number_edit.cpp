#include "ui/widgets/checked_number_edit.h"

#include <QFocusEvent>

#include "config/ini/ini_numbers.h"
#include "ui/text_convert.h"

namespace trv {

CheckedNumberEdit::CheckedNumberEdit(QWidget* parent) : LimitedLineEdit(kUnlimited, true, parent) {}

void CheckedNumberEdit::SetValue(std::int32_t value) { SetProgramText(QString::number(value)); }

std::optional<std::int32_t> CheckedNumberEdit::UsableValue() const {
  const auto value = ParseIniInteger(ToWindows(text()));
  if (value && *value >= range_.min && *value <= range_.max) return value;
  return std::nullopt;
}

std::int32_t CheckedNumberEdit::CheckedValue() {
  if (const auto value = UsableValue()) return *value;
  const QString entry = text();
  SetValue(range_.def);
  ReportReplacement(entry, text(), tr("a whole number from %1 to %2").arg(range_.min).arg(range_.max));
  return range_.def;
}

bool CheckedNumberEdit::ReplaceUnusable() {
  const QString before = text();
  CheckedValue();
  return text() != before;
}

void CheckedNumberEdit::focusOutEvent(QFocusEvent* event) {
  LimitedLineEdit::focusOutEvent(event);
  // Leaving the edit, not the window: switching to another program keeps a half-typed entry.
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) CheckedValue();
}

}  // namespace trv
