#pragma once
// The QRG field of the TNC page. A value the user has not edited since it was shown is kept as
// the store has it; a typed entry is read with a decimal point or a decimal comma, and one
// that is no number or does not fit the field with three decimals gives way to the default,
// which the field then shows and tells of.
#include <optional>

#include "ui/widgets/limited_line_edit.h"

namespace trv {

class QrgEdit : public LimitedLineEdit {
  Q_OBJECT

 public:
  explicit QrgEdit(QWidget* parent = nullptr);
  // Shows the stored value (with three decimals); empty when there is none.
  void ShowQrg(std::optional<double> qrg);
  // The value to store: `shown` when the field was not edited since ShowQrg.
  double Qrg(double shown);
  // The same, leaving an unusable entry in the field.
  double QrgLeavingField(double shown) const;
  bool ReplaceUnusable() override;

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool edited_ = false;
};

// The typed text as a QRG: a decimal comma reads as the point; nothing when it is no number
// or does not fit the field with three decimals.
std::optional<double> QrgOfEntry(const QString& text);

}  // namespace trv
