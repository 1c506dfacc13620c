#pragma once
// A setting declared once: its section and key, its field in a record, its default, its range
// or width and the flag it depends on. Reading, writing, the pages, `tarvoini show` and
// `tarvoini check` all go through it. The tables spell a declaration with designated
// initialisers and give only the members that differ from the defaults below.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "config/store/config.h"
#include "support/text.h"

namespace trv {

enum class TextCase { Kept, UpperAscii, UpperDos };

// Marks a setting's one sentence on what it does for the translation tools (lupdate reads it as
// QT_TR_NOOP in the context "trv"); the window shows it translated in the setting's tooltip.
#define TRV_ABOUT(text) text

// A flag. One that `needs` another flag of its table (named by key) is on only together with
// it: reading clears it while that flag is off, and the window enables its box only while that
// box is ticked.
template <class R>
struct FlagSetting {
  std::string_view section, key, name;
  bool R::*field;
  bool def = false;
  std::string_view about = {};
  std::string_view needs = {};
};

// A flag held as 0 or all bits set.
template <class R>
struct WideFlagSetting {
  std::string_view section, key, name;
  std::int16_t R::*field;
  bool def = false;
  std::string_view about = {};
};

// How the window shows an integer in a unit of its own: `scale` of `name` for every `per` units
// in memory (the poll delay: 50 ms a step; the UTC offset: an hour for 3,600 s). An integer
// the reader takes unranged is offered in the window from `listFrom` to `listTo` of them. A
// time of day held as HHMM is shown as HH:MM.
struct ShownUnit {
  std::string_view name = {};
  std::int32_t per = 1, scale = 1;
  std::int32_t listFrom = 0, listTo = 0;
  bool timeOfDay = false;
};

// An integer; outside min..max (when ranged) the default is used. The file holds whole
// `step`s of the value (rounded down), each `unit` times the value in memory; the window shows
// it in the file's unit ("min" for a unit of 60 s) unless `shown` names another. The window lets
// `typed` characters be typed (0: the digits of max).
template <class R>
struct IntSetting {
  std::string_view section, key, name;
  std::int32_t R::*field;
  std::int32_t def = 0, min = 0, max = 0;
  bool ranged = true;
  std::int32_t step = 1;
  std::int32_t unit = 1;
  std::size_t typed = 0;
  std::string_view about = {};
  ShownUnit shown = {};
};

// How the window lets a text be typed where that differs from what the reader keeps: at most
// `width` characters (0: the reader's width), in capitals when `upper` (a text the reader
// upper-cases is always typed in capitals).
struct Typing {
  std::size_t width = 0;
  bool upper = false;
};

// What OK makes of a text the window holds for a setting: capitals where the window types
// capitals, at most `width` characters (0: no limit), and, where `emptyGivesDefault`, `def`
// for an empty text (an empty callsign is no callsign).
struct TextSaving {
  std::size_t width = 0;
  bool upper = false;
  bool emptyGivesDefault = false;
  std::string_view def = {};
};
std::string SavedText(const TextSaving& saving, std::string text);

// A text, case-converted and then cut to `width` characters (0: no limit).
template <class R>
struct TextSetting {
  std::string_view section, key, name;
  std::string R::*field;
  std::string_view def = {};
  std::size_t width = 0;
  TextCase textCase = TextCase::Kept;
  Typing typing = {};
  bool emptyGivesDefault = false;
  std::string_view about = {};

  // A text the reader upper-cases is typed, and so stored, in capitals.
  constexpr TextSaving Saving() const {
    return {.width = width,
            .upper = typing.upper || textCase != TextCase::Kept,
            .emptyGivesDefault = emptyGivesDefault,
            .def = def};
  }
};

template <class R>
using Setting = std::variant<FlagSetting<R>, WideFlagSetting<R>, IntSetting<R>, TextSetting<R>>;

std::string InCase(std::string text, TextCase textCase);

template <class R>
void ReadSetting(TIniFile& ini, const FlagSetting<R>& s, R& r) {
  r.*s.field = ini.ReadBool(s.section, s.key, s.def);
}
template <class R>
void ReadSetting(TIniFile& ini, const WideFlagSetting<R>& s, R& r) {
  r.*s.field = ini.ReadBool(s.section, s.key, s.def) ? -1 : 0;
}
template <class R>
void ReadSetting(TIniFile& ini, const IntSetting<R>& s, R& r) {
  const std::int32_t value = s.ranged ? ReadIntegerInRange(ini, s.section, s.key, s.def, s.min, s.max)
                                      : ini.ReadInteger(s.section, s.key, s.def);
  const std::int32_t whole = value / s.step * s.step;
  if (whole != value) ini.Report(s.section, s.key, std::to_string(value) + " is read as " + std::to_string(whole));
  r.*s.field = whole * s.unit;
}
template <class R>
void ReadSetting(TIniFile& ini, const TextSetting<R>& s, R& r) {
  std::string text = InCase(ini.ReadString(s.section, s.key, s.def), s.textCase);
  r.*s.field = s.width == 0 ? std::move(text) : CutReported(ini, s.section, s.key, std::move(text), s.width);
}

template <class R>
IniWrite WriteOf(const FlagSetting<R>& s, const R& r) {
  return IniWrite::Flag(s.section, s.key, r.*s.field);
}
template <class R>
IniWrite WriteOf(const WideFlagSetting<R>& s, const R& r) {
  return IniWrite::Flag(s.section, s.key, r.*s.field != 0);
}
template <class R>
IniWrite WriteOf(const IntSetting<R>& s, const R& r) {
  return IniWrite::Integer(s.section, s.key, r.*s.field / s.unit);
}
template <class R>
IniWrite WriteOf(const TextSetting<R>& s, const R& r) {
  return IniWrite::Text(s.section, s.key, r.*s.field);
}

// The flag of the table declared under `key`, or null.
template <class R>
constexpr const FlagSetting<R>* FindFlag(std::span<const Setting<R>> table, std::string_view key) {
  for (const auto& setting : table)
    if (const auto* flag = std::get_if<FlagSetting<R>>(&setting); flag != nullptr && flag->key == key) return flag;
  return nullptr;
}

// Whether every flag's `needs` names another flag of the same table and section. (Written with
// indices, not pointers: a compiler checking undefined behaviour does not take a pointer
// comparison into a variant as a constant expression.)
template <class R>
constexpr bool NeedsAreDeclared(std::span<const Setting<R>> table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (!std::holds_alternative<FlagSetting<R>>(table[i])) continue;
    const FlagSetting<R>& flag = std::get<FlagSetting<R>>(table[i]);
    bool found = flag.needs.empty();
    for (std::size_t j = 0; j < table.size() && !found; ++j)
      if (j != i && std::holds_alternative<FlagSetting<R>>(table[j])) {
        const FlagSetting<R>& master = std::get<FlagSetting<R>>(table[j]);
        found = master.key == flag.needs && master.section == flag.section;
      }
    if (!found) return false;
  }
  return true;
}

// Clears each flag that is on while the flag it needs is off; `cleared` is told of it first.
template <class R, class F>
void ClearUnmetNeeds(std::span<const Setting<R>> table, R& record, F&& cleared) {
  for (const auto& setting : table)
    if (const auto* flag = std::get_if<FlagSetting<R>>(&setting); flag != nullptr && !flag->needs.empty()) {
      if (!(record.*flag->field) || record.*FindFlag(table, flag->needs)->field) continue;
      cleared(*flag);
      record.*flag->field = false;
    }
}

template <class R>
void ClearUnmetNeeds(std::span<const Setting<R>> table, R& record) {
  ClearUnmetNeeds(table, record, [](const FlagSetting<R>&) {});
}

template <class R>
void ReadSettings(TIniFile& ini, std::span<const Setting<R>> table, R& record) {
  for (const auto& setting : table) std::visit([&](const auto& s) { ReadSetting(ini, s, record); }, setting);
  ClearUnmetNeeds(table, record, [&](const FlagSetting<R>& flag) {
    ini.Report(flag.section, flag.key, "turned off because " + std::string(flag.needs) + " is off");
  });
}

// What OK makes of each text of the record.
template <class R>
void SaveTexts(std::span<const Setting<R>> table, R& record) {
  for (const auto& setting : table)
    if (const auto* text = std::get_if<TextSetting<R>>(&setting))
      record.*text->field = SavedText(text->Saving(), std::move(record.*text->field));
}

// The writes of each setting of the table, in its order.
template <class R>
void AppendWrites(IniWrites& writes, std::span<const Setting<R>> table, const R& record) {
  for (const auto& setting : table) std::visit([&](const auto& s) { writes.push_back(WriteOf(s, record)); }, setting);
}

}  // namespace trv
