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

// A look that failed because the name is not there, not because it could not be looked at. A
// name too long for the host (a 255-character Windows name is longer in UTF-8) is not there.
bool IsAbsence(int error) { return error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG; }

HostLookup Failed(int error) {
  HostLookup lookup;
  lookup.state = HostLookup::State::Failed;
  lookup.error = error;
  return lookup;
}

// The state of `path`: Found (with `folder`), Missing, or Failed with the look's error.
HostLookup Look(const fs::path& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec && !IsAbsence(ec.value())) return Failed(ec.value());
  HostLookup lookup;
  lookup.host = path.string();
  lookup.state = fs::exists(status) ? HostLookup::State::Found : HostLookup::State::Missing;
  lookup.folder = fs::is_directory(status);
  return lookup;
}

// The entry of `dir` that is `name` (Windows-1252) without regard to case; nothing when the
// whole listing does not hold it. A listing that fails sets `error`.
std::optional<std::string> EntryNamed(const fs::path& dir, const std::string& name, int& error) {
  const FolderEntries entries = ListFolder(dir.string());
  error = entries.error;
  for (const std::string& entry : entries.names) {
    const auto bytes = Utf8ToCp1252(entry);
    if (bytes && EqualNoCase1252(*bytes, name)) return entry;
  }
  return std::nullopt;
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

HostLookup HostFileSystem::Find(std::string_view windowsPath) const {
  std::string full;
  if (windowsPath.size() >= 2 && windowsPath[1] == ':') {
    full = std::string(windowsPath.substr(0, 2)) + "\\" + std::string(windowsPath.substr(2));
  } else if (windowsPath.substr(0, 2) == "\\\\" || windowsPath.substr(0, 2) == "//") {
    return {};
  } else if (!windowsPath.empty() && (windowsPath.front() == '\\' || windowsPath.front() == '/')) {
    full = programDir_.substr(0, 2) + std::string(windowsPath);
  } else {
    full = programDir_ + std::string(windowsPath);
  }
  if (full.size() < 2 || full[1] != ':') return {};
  const auto root = drives_.Root(full[0]);
  if (!root) return {};

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
  HostLookup found = Look(exact);
  if (found.state == HostLookup::State::Missing) found = FindNameByName(*root, kept);
  if (found.Failed()) found.host = exact.string();  // for a look that only informs
  return found;
}

HostLookup HostFileSystem::FindNameByName(const std::string& root, const std::vector<std::string>& kept) {
  fs::path host(root);
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const fs::path named = host / Cp1252ToUtf8(kept[i]);
    const HostLookup step = Look(named);
    if (step.Failed()) return step;
    if (step.Found()) {
      host = named;
      continue;
    }
    int error = 0;
    const auto entry = EntryNamed(host, kept[i], error);
    if (error != 0) return Failed(error);
    if (!entry) {  // the rest is missing too, as it is named
      for (std::size_t j = i; j < kept.size(); ++j) host /= Cp1252ToUtf8(kept[j]);
      return Look(host);
    }
    host /= *entry;
  }
  return Look(host);
}

std::optional<std::string> HostFileSystem::ToHost(std::string_view windowsPath) const {
  HostLookup lookup = Find(windowsPath);
  if (lookup.state == HostLookup::State::Unreachable) return std::nullopt;
  return lookup.host;
}

void RemoveMadeFolders(const std::vector<std::string>& made) {
  std::error_code ec;
  for (auto it = made.rbegin(); it != made.rend(); ++it) fs::remove(*it, ec);  // refused when not empty
}

int HostFileSystem::CreateDirectory(std::string_view windowsPath, std::vector<std::string>* made) const {
  if (windowsPath.empty()) return 0;
  const HostLookup lookup = Find(windowsPath);
  if (lookup.Failed()) return lookup.error;
  if (lookup.state != HostLookup::State::Missing) return 0;  // there, or on no drive
  std::error_code ec;
  std::vector<fs::path> missing;  // innermost first
  for (fs::path p = fs::path(lookup.host).lexically_normal(); !p.empty() && !fs::exists(fs::symlink_status(p, ec));
       p = p.parent_path()) {
    if (p.has_filename()) missing.push_back(p);
    if (p == p.parent_path()) break;
  }
  fs::create_directories(lookup.host, ec);
  if (made == nullptr) return 0;
  for (auto it = missing.rbegin(); it != missing.rend(); ++it)
    if (fs::is_directory(*it, ec)) made->push_back(it->string());
  return 0;
}

bool HostFileSystem::FileExists(std::string_view windowsPath) const {
  int error = 0;
  return FileExists(windowsPath, error);
}

bool HostFileSystem::FileExists(std::string_view windowsPath, int& error) const {
  const HostLookup lookup = Find(windowsPath);
  error = lookup.error;
  return lookup.Found() && !lookup.folder;
}

FileList HostFileSystem::ListMatching(std::string_view windowsDir, std::string_view mask) const {
  FileList list;
  const HostLookup dir = Find(windowsDir.empty() ? std::string_view(".") : windowsDir);
  list.error = dir.error;
  if (!dir.Found()) return list;
  const FolderEntries entries = ListFolder(dir.host);
  list.error = entries.error;
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
