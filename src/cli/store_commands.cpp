#include <algorithm>
#include <filesystem>
#include <optional>

#include "cli/commands.h"
#include "cli/settings_output.h"
#include "config/config.h"
#include "config/ini_errors.h"
#include "config/sections.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

// The store over the program directory, or nothing (with the reason printed) when the
// directory is missing or has no exact Windows form: then nothing is read or written.
std::optional<Config> MakeConfig(const std::string& programDir, StoreOptions options, CommandStreams io) {
  std::error_code ec;
  if (!fs::is_directory(programDir, ec)) {
    io.err << "tarvoini: no such directory: " << programDir << "\n";
    return std::nullopt;
  }
  DriveTable drives = DriveTable::FromWinePrefix();
  WindowsDirectory windows = WindowsFormOfDirectory(drives, programDir);
  if (windows.path.empty()) {
    io.err << "tarvoini: " << programDir << " has no exact Windows path (" << windows.problem << ")\n";
    return std::nullopt;
  }
  return std::make_optional<Config>(HostFileSystem(std::move(drives), std::move(windows.path)), std::move(options));
}

void RethrowAll(const StoreError&) { throw; }

void PrintFindings(Findings& findings, CommandStreams io) {
  std::stable_sort(findings.begin(), findings.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  for (const Finding& f : findings)
    io.out << "TARVO.INI:" << f.line << ": [" << f.section << "] " << f.key << ": " << f.message << "\n";
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

int CheckCommand(const std::string& programDir, CommandStreams io) {
  Findings findings;
  auto config = MakeConfig(programDir, {.readOnly = true, .findings = &findings}, io);
  if (!config) return kUsage;
  std::vector<std::string> errors;
  try {
    LoadAllSections(*config, {}, [&](const StoreError& e) {
      if (dynamic_cast<const IniReadError*>(&e) != nullptr) throw;
      errors.emplace_back(e.Full());
    });
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
  PrintFindings(findings, io);
  for (const auto& error : errors) io.out << "TARVO.INI: " << error << "\n";
  return findings.empty() && errors.empty() ? kOk : kNotFound;
}

int ResaveCommand(const std::string& programDir, CommandStreams io) {
  auto config = MakeConfig(programDir, {}, io);
  if (!config) return kUsage;
  try {
    LoadAllSections(*config, {}, RethrowAll);
    SaveAll(*config);
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
  return kOk;
}

}  // namespace trv
