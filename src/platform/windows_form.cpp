#include "platform/windows_form.h"

#include <filesystem>
#include <system_error>

#include "platform/host_files.h"
#include "support/codepage.h"
#include "support/text.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

WindowsDirectory Refused(std::string problem) { return WindowsDirectory{{}, std::move(problem)}; }

bool AllowedInWindowsName(unsigned char c) {
  return c >= 0x20 && std::string_view("\\:*?\"<>|").find(static_cast<char>(c)) == std::string_view::npos;
}

// The first name of the path that Windows cannot hold, or empty.
std::string NameWithoutWindowsForm(const fs::path& absolute) {
  for (const auto& part : absolute.relative_path()) {
    const std::string name = part.string();
    const auto bytes = Utf8ToCp1252(name);
    if (!bytes) return name;
    for (char c : *bytes)
      if (!AllowedInWindowsName(static_cast<unsigned char>(c))) return name;
  }
  return {};
}

}  // namespace

WindowsDirectory WindowsFormOfDirectory(const DriveTable& drives, const std::string& hostDir) {
  std::error_code ec;
  const fs::path absolute = fs::weakly_canonical(fs::absolute(hostDir, ec), ec);
  if (ec) return Refused("it cannot be resolved (" + ec.message() + ")");
  if (const std::string bad = NameWithoutWindowsForm(absolute); !bad.empty())
    return Refused("the name '" + bad + "' has no Windows form");
  const auto windows = drives.ToWindows(absolute.string());
  if (!windows) return Refused("it is on no drive");
  std::string dir = *windows;
  if (dir.empty() || dir.back() != '\\') dir += '\\';
  if (dir.size() > kShortStringMax) return Refused("its Windows path is longer than 255 characters");
  const auto back = HostFileSystem(drives, dir).ToHost(dir);
  if (!back || fs::path(*back).lexically_normal() != absolute.lexically_normal())
    return Refused("its Windows path " + Cp1252ToUtf8(dir) + " names another directory");
  return WindowsDirectory{dir, {}};
}

}  // namespace trv
