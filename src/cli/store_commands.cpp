#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>

#include "cli/commands.h"
#include "cli/port_commands.h"
#include "cli/settings_output.h"
#include "config/backup.h"
#include "config/config.h"
#include "config/findings.h"
#include "config/ini_errors.h"
#include "config/open_store.h"
#include "config/sections.h"

namespace fs = std::filesystem;

namespace trv {

std::unique_ptr<Config> MakeConfig(const std::string& programDir, StoreOptions options, CommandStreams io) {
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

int ShowCommand(const std::string& programDir, bool json, CommandStreams io) {
  auto config = MakeConfig(programDir, {.readOnly = true}, io);
  if (!config) return kUsage;
  std::vector<std::string> userSections;
  try {
    LoadAllSections(*config, {}, RethrowAll);
    ListUserSections(*config, &userSections);
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
  auto writer = json ? MakeJsonWriter(io.out) : MakeListingWriter(io.out);
  VisitSettings(*config, userSections, *writer);
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
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
  PrintFindings(fileName, findings, io);
  for (const auto& error : errors) io.out << fileName << ": " << error << "\n";
  const int portFindings = PrintPortFindings(*config, programDir, fileName, io.out);
  return findings.empty() && errors.empty() && portFindings == 0 ? kOk : kNotFound;
}

int ResaveCommand(const std::string& programDir, CommandStreams io) {
  auto config = MakeConfig(programDir, {.lockWaiting = LockWaitLine(io.err), .keepBackup = true}, io);
  if (!config) return kUsage;
  try {
    RunAction(*config, [&](TIniFile&) {  // one read, one write: nothing another program writes meanwhile is lost
      config->ResetSettings();
      LoadAllSections(*config, {}, RethrowAll);
      SaveAll(*config);
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
