#pragma once
// Every setting that load all fills, by the name `tarvoini show` prints
// ("MailboxSettings.Timeout", "TncTable[0].Port"), with the checks the window makes on a value
// and the way a checked value goes into the records. Made from the settings tables, the TNC
// page's lists and the records; tarvoini's get, set and apply use it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings/setting_table.h"

namespace trv {

class Config;

struct CatalogueEntry {
  enum class Kind { Text, Integer, Real, Flag };
  std::string name;
  Kind kind = Kind::Text;
  // Where the file keeps it ("MAILBOX", "TIMEOUT"; every field of TNC 1 is in "DEVICE", "TNC1"),
  // its default as `get` gives it (a TNC's: a new TNC's; a wave file's: the file's, before the
  // wave directory is put in front; empty when it has none of its own) and one sentence, marked
  // with TRV_ABOUT, on what it does in the terminal program (empty where nothing says).
  std::string_view section;
  std::string key;
  std::string defaultValue;
  std::string_view about;
  bool readOnly = false;  // derived from other settings, or not a setting of the file
  // Integer: in memory units, min..max when ranged, a whole number of `unit`s ("min": 60 s),
  // or one of `allowed` when that is not empty.
  bool ranged = false;
  std::int64_t min = 0, max = 0;
  std::int32_t unit = 1;
  std::string_view unitName;
  std::int32_t shownFactor = 1;  // memory units in one `unitName` (60: minutes shown, seconds kept)
  std::int32_t shownScale = 1;   // `unitName`s in one memory unit (50: ms shown, steps of 50 ms kept)
  // Unranged, yet the window's list offers only listFrom..listTo `unitName`s (the UTC offset).
  bool listed = false;
  std::int64_t listFrom = 0, listTo = 0;
  std::vector<std::int64_t> allowed;
  std::function<std::string(std::int64_t)> shownAs;  // the window's name of a value ("COM 2"); none: the number
  std::int32_t fileUnit = 1;  // memory units in one of the file's (60: the file's minutes, seconds kept)
  bool timeOfDay = false;     // kept as HHMM, shown as HH:MM
  // Text: at most `width` characters (0: 2047) after the letter case is converted; with
  // `keepsLonger`, reading keeps a longer text and `width` only limits what is set (the block
  // names). Real (the QRG): at most `width` characters with three decimals.
  std::size_t width = 0;
  bool keepsLonger = false;
  TextCase textCase = TextCase::Kept;
  // In the window: at most `typingWidth` characters can be typed (0: as many as `width`
  // allows), in capitals when `typedUpper`.
  std::size_t typingWidth = 0;
  bool typedUpper = false;
  bool noComma = false;                            // part of the comma-separated TNC line
  bool commandBlock = false;                       // names a command block, unless empty
  bool bracketed = false;                          // shown in square brackets, which are not part of the width
  bool emptyGivesDefault = false;                  // OK stores the default for an empty text
  std::function<bool(const std::string&)> exists;  // a file that must exist (the driver)
  std::string_view needs;                          // the key of the flag of its section that it is on only with
  bool newTncDefault = false;                      // the default is a new TNC's: the line has no default
  // A key that reading adds when it is missing, with the value of `defaultKey` (whose own
  // default is `defaultValue`); a value there that cannot be used gives `unusableDefault`.
  std::string_view defaultKey;
  std::string unusableDefault;
  // The value as show prints it (text as the file's bytes, Windows-1252).
  std::function<std::string(const Config&)> get;
  // Takes a value CheckSettingValue accepted.
  std::function<void(Config&, const std::string&)> put;
};
using SettingCatalogue = std::vector<CatalogueEntry>;

// The settings of the records as they are now (one set of TncTable entries per TNC).
SettingCatalogue MakeSettingCatalogue(const Config& config);
// The entries of the directories, the colour table, the sounds and TNC n (whether or not it is
// in use yet), as MakeSettingCatalogue lists them: the pages take their fields' tooltips from them.
SettingCatalogue DirectoryCatalogue(const Config& config);
SettingCatalogue ColorCatalogue();
SettingCatalogue SoundCatalogue();
// `port`: the port the TNC page shows, when it is not the stored one (the baud rates follow it).
SettingCatalogue TncCatalogue(const Config& config, int n, std::optional<std::int32_t> port = std::nullopt);
// The entry of that name, letter case ignored; null when there is none.
const CatalogueEntry* FindSetting(const SettingCatalogue& catalogue, std::string_view name);
// The entry of the setting a settings table declares under that section and key (or the
// FHeader), made alone: the window binds its fields through it. Throws std::out_of_range when
// no table declares it.
CatalogueEntry DeclaredSetting(std::string_view section, std::string_view key);

struct CheckedValue {
  std::optional<std::string> value;  // as `get` gives it back
  std::string error;                 // says the range, width or allowed values
};
// `text` (Windows-1252) as the entry takes it: a flag as yes/no/true/false/1/0, an integer
// in a form of the window's or as the file's own number (value_forms.h), a decimal with a
// point or a comma. An integer must be one the window can show.
CheckedValue CheckSettingValue(const CatalogueEntry& entry, std::string_view text);

// A bracketed text (the FHeader) without its square brackets; any other as it is.
std::string Unbracketed(const CatalogueEntry& e, std::string text);
// What OK stores for the text the window holds for `e` (Windows-1252; a bracketed one without
// its brackets): the one rule of the declaration, which save all also applies to the records.
std::string SavedText(const CatalogueEntry& e, std::string text);

// A flag that is on while the flag it needs is off (reading would clear it): "X needs Y";
// empty when there is none.
std::string UnmetDependency(const SettingCatalogue& catalogue, const Config& config);

}  // namespace trv
