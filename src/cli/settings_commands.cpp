// get, set, apply, tnc and the dry runs: settings by name, checked as the window checks them,
// written in one step with only the keys whose value changes.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iostream>
#include <map>

#include "cli/commands.h"
#include "cli/json_settings.h"
#include "cli/json_types.h"
#include "cli/settings_visitor.h"
#include "config/ini/ini_document.h"
#include "config/ini/ini_errors.h"
#include "config/sections/copied_sections.h"
#include "config/sections/device_section.h"
#include "config/sections/free_section.h"
#include "config/sections/mailbox_section.h"
#include "config/settings/setting_catalogue.h"
#include "config/settings/value_forms.h"
#include "config/store/config.h"
#include "config/store/edit_session.h"
#include "config/store/save_merge.h"
#include "config/store/saved_forms.h"
#include "config/store/sections.h"
#include "platform/host_files.h"
#include "support/codepage.h"
#include "support/line_diff.h"

namespace trv {
namespace {

// A value or name the command refuses before anything is written (exit status 2).
struct Refusal {
  std::string text;
};

void RethrowAll(const StoreError&) { throw; }

void Load(Config& config) {
  config.ResetSettings();
  LoadAllSections(config, {}, RethrowAll);
}

// Runs `use` on the store over the folder with every section read and nothing written; the
// exit status of `use`, or of what failed before it.
int WithLoadedSettings(const std::string& programDir, CommandStreams io, const std::function<int(Config&)>& use) {
  auto config = MakeConfig(programDir, {.readOnly = true}, io);
  if (!config) return kUsage;
  try {
    Load(*config);
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
  return use(*config);
}

// A name with its list numbers read whole: "TncTable[002].Port" is "TncTable[2].Port".
std::string WithWholeNumbers(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    out += name[i];
    if (name[i] != '[') continue;
    while (i + 2 < name.size() && name[i + 1] == '0' && name[i + 2] >= '0' && name[i + 2] <= '9') ++i;
  }
  return out;
}

// Every setting's value as read, by its name in small letters: what apply may give back unchecked.
using ValuesAsRead = std::map<std::string, std::string>;

std::string Folded(std::string_view name) {
  std::string out = WithWholeNumbers(name);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

ValuesAsRead ValuesOf(const Config& config) {
  ValuesAsRead values;
  for (const CatalogueEntry& e : MakeSettingCatalogue(config))
    if (e.get) values.emplace(Folded(e.name), e.get(config));
  return values;
}

// Whether `text` is the entry's value now, in the form get or get --raw prints it.
bool IsValueNow(const CatalogueEntry& entry, const Config& config, const std::string& text) {
  const std::string value = entry.get(config);
  return text == WindowForm(entry, value) || text == FileForm(entry, value);
}

// Sets one named value (UTF-8) in the records, checked as the window checks it. With `asRead`
// (apply), a value that stays as it was read passes unchecked: the window keeps such a value
// too, even one it could not offer (a driver file not in the driver folder).
void SetOne(Config& config, const std::string& name, const std::string& utf8, const ValuesAsRead* asRead) {
  const SettingCatalogue catalogue = MakeSettingCatalogue(config);
  const CatalogueEntry* entry = FindSetting(catalogue, WithWholeNumbers(name));
  if (entry == nullptr) throw Refusal{"no setting " + name + " (tarvoini names lists them)"};
  auto text = Utf8ToCp1252(utf8);
  if (!text) throw Refusal{entry->name + ": '" + utf8 + "' has characters that TARVO.INI cannot hold"};
  if (IsValueNow(*entry, config, *text)) {
    if (asRead != nullptr) {
      const auto read = asRead->find(Folded(entry->name));
      if (entry->readOnly || (read != asRead->end() && read->second == entry->get(config))) return;
    }
  } else {
    *text = TrimIniBlanks(*text);  // as the terminal program's reader drops them
  }
  const CheckedValue checked = CheckSettingValue(*entry, *text);
  if (!checked.value) throw Refusal{checked.error};
  entry->put(config, *checked.value);
}

// Whether the write is of that key (or of its whole section).
bool Writes(const IniWrite& write, std::string_view section, std::string_view key) {
  return EqualNoCase1252(write.section, section) && (write.WholeSection() || EqualNoCase1252(write.key, key));
}

bool SameFinding(const Finding& a, const Finding& b) {
  return EqualNoCase1252(a.section, b.section) && EqualNoCase1252(a.key, b.key) && a.message == b.message;
}

std::string Shown(const std::string& windowsText) {
  const std::string text = Cp1252ToUtf8(windowsText);
  return text.size() <= 80 ? "'" + text + "'"
                           : "'" + text + "' (" + std::to_string(windowsText.size()) + " characters)";
}

// Reads the action's file as the next read will (into records of its own; writes held, no
// directory made) and refuses a written value that it would not give back as written: cut,
// replaced, or read otherwise after what reading puts in front of it.
void RefuseWhatTheNextReadChanges(TIniFile& ini, const Config& config, const Findings& loaded,
                                  const IniWrites& written) {
  if (written.empty()) return;
  Config next(config.Files, {.readOnly = true});
  Findings findings;
  {
    const TracelessRead traceless(&ini, &findings);
    const ActionScope scope(next, &ini);
    Load(next);
  }
  const SettingCatalogue catalogue = MakeSettingCatalogue(config), read = MakeSettingCatalogue(next);
  for (const CatalogueEntry& e : catalogue) {
    if (!e.get ||
        std::none_of(written.begin(), written.end(), [&](const IniWrite& w) { return Writes(w, e.section, e.key); }))
      continue;
    const CatalogueEntry* again = FindSetting(read, e.name);
    const std::string value = e.get(config), readBack = again != nullptr ? again->get(next) : std::string();
    if (again != nullptr && readBack == value) continue;
    // What reading says about the key, when it said something new.
    for (const Finding& f : findings)
      if (EqualNoCase1252(f.section, e.section) && EqualNoCase1252(f.key, e.key) &&
          std::none_of(loaded.begin(), loaded.end(), [&](const Finding& l) { return SameFinding(l, f); }))
        throw Refusal{e.name + ": the next read would not take the value as written: " + f.message};
    throw Refusal{e.name + ": written as " + Shown(value) + ", the next read would give " +
                  (again != nullptr ? Shown(readBack) : std::string("no such setting"))};
  }
}

// The file as read and as it would be written, as a unified diff on `out`; whether they differ.
bool PrintDiff(const DryRun& dry, std::ostream& out) {
  if (dry.before == dry.after) return false;
  out << Cp1252ToUtf8(UnifiedDiff(dry.before, dry.after, "TARVO.INI", "TARVO.INI (new)"));
  return true;
}

// The working folders that reading made for a command, taken away again (innermost first)
// unless the command succeeded: a refusal, or an error, writes nothing at all. A folder that
// is no longer empty stays.
class FoldersMadeByReading {
 public:
  FoldersMadeByReading() = default;
  FoldersMadeByReading(const FoldersMadeByReading&) = delete;
  FoldersMadeByReading& operator=(const FoldersMadeByReading&) = delete;
  ~FoldersMadeByReading() {
    if (!kept_) RemoveMadeFolders(made_);
  }
  std::vector<std::string>* List() { return &made_; }
  int Keep(int status) {
    kept_ = status == kOk;
    return status;
  }

 private:
  std::vector<std::string> made_;
  bool kept_ = false;
};

// How a change is written: `init` writes over an empty file; `wholeWhenNew` writes a file that
// had no section yet whole, as resave writes it (a station made by a copy).
struct ChangeMode {
  bool dryRun = false, init = false, wholeWhenNew = false;
};

// Runs `change` on the loaded records in one action and writes what it changed; with
// `dryRun`, prints the difference instead.
int ChangeLoadedSettings(Config& config, ChangeMode mode, CommandStreams io,
                         const std::function<void(Config&)>& change);

int ChangeSettings(const std::string& programDir, ChangeMode mode, CommandStreams io,
                   const std::function<void(Config&)>& change) {
  const bool dryRun = mode.dryRun;
  FoldersMadeByReading made;
  auto config = MakeConfig(programDir,
                           {.readOnly = dryRun,
                            .directoriesMade = made.List(),
                            .lockWaiting = LockWaitLine(io.err),
                            .keepBackup = true,
                            .warning = WarningLine(io.err)},
                           io);
  if (!config) return kUsage;
  return made.Keep(ChangeLoadedSettings(*config, mode, io, change));
}

bool HasNoSection(TIniFile& ini) {
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  return sections.empty();
}

int ChangeLoadedSettings(Config& config, ChangeMode mode, CommandStreams io,
                         const std::function<void(Config&)>& change) {
  const bool dryRun = mode.dryRun;
  auto body = [&](TIniFile& ini) {
    RefuseEmptyFile(ini, mode.init);  // a dry run too: it says what the run does
    const bool whole = mode.wholeWhenNew && HasNoSection(ini);
    EditSession session(config);
    Findings loaded;
    session.Load({.onError = RethrowAll, .addNothing = true}, &loaded);
    change(config);
    ApplySavedForms(config);  // written as OK writes what the next read makes of them
    if (const std::string unmet = UnmetDependency(MakeSettingCatalogue(config), config); !unmet.empty())
      throw Refusal{unmet};
    RefuseWhatTheNextReadChanges(ini, config, loaded, session.SaveChanges());
    if (whole) Resave(config);  // read again from what was written, and written whole
  };
  try {
    if (!dryRun) {
      RunAction(config, body);
      return kOk;
    }
    return PrintDiff(RunDryAction(config, body), io.out) ? kNotFound : kOk;
  } catch (const Refusal& r) {
    io.err << "tarvoini: " << r.text << "\n";
    return kUsage;
  } catch (const IniInputError& e) {
    io.err << "tarvoini: " << e.what() << "\n";
    return kUsage;
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
}

// The number an argument of only decimal digits names, leading zeros and all ("0002" is 2);
// nothing for anything else ("", "+2", "2x", " 2") and for a number past 64 bits.
std::optional<std::uint64_t> WholeDecimal(std::string_view text) {
  std::uint64_t value = 0;
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Makes the TNC list as long as `count`, as the TNC page adds and deletes.
void ResizeTncList(Config& config, std::size_t count) {
  if (count > static_cast<std::size_t>(kMaxTncs)) throw Refusal{"The maximum number of TNCs are already added!"};
  while (static_cast<std::size_t>(config.TncCount) < count) config.TncTable[config.TncCount++] = NewTncEntry();
  config.TncCount = static_cast<std::int32_t>(count);
}

// The TNC list of an apply, taken whole: as long as the list given, each TNC matched by its
// number. The list may be as long as reading takes it, also where the TNC page could not add
// that many.
void TakeTncList(Config& config, std::size_t count) {
  if (count > static_cast<std::size_t>(kTncTableSize))
    throw Refusal{"TncTable: " + std::to_string(count) + " TNCs; TARVO.INI holds at most " +
                  std::to_string(kTncTableSize)};
  while (static_cast<std::size_t>(config.TncCount) < count) config.TncTable[config.TncCount++] = NewTncEntry();
  config.TncCount = static_cast<std::int32_t>(count);
}

// The closed-time list of an apply, taken whole ("ClosedTimes": [] empties it). A window as
// read at the same place keeps its spelling in the file; any other must be one the closed-time
// dialog offers, and the list must fit the file's line.
void TakeClosedTimes(Config& config, std::size_t count, const std::map<std::string, std::string>& given) {
  TClosedTimeCol list;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string item = "MailboxSettings.ClosedTimes[" + std::to_string(i) + "]";
    std::int32_t time[2] = {0, 0};
    std::string text[2];
    for (int side = 0; side < 2; ++side) {
      const std::string name = item + (side == 0 ? ".From" : ".To");
      const auto value = given.find(Folded(name));
      if (value == given.end()) throw Refusal{name + ": missing (a closed time has a From and a To)"};
      text[side] = value->second;
    }
    const ClosedTime* read = config.ClosedTimes.WindowAt(static_cast<std::int32_t>(i));
    const auto asRead = [](const std::string& given, std::int32_t time) {
      return given == std::to_string(time) || given == TimeOfDayText(time);
    };
    if (read != nullptr && asRead(text[0], read->From) && asRead(text[1], read->To)) {
      list.AddWindow(read->From, read->To, read->Text);
      continue;
    }
    for (int side = 0; side < 2; ++side) {
      const auto offered = ReadTimeOfDay(text[side]);
      if (!offered)
        throw Refusal{item + (side == 0 ? ".From" : ".To") + ": '" + text[side] +
                      "' is not a time of day from 00:00 to 23:59 (HH:MM or HHMM)"};
      time[side] = *offered;
    }
    if (!ClosedTimeFits(list, time[0], time[1]))
      throw Refusal{item + ": the closed-time list is full: TARVO.INI cannot hold another window"};
    list.AddWindow(time[0], time[1]);
  }
  config.ClosedTimes.AssignWindows(list);
}

// A folder or wave file of a portable copy (relative, with a backslash: a bare wave file name is
// read with the wave directory in front) placed below this station's program folder; one as
// read stays as it is.
std::string BelowProgramFolder(const Config& config, const std::string& name, const std::string& utf8,
                               const ValuesAsRead& asRead) {
  const bool relative =
      !utf8.empty() && utf8[0] != '\\' && (utf8.size() < 2 || utf8[1] != ':') && utf8.find('\\') != std::string::npos;
  if (!relative ||
      !(StartsWithNoCase1252(name, "Directories.") || StartsWithNoCase1252(name, "SoundSettings.WaveFiles[")))
    return utf8;
  if (const auto read = asRead.find(Folded(name)); read != asRead.end() && Cp1252ToUtf8(read->second) == utf8)
    return utf8;
  return Cp1252ToUtf8(config.Dirs.GetProgramDir()) + utf8;
}

// Writes the command blocks of a portable copy; a block this station holds with other lines is
// replaced only with `replace`, else all are refused by name.
void WriteBlocks(Config& config, const CommandBlocks& blocks, bool replace) {
  std::string clashes;
  for (const auto& [name, lines] : blocks) {
    std::vector<std::string> held;
    ReadFreeSection(config, name, held);
    if (!held.empty() && held != lines && !replace) clashes += (clashes.empty() ? "" : ", ") + name;
  }
  if (!clashes.empty())
    throw Refusal{"the command blocks " + clashes + " exist here with other lines (--replace-blocks replaces them)"};
  for (const auto& [name, lines] : blocks) {
    std::vector<std::string> held;
    ReadFreeSection(config, name, held);
    if (held != lines) WriteFreeSection(config, name, lines);
  }
}

// The text of a settings file, or of standard input for "-"; false (with the reason said)
// when it cannot be read or is larger than any settings file.
bool ReadSettingsText(const std::string& jsonFile, const std::string& shownFile, std::string& text, CommandStreams io) {
  std::ifstream file;
  if (jsonFile != "-") file.open(jsonFile, std::ios::binary);
  std::istream& in = jsonFile == "-" ? std::cin : file;
  if (!in) {
    io.err << "tarvoini: cannot read " << shownFile << "\n";
    return false;
  }
  constexpr std::size_t kMaxJson = std::size_t{64} << 20;  // a show --json output has some 30 KB
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxJson) {
      io.err << "tarvoini: " << shownFile << ": larger than 64 MB, not a settings file\n";
      return false;
    }
  }
  if (in.bad()) {
    io.err << "tarvoini: cannot read " << shownFile << "\n";
    return false;
  }
  return true;
}

// The command blocks a settings file holds under Blocks, each name one a block may have.
CommandBlocks GivenBlocks(const JsonSettings& settings, std::map<std::string, std::string>& given) {
  CommandBlocks blocks;
  for (const auto& [list, length] : settings.listLengths) {
    if (!StartsWithNoCase1252(list, "Blocks.")) continue;
    const auto name = Utf8ToCp1252(list.substr(7));
    if (!name) throw Refusal{list + ": the name has characters that TARVO.INI cannot hold"};
    if (const BlockNameFault fault = CommandBlockNameFault(*name); fault != BlockNameFault::None)
      throw Refusal{list + ": " + BlockNameFaultText(*name, fault)};
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < length; ++i) {
      const auto line = Utf8ToCp1252(given[Folded(list + "[" + std::to_string(i) + "]")]);
      if (!line) throw Refusal{list + ": a line has characters that TARVO.INI cannot hold"};
      lines.push_back(*line);
    }
    blocks.emplace_back(*name, std::move(lines));
  }
  return blocks;
}

// The sections of a portable copy, in the order given: a section with "Lines" travels with
// them, one without is only a place in the order.
std::vector<CopiedSection> GivenSections(const JsonSettings& settings, std::map<std::string, std::string>& given) {
  std::map<std::string, std::size_t> lengths;
  for (const auto& [name, length] : settings.listLengths) lengths[Folded(name)] = length;
  std::vector<CopiedSection> sections;
  const auto count = lengths.find("sections");
  for (std::size_t i = 0; count != lengths.end() && i < count->second; ++i) {
    const std::string item = "sections[" + std::to_string(i) + "]";
    const auto name = Utf8ToCp1252(given[item + ".name"]);
    if (!name || name->empty()) throw Refusal{"Sections[" + std::to_string(i) + "].Name: a section's name is due"};
    const auto lines = lengths.find(item + ".lines");
    CopiedSection section{*name, {}, lines == lengths.end()};
    for (std::size_t j = 0; lines != lengths.end() && j < lines->second; ++j) {
      const auto line = Utf8ToCp1252(given[item + ".lines[" + std::to_string(j) + "]"]);
      if (!line) throw Refusal{"Sections[" + std::to_string(i) + "]: a line has characters that TARVO.INI cannot hold"};
      section.lines.push_back(*line);
    }
    sections.push_back(std::move(section));
  }
  return sections;
}

}  // namespace

int ResaveDryRunCommand(const std::string& programDir, bool init, CommandStreams io) {
  auto config = MakeConfig(programDir, {.readOnly = true}, io);
  if (!config) return kUsage;
  try {
    const DryRun dry = RunDryAction(*config, [&](TIniFile& ini) {
      RefuseEmptyFile(ini, init);
      Resave(*config);
    });
    return PrintDiff(dry, io.out) ? kNotFound : kOk;
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
}

int NamesCommand(const std::string& programDir, CommandStreams io) {
  return WithLoadedSettings(programDir, io, [&](Config& config) {
    for (const CatalogueEntry& e : MakeSettingCatalogue(config))
      io.out << e.name << (e.readOnly ? " (read-only)" : "") << "\n";
    return kOk;
  });
}

int GetCommand(const std::string& programDir, const std::string& name, bool raw, CommandStreams io) {
  return WithLoadedSettings(programDir, io, [&](Config& config) {
    const SettingCatalogue catalogue = MakeSettingCatalogue(config);
    const CatalogueEntry* entry = FindSetting(catalogue, WithWholeNumbers(name));
    if (entry == nullptr) {
      io.err << "tarvoini: no setting " << name << " (tarvoini names lists them)\n";
      return static_cast<int>(kUsage);
    }
    const std::string value = entry->get(config);
    io.out << Cp1252ToUtf8(raw ? FileForm(*entry, value) : WindowForm(*entry, value)) << "\n";
    return static_cast<int>(kOk);
  });
}

int SetCommand(const std::string& programDir, const std::vector<std::string>& pairs, bool dryRun, bool init,
               CommandStreams io) {
  if (pairs.empty() || pairs.size() % 2 != 0) {
    io.err << "tarvoini: set needs NAME VALUE pairs (see tarvoini --help)\n";
    return kUsage;
  }
  return ChangeSettings(programDir, {dryRun, init}, io, [&](Config& config) {
    for (std::size_t i = 0; i < pairs.size(); i += 2) SetOne(config, pairs[i], pairs[i + 1], nullptr);
  });
}

int ApplyCommand(const std::string& programDir, const std::string& jsonFile, bool dryRun, bool replaceBlocks, bool init,
                 CommandStreams io) {
  const std::string shownFile = jsonFile == "-" ? std::string("standard input") : jsonFile;
  std::string text;
  if (!ReadSettingsText(jsonFile, shownFile, text, io)) return kUsage;
  JsonSettings settings;
  CommandBlocks blocks;                      // "Blocks.NAME[i]": line i of the command block NAME
  std::vector<CopiedSection> sections;       // "Sections[i].Name", "Sections[i].Lines[j]"
  std::map<std::string, std::string> given;  // by the setting's name in small letters
  try {
    settings = ReadJsonSettings(text);
    if (const std::string fault = JsonTypeFault(settings); !fault.empty()) throw Refusal{fault};
    for (const JsonValue& value : settings.values) given[Folded(value.name)] = value.text;
    blocks = GivenBlocks(settings, given);
    sections = GivenSections(settings, given);
  } catch (const std::runtime_error& e) {
    io.err << "tarvoini: " << shownFile << ": " << e.what() << "\n";
    return kUsage;
  } catch (const Refusal& r) {
    io.err << "tarvoini: " << r.text << "\n";
    return kUsage;
  }
  std::map<std::string, std::size_t> lengths;  // by the list's name in small letters
  for (const auto& [name, length] : settings.listLengths) lengths[Folded(name)] = length;
  return ChangeSettings(programDir, {dryRun, init, true}, io, [&](Config& config) {
    if (const std::string clashes = SectionClashes(config, sections); !clashes.empty() && !replaceBlocks)
      throw Refusal{"the sections " + clashes + " exist here with other lines (--replace-blocks replaces them)"};
    WriteCopiedSections(config, sections);  // first: a new file takes the sections in the order given
    const ValuesAsRead asRead = ValuesOf(config);
    if (const auto tncs = lengths.find("tnctable"); tncs != lengths.end()) TakeTncList(config, tncs->second);
    const auto closed = lengths.find("mailboxsettings.closedtimes");
    if (closed != lengths.end()) TakeClosedTimes(config, closed->second, given);
    for (const JsonValue& value : settings.values) {
      const std::string& name = value.name;
      if (StartsWithNoCase1252(name, "UserSections") || StartsWithNoCase1252(name, "Blocks.") ||
          StartsWithNoCase1252(name, "Sections["))
        continue;  // no settings
      if (!StartsWithNoCase1252(name, "MailboxSettings.ClosedTimes[")) {
        SetOne(config, name, BelowProgramFolder(config, name, value.text, asRead), &asRead);
        continue;
      }
      const std::string folded = Folded(name);  // taken above when it is a From or a To of the list
      bool taken = false;
      for (std::size_t i = 0; closed != lengths.end() && i < closed->second && !taken; ++i) {
        const std::string item = "mailboxsettings.closedtimes[" + std::to_string(i) + "].";
        taken = folded == item + "from" || folded == item + "to";
      }
      if (!taken) throw Refusal{"no setting " + name + " (a closed time has a From and a To)"};
    }
    WriteBlocks(config, blocks, replaceBlocks);
  });
}

int TncCommand(const std::string& programDir, const std::vector<std::string>& args, bool dryRun, bool init,
               CommandStreams io) {
  const bool add = args.size() == 1 && args[0] == "add";
  const bool del = args.size() == 2 && args[0] == "del";
  if (!add && !del) {
    io.err << "tarvoini: tnc add | tnc del N (see tarvoini --help)\n";
    return kUsage;
  }
  const std::optional<std::uint64_t> number = del ? WholeDecimal(args[1]) : std::uint64_t{0};
  if (!number && (args[1].empty() || args[1].find_first_not_of("0123456789") != std::string::npos)) {
    io.err << "tarvoini: tnc del needs the number of a TNC (0, 1, ...), not '" << args[1]
           << "' (see tarvoini --help)\n";
    return kUsage;
  }
  return ChangeSettings(programDir, {dryRun, init}, io, [&](Config& config) {
    if (add) return ResizeTncList(config, static_cast<std::size_t>(config.TncCount) + 1);
    if (config.TncCount == 0) throw Refusal{"All TNCs are removed!"};
    if (!number || *number >= static_cast<std::uint64_t>(config.TncCount))
      throw Refusal{"no TNC " + args[1] + " (the TNCs are numbered 0 to " + std::to_string(config.TncCount - 1) + ")"};
    for (auto i = static_cast<std::size_t>(*number); i + 1 < static_cast<std::size_t>(config.TncCount); ++i)
      config.TncTable[i] = config.TncTable[i + 1];
    --config.TncCount;
  });
}

}  // namespace trv
