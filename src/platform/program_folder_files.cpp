#include "platform/program_folder_files.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/folder_entries.h"
#include "platform/host_files.h"
#include "platform/system_reason.h"

namespace fs = std::filesystem;

namespace trv {

std::vector<std::string> ConfigFileNames(const std::string& hostDir) {
  std::vector<std::string> names;
  for (const std::string& name : ListFolder(hostDir).names) {
    std::error_code statError;
    if (MatchesMask(name, "TARVO.INI") && !fs::is_directory(fs::path(hostDir) / name, statError)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool HasConfigFile(const std::string& hostDir) { return !ConfigFileNames(hostDir).empty(); }

// The folder takes the new file of every save and the backup; the file is replaced.
std::string FolderWriteRefusal(const std::string& hostDir) {
  const auto writable = [](const fs::path& path) { return ::access(path.c_str(), W_OK) == 0; };
  const std::vector<std::string> files = ConfigFileNames(hostDir);
  if (writable(hostDir) && (files.empty() || writable(fs::path(hostDir) / files.front()))) return {};
  return SystemReason(errno);
}

}  // namespace trv
