#include "platform/wine_prefix.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace trv {

bool IsWinePrefix(const std::string& dir) {
  std::error_code ec;
  return !dir.empty() && fs::is_directory(fs::path(dir) / "dosdevices", ec) &&
         fs::is_directory(fs::path(dir) / "drive_c", ec);
}

std::string WinePrefixFor(std::string_view hostDir, const char* winePrefixEnv, const char* homeEnv) {
  std::error_code ec;
  if (!hostDir.empty()) {
    std::string dir = fs::absolute(fs::path(hostDir), ec).lexically_normal().string();
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    for (; dir.size() > 1; dir = fs::path(dir).parent_path().string())
      if (IsWinePrefix(dir)) return dir;
  }
  if (winePrefixEnv != nullptr && *winePrefixEnv != '\0') return winePrefixEnv;
  if (homeEnv != nullptr && *homeEnv != '\0') return std::string(homeEnv) + "/.wine";
  return {};
}

std::string WinePrefixFor(std::string_view hostDir) {
  return WinePrefixFor(hostDir, std::getenv("WINEPREFIX"), std::getenv("HOME"));
}

}  // namespace trv
