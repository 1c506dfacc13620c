#include "platform/remembered_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/atomic_file_writer.h"
#include "platform/file_reader.h"

namespace fs = std::filesystem;

namespace trv {

std::string RememberedFolderFile(const char* xdgConfigHomeEnv, const char* homeEnv) {
  if (xdgConfigHomeEnv != nullptr && xdgConfigHomeEnv[0] == '/')
    return std::string(xdgConfigHomeEnv) + "/trvcfg/folder";
  if (homeEnv != nullptr && *homeEnv != '\0') return std::string(homeEnv) + "/.config/trvcfg/folder";
  return {};
}

std::string RememberedFolderFile() { return RememberedFolderFile(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")); }

std::optional<std::string> ReadRememberedFolder(const std::string& file) {
  if (file.empty()) return std::nullopt;
  FileContents contents = DefaultFileReader().Read(file);
  if (contents.state != FileContents::State::Read) return std::nullopt;
  std::string line = contents.bytes.substr(0, contents.bytes.find('\n'));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.empty() || line[0] != '/') return std::nullopt;
  return line;
}

bool WriteRememberedFolder(const std::string& file, const std::string& folder) {
  if (file.empty() || folder.empty() || folder.find_first_of("\r\n") != std::string::npos) return false;
  std::error_code ec;
  fs::create_directories(fs::path(file).parent_path(), ec);
  if (ec) return false;
  return WriteNewFile(file, folder + "\n", {}).outcome == WriteResult::Outcome::Written;
}

}  // namespace trv
