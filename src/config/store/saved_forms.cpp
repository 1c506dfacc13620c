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

// The upper-cased names of the files matching `mask` in `dir`, as the pages list them. A
// folder that exists but cannot be listed is a read error: its files are not missing, and
// nothing may be replaced because of it.
std::vector<std::string> ListedFiles(const Config& config, const std::string& dir, std::string_view mask) {
  FileList list = config.Files.ListMatching(dir, mask);
  if (list.error != 0) throw IniReadError(dir, SystemReason(list.error));
  for (auto& name : list.names) name = UpperCaseAscii(name);
  return std::move(list.names);
}

// The first listed name that begins with `prefix`, or nothing.
const std::string* FirstWithPrefix(const std::vector<std::string>& names, std::string_view prefix) {
  for (const auto& name : names)
    if (StartsWithNoCase1252(name, prefix)) return &name;
  return nullptr;
}

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\xA0'; }

std::string Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

// The full Windows path of an existing directory, or nothing.
std::optional<std::string> FullDirectory(const Config& config, const std::string& dir) {
  if (dir.empty()) return std::nullopt;
  const auto host = config.Files.ToHost(dir);
  std::error_code ec;
  if (!host || !std::filesystem::is_directory(*host, ec)) return std::nullopt;
  std::string clean = std::filesystem::path(*host).lexically_normal().string();
  while (clean.size() > 1 && clean.back() == '/') clean.pop_back();
  return config.Files.Drives().ToWindows(clean);
}

}  // namespace

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
    if (names.empty()) return std::string(def);
    const std::string* match = FirstWithPrefix(names, stored);
    return match != nullptr ? *match : names.front();
  };
  config.Language.Visual = chosen(config.Language.Visual, "*.DLL", kDefaultVisual);
  config.Language.Output = chosen(config.Language.Output, "*.WLF", kDefaultOutput);
}

void SavedDeviceForm(Config& config) {
  const auto drivers = ListedFiles(config, config.Dirs.GetTncDriverDir(), "*.TNC");
  for (std::int32_t i = 0; i < config.TncCount; ++i) {
    TncEntry& e = config.TncTable[i];
    if (!e.Driver.empty())
      if (const std::string* listed = FirstWithPrefix(drivers, e.Driver)) e.Driver = *listed;
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
