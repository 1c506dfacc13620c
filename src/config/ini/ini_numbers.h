#pragma once
// Number conversions of the INI file, independent of the locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trv {

// Leading blanks, an optional sign and decimal digits, or hexadecimal digits after "$", "x",
// "X", "0x" or "0X"; nothing may follow, and the value must fit in 32 bits.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);
// Leading blanks, optional sign, digits, optional point and digits, optional exponent; empty
// also when the number lies outside the range of a double.
std::optional<double> ParseDecimal(std::string_view text);

// A decimal number by its syntax alone: a value too small for a double reads as 0 (with its
// sign), one too large is marked so that the caller can put its default in.
struct DecimalField {
  enum class Range { Inside, Underflow, Overflow };
  double value = 0;
  Range range = Range::Inside;
};
std::optional<DecimalField> ParseDecimalField(std::string_view text);
// Fixed point with exactly three decimals and a decimal point: 144.8 gives "144.800".
std::string FormatFixed3(double value);

}  // namespace trv
