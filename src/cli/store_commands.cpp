#include <algorithm>
#include <filesystem>

#include "cli/commands.h"
#include "cli/settings_output.h"
#include "config/config.h"
#include "config/ini_errors.h"
#include "config/sections.h"
#include "support/text.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

Config MakeConfig(const std::string& programDir, StoreOptions options) {
  DriveTable drives = DriveTable::FromWinePrefix();
  std::error_code ec;
  const fs::path absolute = fs::weakly_canonical(fs::absolute(programDir, ec), ec);
  std::string windowsDir = AddBackslash(drives.ToWindows(absolute.string()).value_or("Z:\\"));
  return Config(HostFileSystem(std::move(drives), std::move(windowsDir)), std::move(options));
}

bool DirectoryMissing(const std::string& programDir, CommandStreams io) {
  std::error_code ec;
  if (fs::is_directory(programDir, ec)) return false;
  io.err << "tarvoini: no such directory: " << programDir << "\n";
  return true;
}

}  // namespace

int ShowCommand(const std::string& programDir, bool json, CommandStreams io) {
  if (DirectoryMissing(programDir, io)) return kUsage;
  Config config = MakeConfig(programDir, {.readOnly = true});
  for (const auto& error : LoadAll(config)) io.err << "tarvoini: " << error << "\n";
  std::vector<std::string> userSections;
  ListUserSections(config, &userSections);
  auto writer = json ? MakeJsonWriter(io.out) : MakeListingWriter(io.out);
  VisitSettings(config, userSections, *writer);
  return kOk;
}

int CheckCommand(const std::string& programDir, CommandStreams io) {
  if (DirectoryMissing(programDir, io)) return kUsage;
  Findings findings;
  Config config = MakeConfig(programDir, {.readOnly = true, .findings = &findings});
  const auto errors = LoadAll(config);
  std::stable_sort(findings.begin(), findings.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  for (const Finding& f : findings)
    io.out << "TARVO.INI:" << f.line << ": [" << f.section << "] " << f.key << ": " << f.message << "\n";
  for (const auto& error : errors) io.out << "TARVO.INI: " << error << "\n";
  return findings.empty() && errors.empty() ? kOk : kNotFound;
}

int ResaveCommand(const std::string& programDir, CommandStreams io) {
  if (DirectoryMissing(programDir, io)) return kUsage;
  Config config = MakeConfig(programDir, {});
  try {
    const auto errors = LoadAll(config);
    if (!errors.empty()) throw IniWriteError(config.ConfigFilePath());
    SaveAll(config);
  } catch (const IniWriteError& e) {
    io.err << "tarvoini: " << e.what() << "\n";
    return kWriteFailed;
  } catch (const IniInputError& e) {
    io.err << "tarvoini: " << e.what() << "\n";
    return kWriteFailed;
  }
  return kOk;
}

}  // namespace trv
