#include "config/settings/value_forms.h"

#include <array>
#include <cctype>
#include <charconv>
#include <limits>

#include "config/settings/setting_catalogue.h"

namespace trv {
namespace {

struct TimeUnit {
  std::string_view name;
  std::int64_t ms;
};
constexpr std::array<TimeUnit, 6> kTimeUnits = {
    {{"ms", 1}, {"s", 1000}, {"sec", 1000}, {"m", 60'000}, {"min", 60'000}, {"h", 3'600'000}}};

std::optional<std::int64_t> UnitMs(std::string_view name) {
  for (const TimeUnit& u : kTimeUnits)
    if (name == u.name) return u.ms;
  return std::nullopt;
}

std::string Lower(std::string_view text) {
  std::string out;
  for (char c : text) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// A name as it may be typed: letter case, blanks and dashes do not count ("com3", "Dark-Blue").
std::string Loose(std::string_view text) {
  std::string out;
  for (char c : Lower(text))
    if (c != ' ' && c != '-' && c != '_') out += c;
  if (const auto gray = out.find("gray"); gray != std::string::npos) out.replace(gray, 4, "grey");
  return out;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::optional<std::int64_t> WholeNumber(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The milliseconds in one number kept in memory, for a value shown in a unit of time; none else.
std::optional<std::int64_t> MsPerKept(const CatalogueEntry& e) {
  const auto ms = UnitMs(e.unitName);
  if (!ms) return std::nullopt;
  return *ms * e.shownScale / e.shownFactor;
}

std::optional<std::int64_t> ByName(const CatalogueEntry& e, std::string_view text) {
  if (!e.shownAs) return std::nullopt;
  const auto matches = [&](std::int64_t v) { return Loose(e.shownAs(v)) == Loose(text); };
  for (const std::int64_t v : e.allowed)
    if (matches(v)) return v;
  for (std::int64_t v = e.min; e.allowed.empty() && e.ranged && v <= e.max; ++v)
    if (matches(v)) return v;
  return std::nullopt;
}

constexpr std::string_view kNotTimeOfDay = "not a time of day from 00:00 to 23:59";

bool IsTimeOfDay(std::int64_t hhmm) { return hhmm >= 0 && hhmm / 100 <= 23 && hhmm % 100 <= 59; }

IntegerRead TimeOfDay(std::string_view text) {
  if (const auto hhmm = ReadTimeOfDay(text)) return {*hhmm, {}};
  return {std::nullopt, "'" + std::string(text) + "' is " + std::string(kNotTimeOfDay)};
}

constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min(),
                       kHigh = std::numeric_limits<std::int32_t>::max();

IntegerRead OutsideKept(std::string_view text) {
  return {std::nullopt,
          "'" + std::string(text) + "' is outside " + std::to_string(kLow) + " to " + std::to_string(kHigh)};
}

}  // namespace

std::string TimeOfDayText(std::int64_t hhmm) {
  const auto two = [](std::int64_t n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
  return two(hhmm / 100) + ":" + two(hhmm % 100);
}

std::optional<std::int32_t> ReadTimeOfDay(std::string_view text) {
  const std::size_t colon = text.find(':');
  const bool digits = !text.empty() && text.find_first_not_of("0123456789:") == std::string_view::npos;
  if (colon == std::string_view::npos) {  // HHMM
    const auto hhmm = WholeNumber(text);
    if (!digits || !hhmm || !IsTimeOfDay(*hhmm)) return std::nullopt;
    return static_cast<std::int32_t>(*hhmm);
  }
  const auto hours = WholeNumber(text.substr(0, colon)), minutes = WholeNumber(text.substr(colon + 1));
  if (!digits || !hours || !minutes || *hours > 23 || *minutes > 59 || text.size() - colon != 3) return std::nullopt;
  return static_cast<std::int32_t>(*hours * 100 + *minutes);
}

std::string NotShownReason(const CatalogueEntry& e, std::int64_t value) {
  if (e.kind != CatalogueEntry::Kind::Integer) return {};
  if (e.timeOfDay && !IsTimeOfDay(value)) return std::string(kNotTimeOfDay);
  if (e.unitName.empty()) return {};
  const std::string unit(e.unitName);
  const std::string list = std::to_string(e.listFrom) + unit + " to " + std::to_string(e.listTo) + unit;
  if (value * e.shownScale % e.shownFactor != 0)
    return "not a whole number of " + unit + (e.listed ? "; the window's list offers " + list : "");
  const std::int64_t shown = value * e.shownScale / e.shownFactor;
  if (e.listed && (shown < e.listFrom || shown > e.listTo)) return "outside the window's list, " + list;
  return {};
}

std::string FileForm(const CatalogueEntry& e, const std::string& value) {
  const auto kept = WholeNumber(value);
  if (e.kind != CatalogueEntry::Kind::Integer || !kept) return value;
  return std::to_string(*kept / e.fileUnit);
}

std::string WindowForm(const CatalogueEntry& e, const std::string& value) {
  const auto kept = WholeNumber(value);
  if (e.kind != CatalogueEntry::Kind::Integer || !kept) return value;
  if (!NotShownReason(e, *kept).empty()) return FileForm(e, value);
  if (e.shownAs) return e.shownAs(*kept);
  if (e.timeOfDay) return TimeOfDayText(*kept);
  if (e.unitName.empty()) return FileForm(e, value);
  return std::to_string(*kept * e.shownScale / e.shownFactor) + std::string(e.unitName);
}

IntegerRead ReadIntegerForm(const CatalogueEntry& e, std::string_view text) {
  text = Trimmed(text);
  if (const auto named = ByName(e, text)) return {*named, {}};
  if (e.timeOfDay && text.find(':') != std::string_view::npos) return TimeOfDay(text);
  std::size_t digits = text.find_first_not_of("+-0123456789");
  if (digits == std::string_view::npos) digits = text.size();
  const std::string_view unit = Trimmed(text.substr(digits));
  const auto number = WholeNumber(text.substr(0, digits));
  if (!number) return {std::nullopt, "'" + std::string(text.substr(0, digits)) + "' is not a whole number"};
  if (unit.empty()) {  // the file's own number
    if (*number < kLow || *number > kHigh) return OutsideKept(text);
    return {*number * e.fileUnit, {}};
  }
  const auto perKept = MsPerKept(e);
  const auto unitMs = UnitMs(Lower(unit));
  if (!perKept || !unitMs) {
    const std::string forms = perKept              ? " (ms, s, m or min, h)"
                              : e.unitName.empty() ? ""
                                                   : " " + std::string(e.unitName);
    return {std::nullopt, "'" + std::string(text) + "': no unit" + forms + " is '" + std::string(unit) + "'"};
  }
  constexpr std::int64_t kLargest = std::int64_t{1} << 40;  // ms of any 32-bit number of hours fit
  if (*number < -kLargest || *number > kLargest) return OutsideKept(text);
  const std::int64_t ms = *number * *unitMs;
  if (ms % *perKept != 0)
    return {std::nullopt, "'" + std::string(text) + "' is not a multiple of " + std::to_string(*perKept) + "ms"};
  if (ms / *perKept < kLow || ms / *perKept > kHigh) return OutsideKept(text);
  return {ms / *perKept, {}};
}

}  // namespace trv
