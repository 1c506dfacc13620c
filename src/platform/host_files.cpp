#include "platform/host_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/folder_entries.h"
#include "platform/windows_form.h"
#include "support/codepage.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

std::vector<std::string> SplitComponents(std::string_view path) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

// The entry of `dir` named `name` (Windows-1252), exact or else without regard to case. A
// folder that cannot be listed for the search sets `error`.
std::string HostName(const fs::path& dir, const std::string& name, int& error) {
  const std::string utf8 = Cp1252ToUtf8(name);
  std::error_code ec;
  if (fs::exists(dir / utf8, ec)) return utf8;
  const FolderEntries entries = ListFolder(dir.string());
  if (entries.error != 0 && error == 0) error = entries.error;
  for (const std::string& entry : entries.names) {
    const auto bytes = Utf8ToCp1252(entry);
    if (bytes && EqualNoCase1252(*bytes, name)) return entry;
  }
  return utf8;
}

bool MatchFrom(std::string_view name, std::string_view mask) {
  while (!mask.empty()) {
    if (mask.front() == '*') {
      mask.remove_prefix(1);
      for (std::size_t skip = 0; skip <= name.size(); ++skip)
        if (MatchFrom(name.substr(skip), mask)) return true;
      return false;
    }
    if (name.empty()) return false;
    if (mask.front() != '?' && FoldCase1252(mask.front()) != FoldCase1252(name.front())) return false;
    mask.remove_prefix(1);
    name.remove_prefix(1);
  }
  return name.empty();
}

}  // namespace

HostFileSystem::HostFileSystem(DriveTable drives, std::string programDir)
    : drives_(std::move(drives)), programDir_(std::move(programDir)) {}

std::optional<std::string> HostFileSystem::ToHost(std::string_view windowsPath) const {
  int error = 0;
  return ToHost(windowsPath, error);
}

std::optional<std::string> HostFileSystem::ToHost(std::string_view windowsPath, int& error) const {
  return ToHost(windowsPath, error, nullptr);
}

std::optional<std::string> HostFileSystem::ToHost(std::string_view windowsPath, int& error, bool* folder) const {
  std::string full;
  if (windowsPath.size() >= 2 && windowsPath[1] == ':') {
    full = std::string(windowsPath.substr(0, 2)) + "\\" + std::string(windowsPath.substr(2));
  } else if (windowsPath.substr(0, 2) == "\\\\" || windowsPath.substr(0, 2) == "//") {
    return std::nullopt;
  } else if (!windowsPath.empty() && (windowsPath.front() == '\\' || windowsPath.front() == '/')) {
    full = programDir_.substr(0, 2) + std::string(windowsPath);
  } else {
    full = programDir_ + std::string(windowsPath);
  }
  if (full.size() < 2 || full[1] != ':') return std::nullopt;
  const auto root = drives_.Root(full[0]);
  if (!root) return std::nullopt;

  std::vector<std::string> kept;
  for (auto& part : SplitComponents(std::string_view(full).substr(2))) {
    if (part == ".") continue;
    if (part == "..") {
      if (!kept.empty()) kept.pop_back();
      continue;
    }
    kept.push_back(std::move(part));
  }
  // Most paths are there as they are named: one look at the whole path then does for a look
  // at each name on the way.
  fs::path exact(*root);
  for (const auto& part : kept) exact /= Cp1252ToUtf8(part);
  std::error_code ec;
  const fs::file_status status = fs::status(exact, ec);
  if (folder != nullptr) *folder = fs::is_directory(status);
  if (fs::exists(status)) return exact.string();
  fs::path host(*root);
  for (const auto& part : kept) host /= HostName(host, part, error);
  return host.string();
}

void RemoveMadeFolders(const std::vector<std::string>& made) {
  std::error_code ec;
  for (auto it = made.rbegin(); it != made.rend(); ++it) fs::remove(*it, ec);  // refused when not empty
}

void HostFileSystem::CreateDirectory(std::string_view windowsPath, std::vector<std::string>* made) const {
  if (windowsPath.empty()) return;
  int error = 0;
  bool folder = false;
  const auto host = ToHost(windowsPath, error, &folder);
  if (!host || folder) return;  // a folder that is there takes no more looks
  std::error_code ec;
  std::vector<fs::path> missing;  // innermost first
  for (fs::path p = fs::path(*host).lexically_normal(); !p.empty() && !fs::exists(fs::symlink_status(p, ec));
       p = p.parent_path()) {
    if (p.has_filename()) missing.push_back(p);
    if (p == p.parent_path()) break;
  }
  fs::create_directories(*host, ec);
  if (made == nullptr) return;
  for (auto it = missing.rbegin(); it != missing.rend(); ++it)
    if (fs::is_directory(*it, ec)) made->push_back(it->string());
}

bool HostFileSystem::FileExists(std::string_view windowsPath) const {
  int error = 0;
  return FileExists(windowsPath, error);
}

bool HostFileSystem::FileExists(std::string_view windowsPath, int& error) const {
  // A name too long for the host names no file there: it is missing, not unreadable.
  const auto missing = [](int e) { return e == ENOENT || e == ENOTDIR || e == ENAMETOOLONG; };
  error = 0;
  const auto host = ToHost(windowsPath, error);
  if (!host) {
    if (error == ENAMETOOLONG) error = 0;
    return false;
  }
  std::error_code ec;
  const fs::file_status status = fs::status(*host, ec);
  if (ec && !missing(ec.value())) error = ec.value();
  return !ec && fs::exists(status) && !fs::is_directory(status);
}

FileList HostFileSystem::ListMatching(std::string_view windowsDir, std::string_view mask) const {
  FileList list;
  int lookupError = 0;
  const auto host = ToHost(windowsDir.empty() ? std::string_view(".") : windowsDir, lookupError);
  if (!host) return list;
  const FolderEntries entries = ListFolder(*host);
  // A folder not found because a folder above it could not be searched is not missing either.
  list.error = entries.error != 0 ? entries.error : entries.missing ? lookupError : 0;
  for (const std::string& entry : entries.names) {
    const auto bytes = Utf8ToCp1252(entry);
    if (bytes && MatchesMask(*bytes, mask) && WindowsNameProblem(*bytes).empty()) list.names.push_back(*bytes);
  }
  std::sort(list.names.begin(), list.names.end(), LessNoCase1252);
  return list;
}

bool MatchesMask(std::string_view name, std::string_view mask) { return MatchFrom(name, mask); }

std::string ProgramDirOfHostExecutable(const DriveTable& drives, const std::string& executableHostPath) {
  return WindowsFormOfDirectory(drives, fs::path(executableHostPath).parent_path().string()).path;
}

}  // namespace trv
