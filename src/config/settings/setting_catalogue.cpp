#include "config/settings/setting_catalogue.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <stdexcept>
#include <type_traits>
#include <variant>

#include "config/ini/ini_numbers.h"
#include "config/sections/color_sound_section.h"
#include "config/sections/device_section.h"
#include "config/sections/dir_section.h"
#include "config/sections/free_section.h"
#include "config/sections/screen_elements.h"
#include "config/settings/setting_tables.h"
#include "config/settings/value_forms.h"
#include "config/store/config.h"
#include "support/codepage.h"
#include "support/text.h"

namespace trv {
namespace {

using Kind = CatalogueEntry::Kind;

std::string YesNo(bool value) { return value ? "yes" : "no"; }

std::string RealText(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc() ? std::string(buffer, end) : "0";
}

CatalogueEntry Entry(std::string name, Kind kind) {
  CatalogueEntry e;
  e.name = std::move(name);
  e.kind = kind;
  return e;
}

// Where the file keeps the setting, its default and what it does.
CatalogueEntry Placed(CatalogueEntry e, std::string_view section, std::string key, std::string defaultValue,
                      std::string_view about) {
  e.section = section;
  e.key = std::move(key);
  e.defaultValue = std::move(defaultValue);
  e.about = about;
  return e;
}

template <class F>
CatalogueEntry Declared(CatalogueEntry e, const F& s, std::string defaultValue) {
  return Placed(std::move(e), s.section, std::string(s.key), std::move(defaultValue), s.about);
}

template <class R, class F>
CatalogueEntry FromSetting(const std::string& record, R Config::*member, const F& s) {
  if constexpr (std::is_same_v<F, FlagSetting<R>>) {
    CatalogueEntry e = Entry(record + "." + std::string(s.name), Kind::Flag);
    e.get = [member, field = s.field](const Config& c) { return YesNo((c.*member).*field); };
    e.put = [member, field = s.field](Config& c, const std::string& v) { (c.*member).*field = v == "yes"; };
    e.needs = s.needs;
    return Declared(std::move(e), s, YesNo(s.def));
  } else if constexpr (std::is_same_v<F, WideFlagSetting<R>>) {
    CatalogueEntry e = Entry(record + "." + std::string(s.name), Kind::Flag);
    e.get = [member, field = s.field](const Config& c) { return YesNo((c.*member).*field != 0); };
    e.put = [member, field = s.field](Config& c, const std::string& v) { (c.*member).*field = v == "yes" ? -1 : 0; };
    return Declared(std::move(e), s, YesNo(s.def));
  } else if constexpr (std::is_same_v<F, IntSetting<R>>) {
    CatalogueEntry e = Entry(record + "." + std::string(s.name), Kind::Integer);
    e.ranged = s.ranged;
    e.min = std::int64_t{s.min} * s.unit;
    e.max = std::int64_t{s.max} * s.unit;
    e.unit = s.unit * s.step;
    e.unitName = !s.shown.name.empty() ? s.shown.name : s.unit == kSecondsPerMinute ? "min" : "";
    e.shownFactor = !s.shown.name.empty() ? s.shown.per : s.unit;
    e.shownScale = s.shown.scale;
    e.listed = s.shown.listFrom != s.shown.listTo;
    e.listFrom = s.shown.listFrom;
    e.listTo = s.shown.listTo;
    e.fileUnit = s.unit;
    e.timeOfDay = s.shown.timeOfDay;
    if (s.shown.timeOfDay) e.shownAs = TimeOfDayText;
    e.typingWidth = s.typed != 0 ? s.typed : std::to_string(s.max).size();
    e.typedUpper = true;
    e.get = [member, field = s.field](const Config& c) { return std::to_string((c.*member).*field); };
    e.put = [member, field = s.field](Config& c, const std::string& v) { (c.*member).*field = std::stoi(v); };
    return Declared(std::move(e), s, std::to_string(s.def * s.unit));
  } else {
    CatalogueEntry e = Entry(record + "." + std::string(s.name), Kind::Text);
    e.width = s.width;
    e.textCase = s.textCase;
    e.typingWidth = s.typing.width;
    e.typedUpper = s.Saving().upper;
    e.emptyGivesDefault = s.emptyGivesDefault;
    e.get = [member, field = s.field](const Config& c) { return (c.*member).*field; };
    e.put = [member, field = s.field](Config& c, const std::string& v) { (c.*member).*field = v; };
    return Declared(std::move(e), s, std::string(s.def));
  }
}

template <class R>
void AddTable(SettingCatalogue& out, const std::string& record, R Config::*member, std::span<const Setting<R>> table) {
  for (const auto& setting : table)
    std::visit([&](const auto& s) { out.push_back(FromSetting<R>(record, member, s)); }, setting);
}

template <class R>
void FindDeclared(std::optional<CatalogueEntry>& found, const std::string& record, R Config::*member,
                  std::span<const Setting<R>> table, std::string_view section, std::string_view key) {
  for (const auto& setting : table)
    std::visit(
        [&](const auto& s) {
          if (!found && s.section == section && s.key == key) found = FromSetting<R>(record, member, s);
        },
        setting);
}

CatalogueEntry TextEntry(std::string name, std::size_t width, std::function<std::string(const Config&)> get,
                         std::function<void(Config&, const std::string&)> put) {
  CatalogueEntry e = Entry(std::move(name), Kind::Text);
  e.width = width;
  e.get = std::move(get);
  e.put = std::move(put);
  return e;
}

void AddDirectories(SettingCatalogue& out, const Config& config) {
  for (const DirKey& k : DirKeys())
    out.push_back(Placed(
        TextEntry(
            "Directories." + std::string(k.name), kShortStringMax, [k](const Config& c) { return (c.Dirs.*k.get)(); },
            [k](Config& c, const std::string& v) { (c.Dirs.*k.set)(v); }),
        kDirSection, std::string(k.key), Join255(config.Dirs.GetProgramDir(), k.defaultName), k.about));
}

// A colour of a screen element; one it borrows cannot be set.
CatalogueEntry ColorSideEntry(const std::string& item, const ScreenElementColors& colors, bool fg) {
  const auto i = static_cast<std::size_t>(colors.element);
  CatalogueEntry e = Entry(item + (fg ? "Fg" : "Bg"), Kind::Integer);
  e.ranged = true;
  e.min = kMinColorIndex;
  e.max = kMaxColorIndex;
  e.shownAs = [](std::int64_t index) {  // a side without a colour of its own holds -2
    return index >= 0 && index < std::ssize(kDosColorNames)
               ? std::string(kDosColorNames[static_cast<std::size_t>(index)])
               : std::to_string(index);
  };
  e.get = [i, fg](const Config& c) { return std::to_string(fg ? c.ColorTable[i].Fg : c.ColorTable[i].Bg); };
  e.put = [i, fg](Config& c, const std::string& v) {
    (fg ? c.ColorTable[i].Fg : c.ColorTable[i].Bg) = static_cast<std::int16_t>(std::stoi(v));
  };
  const ColorSide& side = fg ? colors.fg : colors.bg;
  e.readOnly = !side.Own();
  if (!side.Own()) return e;
  if (colors.portHeader) {  // added with the shared header key's value when missing
    const ColorSide& header = fg ? kHeaderFg : kHeaderBg;
    e.defaultKey = header.key;
    e.unusableDefault = std::to_string(side.def);
    return Placed(std::move(e), kColorSection, std::string(side.key), std::to_string(header.def), colors.about);
  }
  return Placed(std::move(e), kColorSection, std::string(side.key), std::to_string(side.def), colors.about);
}

void AddColors(SettingCatalogue& out) {
  for (const ScreenElementColors& colors : kScreenElements) {
    const auto i = static_cast<std::size_t>(colors.element);
    const std::string item = "ColorTable[" + std::to_string(i) + "].";
    CatalogueEntry element = Entry(item + "Element", Kind::Text);
    element.readOnly = true;  // the name of the screen element, for the reader of show
    element.get = [i](const Config&) { return std::string(kScreenElementNames[i]); };
    out.push_back(std::move(element));
    for (bool fg : {true, false}) {
      CatalogueEntry enabled = Entry(item + (fg ? "FgEnabled" : "BgEnabled"), Kind::Flag);
      enabled.readOnly = true;  // fixed for each screen element
      enabled.get = [i, fg](const Config& c) {
        return YesNo(fg ? c.ColorTable[i].FgEnabled : c.ColorTable[i].BgEnabled);
      };
      out.push_back(std::move(enabled));
    }
    for (bool fg : {true, false}) out.push_back(ColorSideEntry(item, colors, fg));
  }
}

void AddSounds(SettingCatalogue& out) {
  for (int i = 0; i < kWaveCount; ++i)
    out.push_back(Placed(TextEntry(
                             "SoundSettings.WaveFiles[" + std::to_string(i) + "]", kShortStringMax,
                             [i](const Config& c) { return c.Sound.WaveFiles[i]; },
                             [i](Config& c, const std::string& v) { c.Sound.WaveFiles[i] = v; }),
                         kSoundSection, std::string(kWaveKeys[i].key), std::string(kWaveKeys[i].def),
                         kWaveKeys[i].about));
  AddTable<SoundSettings>(out, "SoundSettings", &Config::Sound, kSoundSwitches);
}

CatalogueEntry FHeaderEntry() {
  CatalogueEntry e = TextEntry(
      "MailboxSettings.FHeaderText", kFHeaderWidth, [](const Config& c) { return c.FHeaderText.GetFHeader(); },
      [](Config& c, const std::string& v) { c.FHeaderText.SetFHeader(v.substr(1, v.size() - 2)); });
  e.bracketed = true;
  FHeader standard;
  standard.SetFHeader("");
  e.section = "MAILBOX";
  e.key = "FHEADER";
  e.defaultValue = standard.GetFHeader();
  e.about = TRV_ABOUT("A short text the mailbox puts into mails.");
  return e;
}

void AddMailbox(SettingCatalogue& out, const Config& config) {
  AddTable<MailboxSettings>(out, "MailboxSettings", &Config::Mailbox, kMailboxSettingsBeforeHeader);
  out.push_back(FHeaderEntry());
  AddTable<MailboxSettings>(out, "MailboxSettings", &Config::Mailbox, kMailboxSettings);
  for (std::int32_t i = 0; i < config.ClosedTimes.Count(); ++i)
    for (bool from : {true, false}) {  // the list is edited as a list: "Add time", "Delete time"
      CatalogueEntry e =
          Entry("MailboxSettings.ClosedTimes[" + std::to_string(i) + "]." + (from ? "From" : "To"), Kind::Integer);
      e.readOnly = true;
      e.timeOfDay = true;
      e.get = [i, from](const Config& c) {
        const ClosedTime* w = c.ClosedTimes.WindowAt(i);
        return std::to_string(w == nullptr ? 0 : from ? w->From : w->To);
      };
      out.push_back(std::move(e));
    }
}

// A field of TNC n's line, as the table of the line declares it: the whole line is the one key,
// and the default is a new TNC's.
CatalogueEntry InTncLine(int n, const TncField& field) {
  return std::visit(
      [&](auto member) {
        using T = std::remove_cvref_t<decltype(NewTncEntry().*member)>;
        const std::string name = "TncTable[" + std::to_string(n) + "]." + std::string(field.name);
        CatalogueEntry e;
        if constexpr (std::is_same_v<T, bool>) {
          e = Entry(name, Kind::Flag);
          e.defaultValue = YesNo(NewTncEntry().*member);
          e.get = [n, member](const Config& c) { return YesNo(c.TncTable[n].*member); };
          e.put = [n, member](Config& c, const std::string& v) { c.TncTable[n].*member = v == "yes"; };
        } else if constexpr (std::is_same_v<T, double>) {
          e = Entry(name, Kind::Real);
          e.defaultValue = RealText(NewTncEntry().*member);
          e.get = [n, member](const Config& c) { return RealText(c.TncTable[n].*member); };
          e.put = [n, member](Config& c, const std::string& v) {
            c.TncTable[n].*member = ParseDecimal(v).value_or(NewTncEntry().*member);
          };
        } else if constexpr (std::is_same_v<T, std::string>) {
          e = Entry(name, Kind::Text);
          e.defaultValue = NewTncEntry().*member;
          e.get = [n, member](const Config& c) { return c.TncTable[n].*member; };
          e.put = [n, member](Config& c, const std::string& v) { c.TncTable[n].*member = v; };
          e.noComma = true;
        } else {
          e = Entry(name, Kind::Integer);
          e.defaultValue = std::to_string(NewTncEntry().*member);
          e.get = [n, member](const Config& c) { return std::to_string(c.TncTable[n].*member); };
          e.put = [n, member](Config& c, const std::string& v) {
            c.TncTable[n].*member = static_cast<T>(std::stol(v));
          };
        }
        e.newTncDefault = true;
        e.section = kDeviceSection;
        e.key = TncKey(n);
        e.about = field.about;
        return e;
      },
      field.member);
}

std::vector<std::int64_t> Wide(const std::vector<std::int32_t>& values) { return {values.begin(), values.end()}; }

void AddTnc(SettingCatalogue& out, const Config& config, int n, std::int32_t shownPort) {
  for (std::size_t listed : kTncFieldsListed) {
    const TncField& field = kTncFields[listed];
    CatalogueEntry e = InTncLine(n, field);
    if (field.allowed != nullptr) e.allowed = Wide(field.allowed());
    if (field.max > 0) {
      e.ranged = true;
      e.max = field.max;
    }
    if (field.shownAs != nullptr)
      e.shownAs = [shown = field.shownAs](std::int64_t value) { return shown(static_cast<std::int32_t>(value)); };
    e.width = field.width;
    e.keepsLonger = field.keepsLonger;
    if (field.upperCase) e.textCase = TextCase::UpperAscii;
    if (field.inDriverFolder) e.exists = DriverFileTest(config);
    e.commandBlock = field.commandBlock;
    if (field.member == TncMember(&TncEntry::Port)) {
      e.put = [n](Config& c, const std::string& v) {
        c.TncTable[n].Port = static_cast<std::uint16_t>(std::stoi(v));
        if (c.TncTable[n].Port > kLastPortWithBaud) c.TncTable[n].Baud = kSirqBaud;  // as the next read takes it
      };
    }
    if (field.member == TncMember(&TncEntry::Baud) && shownPort > kLastPortWithBaud) e.allowed = {kSirqBaud};
    out.push_back(std::move(e));
  }
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

CheckedValue Refused(const CatalogueEntry& e, const std::string& why) { return {std::nullopt, e.name + ": " + why}; }

CheckedValue CheckFlag(const CatalogueEntry& e, std::string_view text) {
  for (const char* yes : {"yes", "true", "1", "on"})
    if (EqualNoCase(text, yes)) return {"yes", {}};
  for (const char* no : {"no", "false", "0", "off"})
    if (EqualNoCase(text, no)) return {"no", {}};
  return Refused(e, "'" + std::string(text) + "' is not yes or no");
}

std::string Shown(const CatalogueEntry& e, std::int64_t value) { return WindowForm(e, std::to_string(value)); }

std::string AllowedText(const CatalogueEntry& e) {
  std::string text;
  for (std::size_t i = 0; i < e.allowed.size();) {
    std::size_t j = i;
    while (j + 1 < e.allowed.size() && e.allowed[j + 1] == e.allowed[j] + 1) ++j;
    if (!text.empty()) text += ", ";
    text += Shown(e, e.allowed[i]) + (j > i ? (e.shownAs ? " to " : "-") + Shown(e, e.allowed[j]) : "");
    i = j + 1;
  }
  return text;
}

CheckedValue CheckInteger(const CatalogueEntry& e, std::string_view text) {
  const IntegerRead read = ReadIntegerForm(e, text);
  if (!read.value) return Refused(e, read.error);
  const std::int64_t value = *read.value;
  const std::string given = "'" + std::string(text) + "'";
  if (!e.allowed.empty() && std::find(e.allowed.begin(), e.allowed.end(), value) == e.allowed.end())
    return Refused(e, given + " is not one of " + AllowedText(e));
  if (e.ranged && (value < e.min || value > e.max))
    return Refused(e, given + " is outside " + Shown(e, e.min) + " to " + Shown(e, e.max));
  if (value % e.unit != 0) return Refused(e, given + " is not a multiple of " + Shown(e, e.unit));
  if (const std::string why = NotShownReason(e, value); !why.empty())
    return Refused(e, given + " is " + why + " (a bare number is the file's own)");
  return {std::to_string(value), {}};
}

CheckedValue CheckReal(const CatalogueEntry& e, std::string_view text) {
  std::string decimal(text);
  std::replace(decimal.begin(), decimal.end(), ',', '.');  // a decimal comma, as German users type it
  const auto value = ParseDecimal(decimal);
  if (!value) return Refused(e, "'" + std::string(text) + "' is not a number");
  if (*value < 0 || FormatFixed3(*value).size() > kQrgWidth)
    return Refused(
        e, std::string(text) + " does not fit " + std::to_string(kQrgWidth) + " characters with three decimals");
  if (ParseDecimal(FormatFixed3(*value)) != *value)  // the TNC line keeps three decimals
    return Refused(e, "'" + std::string(text) + "' has more than three decimals");
  return {RealText(*value), {}};
}

CheckedValue CheckText(const CatalogueEntry& e, std::string_view text) {
  if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
    return Refused(e, "a value may not hold a line break or NUL");
  std::string value = InCase(Unbracketed(e, std::string(text)), e.textCase);
  const std::size_t width = e.width == 0 ? kMaxValueLength : e.width;
  if (value.size() > width)
    return Refused(e, "at most " + std::to_string(width) + " characters; this has " + std::to_string(value.size()));
  if (const BlockNameFault fault = CommandBlockNameFault(value);
      e.commandBlock && !value.empty() && fault != BlockNameFault::None)
    return Refused(e, BlockNameFaultText(value, fault));
  if (e.noComma && value.find_first_of(",[]") != std::string::npos)
    return Refused(e, "a name in the TNC line may not hold a comma or square brackets");
  if (e.exists && !e.exists(value)) return Refused(e, "no file " + value + " in the driver folder");
  return {e.bracketed ? "[" + value + "]" : value, {}};
}

}  // namespace

SettingCatalogue MakeSettingCatalogue(const Config& config) {
  SettingCatalogue out;
  AddTable<StationSettings>(out, "StationSettings", &Config::Station, kStationSettings);
  AddDirectories(out, config);
  AddTable<DisplaySettings>(out, "DisplaySettings", &Config::Display, kDisplaySettings);
  AddTable<LanguageSettings>(out, "LanguageSettings", &Config::Language, kLanguageSettings);
  AddColors(out);
  AddSounds(out);
  AddTable<ExtraSettings>(out, "ExtraSettings", &Config::Extra, kExtraSettings);
  AddMailbox(out, config);
  for (int n = 0; n < config.TncCount; ++n) AddTnc(out, config, n, config.TncTable[n].Port);
  return out;
}

std::string UnmetDependency(const SettingCatalogue& catalogue, const Config& config) {
  for (const CatalogueEntry& e : catalogue) {
    if (e.needs.empty() || e.get(config) != "yes") continue;
    const auto master = std::find_if(catalogue.begin(), catalogue.end(), [&](const CatalogueEntry& m) {
      return m.section == e.section && m.key == e.needs;
    });
    if (master != catalogue.end() && master->get(config) != "yes")
      return e.name + " needs " + master->name + ": reading clears it while that is off";
  }
  return {};
}

std::string Unbracketed(const CatalogueEntry& e, std::string text) {
  if (e.bracketed && text.size() >= 2 && text.front() == '[' && text.back() == ']')
    return text.substr(1, text.size() - 2);
  return text;
}

std::string SavedText(const CatalogueEntry& e, std::string text) {
  const std::string def = Unbracketed(e, e.defaultValue);
  const TextSaving saving{
      .width = e.width, .upper = e.typedUpper, .emptyGivesDefault = e.emptyGivesDefault, .def = def};
  text = SavedText(saving, std::move(text));
  return e.bracketed ? "[" + text + "]" : text;
}

CatalogueEntry DeclaredSetting(std::string_view section, std::string_view key) {
  std::optional<CatalogueEntry> found;
  FindDeclared<StationSettings>(found, "StationSettings", &Config::Station, kStationSettings, section, key);
  FindDeclared<DisplaySettings>(found, "DisplaySettings", &Config::Display, kDisplaySettings, section, key);
  FindDeclared<LanguageSettings>(found, "LanguageSettings", &Config::Language, kLanguageSettings, section, key);
  FindDeclared<ExtraSettings>(found, "ExtraSettings", &Config::Extra, kExtraSettings, section, key);
  FindDeclared<MailboxSettings>(found, "MailboxSettings", &Config::Mailbox, kMailboxSettingsBeforeHeader, section, key);
  FindDeclared<MailboxSettings>(found, "MailboxSettings", &Config::Mailbox, kMailboxSettings, section, key);
  FindDeclared<SoundSettings>(found, "SoundSettings", &Config::Sound, kSoundSwitches, section, key);
  if (!found && section == "MAILBOX" && key == "FHEADER") found = FHeaderEntry();
  if (!found) throw std::out_of_range("no setting [" + std::string(section) + "] " + std::string(key));
  return std::move(*found);
}

SettingCatalogue DirectoryCatalogue(const Config& config) {
  SettingCatalogue out;
  AddDirectories(out, config);
  return out;
}

SettingCatalogue ColorCatalogue() {
  SettingCatalogue out;
  AddColors(out);
  return out;
}

SettingCatalogue SoundCatalogue() {
  SettingCatalogue out;
  AddSounds(out);
  return out;
}

SettingCatalogue TncCatalogue(const Config& config, int n, std::optional<std::int32_t> port) {
  SettingCatalogue out;
  AddTnc(out, config, n, port.value_or(config.TncTable[n].Port));
  return out;
}

const CatalogueEntry* FindSetting(const SettingCatalogue& catalogue, std::string_view name) {
  for (const CatalogueEntry& e : catalogue)
    if (EqualNoCase(e.name, name)) return &e;
  return nullptr;
}

CheckedValue CheckSettingValue(const CatalogueEntry& entry, std::string_view text) {
  if (entry.readOnly || !entry.put) return Refused(entry, "is derived from other settings and cannot be set");
  switch (entry.kind) {
    case Kind::Flag: return CheckFlag(entry, text);
    case Kind::Integer: return CheckInteger(entry, text);
    case Kind::Real: return CheckReal(entry, text);
    default: return CheckText(entry, text);
  }
}

}  // namespace trv
