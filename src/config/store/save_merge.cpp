#include "config/store/save_merge.h"

#include "config/ini/ini_document.h"
#include "config/ini/ini_errors.h"
#include "config/store/config.h"
#include "config/store/saved_forms.h"
#include "config/store/sections.h"
#include "platform/file_identity.h"

namespace trv {
namespace {

std::string JoinedKeys(const IniWrite& write) {
  std::string joined;
  for (const auto& [key, value] : write.keys) joined += key + "=" + value + "\n";
  return joined;
}

std::string NameOf(const IniWrite& write) {
  return write.WholeSection() ? "[" + write.section + "]" : "[" + write.section + "] " + write.key;
}

}  // namespace

SaveImage SaveImage::Of(const Config& records) {
  SaveImage image;
  Config form = records;  // the records stay as read; OK writes their saved form
  ApplySavedForms(form);
  image.writes_ = AllSectionWrites(form);
  for (const IniWrite& write : image.writes_) CheckIniWrite(write);
  image.Index();
  return image;
}

SaveImage SaveImage::OfFile(const Config& config, Findings* findings) {
  StoreOptions options;
  options.readOnly = true;
  options.reader = config.Options.reader;
  options.otherFile = config.Options.otherFile;
  options.findings = findings;
  Config probe(config.Files, std::move(options));
  {
    const TracelessRead traceless(config.Action, findings);
    const ActionScope scope(probe, config.Action);
    LoadAllSections(probe, {}, [](const StoreError&) { throw; });
  }
  SaveImage image = Of(probe);
  image.fromFile_ = config.Action != nullptr && config.Action->FileExisted();
  image.heldBytes_ = image.fromFile_ && !config.Action->OriginalBytes().empty();
  return image;
}

void SaveImage::Index() {
  for (const IniWrite& write : writes_)
    values_[{write.section, write.key}] = write.WholeSection() ? JoinedKeys(write) : write.value;
}

std::optional<std::string> SaveImage::ValueOf(const IniWrite& write) const {
  const auto it = values_.find({write.section, write.key});
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::vector<SaveConflict> SaveMerge::Conflicts() const {
  std::vector<SaveConflict> conflicts;
  for (const IniWrite& write : window_.Writes()) {
    const auto theirs = now_.ValueOf(write);
    const auto ours = window_.ValueOf(write);
    if (WindowChanged(write) && OtherChanged(write) && theirs != ours)
      conflicts.push_back(SaveConflict{NameOf(write), theirs.value_or(""), ours.value_or("")});
  }
  return conflicts;
}

void SaveMerge::WriteOnto(TIniFile& ini) const {
  for (const IniWrite& write : window_.Writes())
    if (WindowChanged(write) || !OtherChanged(write)) ini.Apply(write);
}

Findings ValuesOkRewrites(const Config& config) {
  Findings rewritten;
  RunOperation(config, [&](TIniFile& ini) {
    const SaveImage image = SaveImage::OfFile(config);
    Findings* const outer = ini.FindingsTarget();
    ini.SetFindings(nullptr);  // reading told its own findings already
    const auto compare = [&](const std::string& section, const std::string& key, const std::string& value) {
      if (!ini.HasKey(section, key)) return;
      const std::string now = ini.ReadString(section, key, "");
      const std::string written(TrimIniBlanks(value));
      if (now == value || now == written) return;
      rewritten.push_back(Finding{ini.LineNumber(section, key), section, key, "OK and resave write '" + written + "'",
                                  FindingKind::Rewritten});
    };
    for (const IniWrite& write : image.Writes()) {
      if (!write.WholeSection()) compare(write.section, write.key, write.value);
      for (const auto& [key, value] : write.keys) compare(write.section, key, value);
    }
    ini.SetFindings(outer);
  });
  return rewritten;
}

void SaveMerged(Config& config, const SaveImage& loaded, const std::set<SaveConflict>& decided, bool whole) {
  const SaveImage window = SaveImage::Of(config);
  if (loaded.FromFile() && !whole) {
    const FileIdentity now = IdentityOf(HostPathToWrite(config, config.ConfigFilePath()));
    if (!now.exists || !now.regular) throw FileVanished{now.exists};
  }
  RunAction(config, [&](TIniFile& ini) {
    if (whole) {
      for (const IniWrite& write : window.Writes()) ini.Apply(write);
      return;
    }
    if (loaded.FromFile() && !ini.FileExisted()) throw FileVanished{};
    if (loaded.HeldBytes() && ini.OriginalBytes().empty()) throw FileEmptied{};
    const SaveImage now = SaveImage::OfFile(config);
    const SaveMerge merge(loaded, window, now);
    UndecidedConflicts undecided;
    for (SaveConflict& conflict : merge.Conflicts())
      if (decided.count(conflict) == 0) undecided.conflicts.push_back(std::move(conflict));
    if (!undecided.conflicts.empty()) throw undecided;
    merge.WriteOnto(ini);
  });
}

}  // namespace trv
