#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <utility>

#include "cli/changed_settings.h"
#include "cli/commands.h"
#include "cli/formed_values.h"
#include "cli/port_commands.h"
#include "cli/settings_output.h"
#include "cli/settings_visitor.h"
#include "config/ini/ini_errors.h"
#include "config/sections/dir_section.h"
#include "config/sections/free_section.h"
#include "config/settings/setting_catalogue.h"
#include "config/store/backup.h"
#include "config/store/config.h"
#include "config/store/edit_session.h"
#include "config/store/findings.h"
#include "config/store/open_store.h"
#include "config/store/save_merge.h"
#include "config/store/sections.h"
#include "platform/file_reader.h"
#include "support/codepage.h"

namespace fs = std::filesystem;

namespace trv {

std::unique_ptr<Config> MakeConfig(const std::string& programDir, StoreOptions options, CommandStreams io) {
  options.displacedKept = KeptFileLine(io.err);
  OpenedStore opened = OpenStore(programDir, std::move(options));
  switch (opened.problem) {
    case FolderProblem::None: break;
    case FolderProblem::NotAFolder: io.err << "tarvoini: no such directory: " << programDir << "\n"; break;
    case FolderProblem::NoWindowsPath:
      io.err << "tarvoini: " << programDir << " has no exact Windows path (" << opened.detail << ")\n";
      break;
  }
  return std::move(opened.config);
}

namespace {

void RethrowAll(const StoreError&) { throw; }

void PrintFindings(const std::string& fileName, const Findings& findings, CommandStreams io) {
  for (const Finding& f : SortedByLine(findings)) io.out << FindingLine(fileName, f) << "\n";
}

}  // namespace

namespace {

// A path below the program folder made relative to it (C:\TARVO\READ\ is READ\).
void MadeRelative(const std::string& programDir, std::string& path) {
  if (path.size() > programDir.size() &&
      EqualNoCase1252(std::string_view(path).substr(0, programDir.size()), programDir))
    path.erase(0, programDir.size());
}

// The command blocks the TNCs name, in TNC order.
std::vector<std::string> TncBlockNames(const Config& config) {
  std::vector<std::string> names;
  for (std::int32_t i = 0; i < config.TncCount; ++i)
    for (const std::string* name : {&config.TncTable[i].IniBlock, &config.TncTable[i].DeiBlock})
      if (!name->empty()) names.push_back(*name);
  return names;
}

// For a copy to another station: the folders and wave files below the program folder relative
// to it, and the command blocks the TNCs name; a name that cannot name a block is left out
// and said on `err`.
CommandBlocks MakePortable(Config& config, std::ostream& err) {
  const std::string home = config.Dirs.GetProgramDir();
  for (const DirKey& k : DirKeys()) {
    std::string dir = (config.Dirs.*k.get)();
    MadeRelative(home, dir);
    (config.Dirs.*k.set)(dir);
  }
  for (std::string& wave : config.Sound.WaveFiles) MadeRelative(home, wave);
  CommandBlocks blocks;
  for (std::int32_t i = 0; i < config.TncCount; ++i)
    for (const std::string* name : {&config.TncTable[i].IniBlock, &config.TncTable[i].DeiBlock}) {
      if (name->empty() ||
          std::any_of(blocks.begin(), blocks.end(), [&](const auto& b) { return EqualNoCase1252(b.first, *name); }))
        continue;
      if (const BlockNameFault fault = CommandBlockNameFault(*name); fault != BlockNameFault::None) {
        err << "tarvoini: TncTable[" << i
            << "]: the block is left out of the copy: " << Cp1252ToUtf8(BlockNameFaultText(*name, fault)) << "\n";
        continue;
      }
      std::vector<std::string> lines;
      ReadFreeSection(config, *name, lines);
      if (!lines.empty()) blocks.emplace_back(*name, std::move(lines));
    }
  return blocks;
}

// Reads as a file that is not there.
class NoFileReader : public FileReader {
 public:
  FileContents Read(const std::string&) override { return {}; }
};

// The values of a station in the same folder without TARVO.INI, as `show` would visit them.
ValuesByPlace DefaultValues(const Config& config, bool portable) {
  NoFileReader none;
  Config defaults(config.Files, {.readOnly = true, .reader = &none});
  LoadAllSections(defaults, {}, RethrowAll);
  std::ostringstream unused;
  if (portable) MakePortable(defaults, unused);
  return RecordValues(defaults);
}

}  // namespace

int ShowCommand(const std::string& programDir, ShowForm form, CommandStreams io) {
  auto config = MakeConfig(programDir, {.readOnly = true}, io);
  if (!config) return kUsage;
  std::vector<std::string> userSections;
  CommandBlocks blocks;
  std::vector<CopiedSection> sections;
  try {
    LoadAllSections(*config, {}, RethrowAll);
    ListUserSections(*config, &userSections);
    if (form.portable) {
      blocks = MakePortable(*config, io.err);
      sections = SectionsInFileOrder(*config, TncBlockNames(*config));
    }
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
  ValuesByPlace defaults;
  if (form.changed) try {
      defaults = DefaultValues(*config, form.portable);
    } catch (const StoreError& e) {
      return ReportStoreError(e, io);
    }
  auto writer = form.json ? MakeJsonWriter(io.out) : MakeListingWriter(io.out);
  const SettingCatalogue catalogue = MakeSettingCatalogue(*config);
  const auto formed = MakeFormedValues(catalogue, form.raw, *writer);
  const auto changed = form.changed ? OnlyChanged(defaults, *formed) : nullptr;
  VisitSettings(*config, userSections, changed ? *changed : *formed, form.portable ? &blocks : nullptr,
                form.portable ? &sections : nullptr);
  return kOk;
}

int CheckCommand(const std::string& programDir, const std::string& file, CommandStreams io) {
  std::error_code ec;
  if (!file.empty() && !fs::exists(file, ec)) {
    io.err << "tarvoini: no such file: " << file << "\n";
    return kUsage;
  }
  Findings findings;
  auto config = MakeConfig(programDir, {.readOnly = true, .findings = &findings, .otherFile = file}, io);
  if (!config) return kUsage;
  const std::string fileName = file.empty() ? "TARVO.INI" : file;
  std::vector<std::string> errors;
  try {
    LoadAllSections(*config, {}, [&](const StoreError& e) {
      if (dynamic_cast<const IniReadError*>(&e) != nullptr) throw;
      errors.emplace_back(e.Full());
    });
    RunOperation(*config, ReportBlocksNotShownWhole);
    for (Finding& f : ValuesOkRewrites(*config))  // a value reading replaced is told once
      if (std::none_of(findings.begin(), findings.end(),
                       [&](const Finding& read) { return read.section == f.section && read.key == f.key; }))
        findings.push_back(std::move(f));
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
  PrintFindings(fileName, findings, io);
  for (const auto& error : errors) io.out << fileName << ": " << error << "\n";
  const int portFindings = PrintPortFindings(*config, programDir, fileName, io.out);
  return findings.empty() && errors.empty() && portFindings == 0 ? kOk : kNotFound;
}

int ResaveCommand(const std::string& programDir, bool init, CommandStreams io) {
  auto config = MakeConfig(
      programDir, {.lockWaiting = LockWaitLine(io.err), .keepBackup = true, .warning = WarningLine(io.err)}, io);
  if (!config) return kUsage;
  try {
    RunAction(*config, [&](TIniFile& ini) {
      RefuseEmptyFile(ini, init);
      Resave(*config);
    });
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
  return kOk;
}

int RestoreCommand(const std::string& programDir, CommandStreams io) {
  auto config = MakeConfig(programDir, {.lockWaiting = LockWaitLine(io.err)}, io);
  if (!config) return kUsage;
  try {
    if (RestoreBackup(*config)) return kOk;
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
  io.err << "tarvoini: no TARVO.BAK in " << programDir << "\n";
  return kNotFound;
}

}  // namespace trv
