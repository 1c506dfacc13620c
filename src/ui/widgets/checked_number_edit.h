#pragma once
// A number edit with the range the section's reader accepts: when the edit loses the focus,
// and whenever the program asks for its value, an entry that is not a whole number in the
// range gives way to the field's default, and the field tells so.
#include <cstdint>
#include <optional>

#include "ui/widgets/limited_line_edit.h"

namespace trv {

struct NumberRange {
  std::int32_t def;
  std::int32_t min;
  std::int32_t max;
};

class CheckedNumberEdit : public LimitedLineEdit {
  Q_OBJECT

 public:
  // Takes any whole number until SetRange gives the range.
  explicit CheckedNumberEdit(QWidget* parent = nullptr);
  void SetRange(NumberRange range) { range_ = range; }
  void SetValue(std::int32_t value);
  // The number shown, when it is a whole number in the range.
  std::optional<std::int32_t> UsableValue() const;
  // The number shown, or the default (then also shown) when the entry is unusable.
  std::int32_t CheckedValue();
  bool ReplaceUnusable() override;

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  NumberRange range_{0, INT32_MIN, INT32_MAX};
};

}  // namespace trv
