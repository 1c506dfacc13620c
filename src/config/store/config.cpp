#include "config/store/config.h"

#include <algorithm>
#include <array>

#include "config/ini/ini_errors.h"
#include "platform/atomic_file_writer.h"
#include "platform/file_reader.h"
#include "support/text.h"

namespace trv {
namespace {

// The sections the program reads and writes, and those it knows and leaves alone (with the
// BEACON... sections).
constexpr std::array<std::string_view, 9> kOwnSections = {"DEVICE", "STATION", "DISPLAY", "LANGUAGE", "DIR",
                                                          "EXTRA",  "SOUND",   "COLOR",   "MAILBOX"};
constexpr std::array<std::string_view, 4> kLeftAloneSections = {"MAIN", "VALIDCALL", "SFILE", "SETTINGS"};

}  // namespace

Config::Config(HostFileSystem files, StoreOptions options)
    : Files(std::move(files)), Options(std::move(options)), Dirs(Files.ProgramDir()) {}

void Config::ResetSettings() { CopySettingsFrom(Config(Files)); }

void Config::CopySettingsFrom(const Config& other) {
  Station = other.Station;
  TncTable = other.TncTable;
  TncCount = other.TncCount;
  Dirs = other.Dirs;
  Display = other.Display;
  Language = other.Language;
  Extra = other.Extra;
  Mailbox = other.Mailbox;
  FHeaderText = other.FHeaderText;
  ClosedTimes.AssignWindows(other.ClosedTimes);
  ColorTable = other.ColorTable;
  Sound = other.Sound;
}

IniTransactionFile TransactionFileOf(const Config& config, std::string hostPath, std::string shownPath) {
  const StoreOptions& o = config.Options;
  return IniTransactionFile{.hostPath = std::move(hostPath),
                            .shownPath = std::move(shownPath),
                            .reader = ReaderOrDefault(o.reader),
                            .writer = WriterOrDefault(o.writer),
                            .lockWaiting = o.lockWaiting,
                            .findings = o.findings,
                            .settle = o.settle,
                            .keptDisplaced = o.displacedKept};
}

std::string HostPathToWrite(const Config& config, const std::string& windowsPath) {
  const HostLookup lookup = config.Files.Find(windowsPath);
  if (lookup.Failed()) throw IniReadError(windowsPath, SystemReason(lookup.error));
  return lookup.host;
}

IniTransactionFile ConfigTransactionFile(const Config& config) {
  const StoreOptions& o = config.Options;
  // Without the drive letters of the Wine prefix every path on them would read as missing.
  if (const int error = config.Files.Drives().ListError(); error != 0)
    throw IniReadError(config.Files.Drives().ListedFolder(), SystemReason(error));
  if (!o.otherFile.empty()) return TransactionFileOf(config, o.otherFile, o.otherFile);
  const std::string path = config.ConfigFilePath();
  return TransactionFileOf(config, HostPathToWrite(config, path), path);
}

std::int32_t ReadIntegerInRange(TIniFile& ini, std::string_view section, std::string_view key, std::int32_t def,
                                std::int32_t min, std::int32_t max) {
  const std::int32_t value = ini.ReadInteger(section, key, def);
  if (value >= min && value <= max) return value;
  if (ini.HasKey(section, key) && value != def)
    ini.Report(section, key,
               std::to_string(value) + " is outside " + std::to_string(min) + " to " + std::to_string(max) + "; " +
                   std::to_string(def) + " is used");
  return def;
}

std::string CutReported(TIniFile& ini, std::string_view section, std::string_view key, std::string text,
                        std::size_t width) {
  if (text.size() > width) {
    ini.Report(section, key, "cut to " + std::to_string(width) + " characters");
    text.resize(width);
    text.resize(TrimIniBlanksAtEnd(text).size());  // OK writes it without them
  }
  return text;
}

std::string ReadText(TIniFile& ini, std::string_view section, std::string_view key, std::string_view def,
                     std::size_t width) {
  return CutReported(ini, section, key, ini.ReadString(section, key, def), width);
}

void SplitAtSeparator(std::string& text, std::string_view separator, std::string& head) {
  if (text.empty()) {
    head.clear();
    return;
  }
  const auto pos = text.find(separator);
  if (pos == std::string::npos) {
    head = std::move(text);
    text.clear();
    return;
  }
  head = text.substr(0, pos);
  text.erase(0, pos + separator.size());
}

bool IsOwnSection(std::string_view name) {
  const std::string upper = UpperCaseAscii(name);  // the file's names do not depend on case
  return std::find(kOwnSections.begin(), kOwnSections.end(), upper) != kOwnSections.end();
}

bool IsKnownSection(std::string_view name) {
  const std::string upper = UpperCaseAscii(name);
  return IsOwnSection(upper) || StartsWith(upper, "BEACON") ||
         std::find(kLeftAloneSections.begin(), kLeftAloneSections.end(), upper) != kLeftAloneSections.end();
}

bool ListUserSections(const Config& config, std::vector<std::string>* list) {
  if (list == nullptr) return false;
  RunOperation(config, [&](TIniFile& ini) { ini.ReadSections(*list); });
  for (std::size_t i = list->size(); i-- > 0;)
    if (IsKnownSection((*list)[i])) list->erase(list->begin() + static_cast<std::ptrdiff_t>(i));
  return true;
}

}  // namespace trv
