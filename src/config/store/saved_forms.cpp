#include "config/store/saved_forms.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini/ini_errors.h"
#include "config/settings/setting_tables.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "support/codepage.h"
#include "support/text.h"

namespace trv {
namespace {

constexpr std::size_t kPathWidth = 255;

// The listed files for save all. A folder that exists but cannot be listed is a read error:
// its files are not missing, and nothing may be replaced because of it.
std::vector<std::string> ListedFiles(const Config& config, const std::string& dir, std::string_view mask) {
  FileList list = ListedFiles(config.Files, dir, mask);
  if (list.error != 0) throw IniReadError(dir, SystemReason(list.error));
  return std::move(list.names);
}

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\xA0'; }

std::string Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

// Whether the missing host folder `clean` (lexically normal) is one that reading would have
// made, or one made on the way to such a folder, had it not been read-only.
bool WouldBeMade(const Config& config, const std::string& clean) {
  const std::string below = clean.ends_with('/') ? clean : clean + "/";
  for (const std::string& folder : config.FoldersNotMade)
    if (folder == clean || folder == below || folder.starts_with(below)) return true;
  return false;
}

// The full Windows path of an existing directory, or nothing. One that may be there but
// cannot be looked up is a read error: what is written must not depend on a failed look. A
// read-only run takes the folders its reading would have made as there.
std::optional<std::string> FullDirectory(const Config& config, const std::string& dir) {
  if (dir.empty()) return std::nullopt;
  const HostLookup lookup = config.Files.Find(dir);
  if (lookup.Failed()) throw IniReadError(dir, SystemReason(lookup.error));
  std::string clean = std::filesystem::path(lookup.host).lexically_normal().string();
  const bool made = lookup.state == HostLookup::State::Missing && WouldBeMade(config, clean);
  if (!made && (!lookup.Found() || !lookup.folder)) return std::nullopt;
  while (clean.size() > 1 && clean.back() == '/') clean.pop_back();
  return config.Files.Drives().ToWindows(clean);
}

}  // namespace

FileList ListedFiles(const HostFileSystem& files, std::string_view dir, std::string_view mask) {
  FileList list = files.ListMatching(dir, mask);
  for (auto& name : list.names) name = UpperCaseAscii(name);
  return list;
}

std::optional<std::size_t> FirstWithPrefix(const std::vector<std::string>& names, std::string_view prefix) {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (StartsWithNoCase1252(names[i], prefix)) return i;
  return std::nullopt;
}

std::optional<std::size_t> ChosenLanguageFile(const std::vector<std::string>& names, std::string_view stored) {
  if (names.empty()) return std::nullopt;
  return FirstWithPrefix(names, stored).value_or(0);
}

std::string SavedBlockName(std::string_view name, std::string_view def) {
  std::string trimmed = Trimmed(name);
  return trimmed.empty() ? std::string(def) : trimmed;
}

void SavedDirForm(Config& config) {
  Directories& d = config.Dirs;
  if (const auto full = FullDirectory(config, d.GetReadDir())) d.SetReadDir(CutTo(*full, kPathWidth));
}

void SavedLanguageForm(Config& config) {
  const std::string dir = config.Dirs.GetLanguageDir();
  const auto chosen = [&](const std::string& stored, std::string_view mask, std::string_view def) {
    const auto names = ListedFiles(config, dir, mask);
    const auto index = ChosenLanguageFile(names, stored);
    return index ? names[*index] : std::string(def);
  };
  config.Language.Visual = chosen(config.Language.Visual, "*.DLL", kDefaultVisual);
  config.Language.Output = chosen(config.Language.Output, "*.WLF", kDefaultOutput);
}

void SavedDeviceForm(Config& config) {
  const auto drivers = ListedFiles(config, config.Dirs.GetTncDriverDir(), "*.TNC");
  for (std::int32_t i = 0; i < config.TncCount; ++i) {
    TncEntry& e = config.TncTable[i];
    if (!e.Driver.empty())
      if (const auto listed = FirstWithPrefix(drivers, e.Driver)) e.Driver = drivers[*listed];
    e.IniBlock = SavedBlockName(e.IniBlock, kDefaultIniBlock);
    e.DeiBlock = SavedBlockName(e.DeiBlock, kDefaultDeiBlock);
    if (e.HostMode != 1) e.HostMode = 0;
  }
}

void SavedSoundForm(Config& config) {
  const std::string& dir = config.Dirs.GetWaveDir();
  for (std::string& wave : config.Sound.WaveFiles)
    if (DirectoryPart(wave).empty()) wave = dir + wave;
}

void ApplySavedForm(Config& config, SectionId id) {
  switch (id) {
    case SectionId::Extra: return SaveTexts<ExtraSettings>(kExtraSettings, config.Extra);
    case SectionId::Mailbox:
      SaveTexts<MailboxSettings>(kMailboxSettingsBeforeHeader, config.Mailbox);
      return SaveTexts<MailboxSettings>(kMailboxSettings, config.Mailbox);
    case SectionId::Station: return SaveTexts<StationSettings>(kStationSettings, config.Station);
    case SectionId::Dir: return SavedDirForm(config);
    case SectionId::Sound: return SavedSoundForm(config);
    case SectionId::Language: return SavedLanguageForm(config);
    case SectionId::Device: return SavedDeviceForm(config);
    default: return;
  }
}

void ApplySavedForms(Config& config) {
  for (const SectionStep& step : SectionSteps()) ApplySavedForm(config, step.id);
}

}  // namespace trv
