#include "config/ini/ini_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace trv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::size_t HexPrefixLength(std::string_view s) {
  if (!s.empty() && (s[0] == '$' || s[0] == 'x' || s[0] == 'X')) return 1;
  if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) return 2;
  return 0;
}

struct DecimalParts {
  std::string_view integer, fraction;
  long exponent = 0;  // saturated far beyond the range of a double
};

// Optional sign, digits, optional point and digits, optional exponent, and nothing after.
std::optional<DecimalParts> ScanDecimal(std::string_view text) {
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return text.substr(start, i - start);
  };
  DecimalParts parts;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  parts.integer = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    parts.fraction = digits();
  }
  if (parts.integer.empty() && parts.fraction.empty()) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::string_view exponent = digits();
    if (exponent.empty()) return std::nullopt;
    for (char c : exponent) parts.exponent = std::min(parts.exponent * 10 + (c - '0'), 1'000'000L);
    if (negative) parts.exponent = -parts.exponent;
  }
  if (i != text.size()) return std::nullopt;
  return parts;
}

// The decimal exponent of the first significant digit, plus one: 1 for 5, 0 for 0.5.
long DecimalMagnitude(const DecimalParts& parts) {
  const auto firstInteger = parts.integer.find_first_not_of('0');
  if (firstInteger != std::string_view::npos)
    return static_cast<long>(parts.integer.size() - firstInteger) + parts.exponent;
  const auto firstFraction = parts.fraction.find_first_not_of('0');
  if (firstFraction == std::string_view::npos) return 0;  // zero never overflows
  return parts.exponent - static_cast<long>(firstFraction);
}

}  // namespace

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const std::size_t prefix = HexPrefixLength(text);
  const unsigned base = prefix > 0 ? 16 : 10;
  text.remove_prefix(prefix);
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    const int digit = base == 16 ? HexDigit(c) : (IsDigit(c) ? c - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * base + static_cast<unsigned>(digit);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (base == 16) {  // hexadecimal covers all 32 bits, as on the Windows side
    const auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(bits)) : bits;
  }
  const std::int64_t signedValue = negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
  if (signedValue < std::numeric_limits<std::int32_t>::min() || signedValue > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(signedValue);
}

std::optional<DecimalField> ParseDecimalField(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  const auto parts = ScanDecimal(text);
  if (!parts) return std::nullopt;
  std::string_view number = text;
  if (number.front() == '+') number.remove_prefix(1);
  DecimalField field;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), field.value);
  if (error == std::errc() && end == number.data() + number.size() && std::isfinite(field.value)) return field;
  field.value = 0;
  field.range = DecimalMagnitude(*parts) > 0 ? DecimalField::Range::Overflow : DecimalField::Range::Underflow;
  return field;
}

std::optional<double> ParseDecimal(std::string_view text) {
  const auto field = ParseDecimalField(text);
  if (!field || field->range != DecimalField::Range::Inside) return std::nullopt;
  return field->value;
}

std::string FormatFixed3(double value) {
  char buffer[400];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
  if (error != std::errc()) return "0.000";
  return std::string(buffer, end);
}

}  // namespace trv
