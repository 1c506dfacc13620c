#include "platform/windows_form.h"

#include <array>
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

// CON, AUX.ini, lpt9.txt: Windows opens the device, whatever follows the first dot. The
// digits include the superscripts one to three (Windows-1252).
bool IsDeviceName(std::string_view name) {
  std::string_view head = name.substr(0, name.find('.'));
  while (!head.empty() && head.back() == ' ') head.remove_suffix(1);  // "NUL .txt" is NUL too
  const std::string stem = UpperCaseAscii(head);
  static constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  for (const auto device : kDevices)
    if (stem == device) return true;
  if (stem.size() != 4 || (stem.compare(0, 3, "COM") != 0 && stem.compare(0, 3, "LPT") != 0)) return false;
  return std::string_view("0123456789\xB9\xB2\xB3").find(stem[3]) != std::string_view::npos;
}

}  // namespace

std::string WindowsNameProblem(std::string_view name) {
  if (name.empty()) return "is empty";
  for (char c : name)
    if (!AllowedInWindowsName(static_cast<unsigned char>(c))) return "has no Windows form";
  if (name.back() == '.' || name.back() == ' ') return "ends in a dot or a blank, which Windows drops";
  if (IsDeviceName(name)) return "is a device name on Windows";
  return {};
}

namespace {

// The drive root (host path) that holds `absolute`, the longest one as the drive table
// maps paths; empty when none does.
fs::path DriveRootOf(const DriveTable& drives, const fs::path& absolute) {
  fs::path best;
  for (const char letter : drives.Letters()) {
    const fs::path root = fs::path(*drives.Root(letter)).lexically_normal();
    const fs::path below = absolute.lexically_relative(root);
    const bool holds = !below.empty() && (below.native() == "." || *below.begin() != "..");
    if (holds && root.native().size() > best.native().size()) best = root;
  }
  return best;
}

// The first name below the drive's root that Windows cannot hold, with why; only these names
// are in the Windows path (the host folders above the root, such as a home folder, are not).
std::string NameWithoutWindowsForm(const DriveTable& drives, const fs::path& absolute) {
  const fs::path root = DriveRootOf(drives, absolute);
  if (root.empty()) return {};
  for (const auto& part : absolute.lexically_relative(root)) {
    const std::string name = part.string();
    if (name == ".") continue;
    const auto bytes = Utf8ToCp1252(name);
    const std::string problem = bytes ? WindowsNameProblem(*bytes) : "has no Windows form";
    if (!problem.empty()) return "the name '" + name + "' " + problem;
  }
  return {};
}

}  // namespace

WindowsDirectory WindowsFormOfDirectory(const DriveTable& drives, const std::string& hostDir) {
  std::error_code ec;
  const fs::path absolute = fs::weakly_canonical(fs::absolute(hostDir, ec), ec);
  if (ec) return Refused("it cannot be resolved (" + ec.message() + ")");
  if (const std::string bad = NameWithoutWindowsForm(drives, absolute); !bad.empty()) return Refused(bad);
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
