#include "ui/widgets/qrg_edit.h"

#include <QFocusEvent>

#include "config/ini/ini_numbers.h"
#include "config/sections/device_section.h"
#include "config/store/records.h"
#include "ui/text_convert.h"

namespace trv {
namespace {

constexpr int kQrgChars = static_cast<int>(kQrgWidth);

QString Fixed3(double value) { return QString::fromStdString(FormatFixed3(value)); }

}  // namespace

std::optional<double> QrgOfEntry(const QString& text) {
  QString entry = text;
  if (!entry.contains('.') && entry.count(',') == 1) entry.replace(',', '.');
  const auto value = ParseDecimal(ToWindows(entry));
  if (!value || FormatFixed3(*value).size() > kQrgWidth) return std::nullopt;
  return value;
}

QrgEdit::QrgEdit(QWidget* parent) : LimitedLineEdit(kQrgChars, false, parent) {
  connect(this, &QLineEdit::textEdited, this, [this] { edited_ = true; });
}

void QrgEdit::ShowQrg(std::optional<double> qrg) {
  SetProgramText(qrg ? Fixed3(*qrg) : QString());
  edited_ = false;
}

double QrgEdit::Qrg(double shown) {
  ReplaceUnusable();
  return QrgLeavingField(shown);
}

double QrgEdit::QrgLeavingField(double shown) const {
  if (!edited_) return shown;
  return QrgOfEntry(text()).value_or(kDefaultQrg);
}

bool QrgEdit::ReplaceUnusable() {
  if (!edited_ || QrgOfEntry(text())) return false;
  const QString entry = text();
  SetProgramText(Fixed3(kDefaultQrg));
  ReportReplacement(entry, text(), tr("a number of at most %n characters with three decimals", nullptr, kQrgChars));
  return true;
}

void QrgEdit::focusOutEvent(QFocusEvent* event) {
  LimitedLineEdit::focusOutEvent(event);
  // Leaving the field, not the window: switching to another program keeps a half-typed entry.
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) ReplaceUnusable();
}

}  // namespace trv
