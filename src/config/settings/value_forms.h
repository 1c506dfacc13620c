#pragma once
// The forms in which tarvoini prints and takes a setting's value: the window's (15min, 100ms,
// -1h, 03:30, COM 3, 9600 Baud, TNC3S, a colour's name) and the file's own number. Values go
// in and out as CatalogueEntry::get gives them (an integer as the number kept in memory).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trv {

struct CatalogueEntry;

// The value in the form the window shows it; where the window cannot show it (an offset
// between two whole hours, 370 as a time of day), the file's own number.
std::string WindowForm(const CatalogueEntry& e, const std::string& value);
// The file's own number (15 for a mailbox time-out of 900 s); a value of another kind as it is.
std::string FileForm(const CatalogueEntry& e, const std::string& value);

struct IntegerRead {
  std::optional<std::int64_t> value;  // the number kept in memory
  std::string error;
};
// An integer in one of the window's forms (its unit, or another unit of time: 30m, 1800s; a
// name; HH:MM) or as the file's own number, which is a bare number.
IntegerRead ReadIntegerForm(const CatalogueEntry& e, std::string_view text);
// Why the window cannot show the number kept in memory (it is not a whole hour of its list, not
// a time of day); empty when it can.
std::string NotShownReason(const CatalogueEntry& e, std::int64_t value);
// A time of day kept as HHMM as HH:MM.
std::string TimeOfDayText(std::int64_t hhmm);
// A time of day as the window offers it, HH:MM (or the file's own HHMM), from 00:00 to 23:59,
// as HHMM; nothing when it is none.
std::optional<std::int32_t> ReadTimeOfDay(std::string_view text);

}  // namespace trv
