#include "platform/drive_table.h"

#include <filesystem>
#include <system_error>

#include "platform/folder_entries.h"
#include "platform/wine_prefix.h"
#include "support/codepage.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

char UpperLetter(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string WithoutTrailingSlash(std::string root) {
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  return root;
}

// The part of `path` below `root`, or empty when root does not contain it.
std::optional<std::string_view> Below(std::string_view path, std::string_view root) {
  if (path.empty() || path.front() != '/') return std::nullopt;
  if (root == "/") {
    while (!path.empty() && path.front() == '/') path.remove_prefix(1);
    return path;
  }
  if (path.substr(0, root.size()) != root) return std::nullopt;
  std::string_view rest = path.substr(root.size());
  if (!rest.empty() && rest.front() != '/') return std::nullopt;
  while (!rest.empty() && rest.front() == '/') rest.remove_prefix(1);
  return rest;
}

}  // namespace

DriveTable::DriveTable() : roots_{{'Z', "/"}} {}

DriveTable::DriveTable(std::map<char, std::string> roots) {
  for (auto& [letter, root] : roots) roots_[UpperLetter(letter)] = WithoutTrailingSlash(root);
}

DriveTable DriveTable::FromWinePrefix(const std::string& programHostDir) {
  const std::string prefix = WinePrefixFor(programHostDir);
  if (prefix.empty()) return DriveTable();
  return FromDosDevices(prefix + "/dosdevices");
}

DriveTable DriveTable::FromDosDevices(const std::string& dosdevicesDir) {
  std::map<char, std::string> roots{{'Z', "/"}};
  const FolderEntries entries = ListFolder(dosdevicesDir);
  for (const std::string& name : entries.names) {
    const char letter = UpperLetter(name.empty() ? '\0' : name[0]);
    if (name.size() != 2 || name[1] != ':' || letter < 'A' || letter > 'Z') continue;
    std::error_code linkError;
    const fs::path target = fs::canonical(fs::path(dosdevicesDir) / name, linkError);
    if (!linkError && fs::is_directory(target, linkError)) roots[letter] = target.string();
  }
  DriveTable table(std::move(roots));
  table.listError_ = entries.error;
  table.listedFolder_ = dosdevicesDir;
  return table;
}

std::optional<std::string> DriveTable::Root(char letter) const {
  const auto it = roots_.find(UpperLetter(letter));
  if (it == roots_.end()) return std::nullopt;
  return it->second;
}

std::vector<char> DriveTable::Letters() const {
  std::vector<char> letters;
  for (const auto& entry : roots_) letters.push_back(entry.first);
  return letters;
}

std::optional<std::string> DriveTable::ToWindows(std::string_view hostPath) const {
  const std::pair<const char, std::string>* best = nullptr;
  std::string_view rest;
  for (const auto& entry : roots_) {
    const auto below = Below(hostPath, entry.second);
    if (below && (best == nullptr || entry.second.size() > best->second.size())) {
      best = &entry;
      rest = *below;
    }
  }
  if (best == nullptr) return std::nullopt;
  auto bytes = Utf8ToCp1252(rest);
  if (!bytes) return std::nullopt;
  for (char& c : *bytes)
    if (c == '/') c = '\\';
  return std::string(1, best->first) + ":\\" + *bytes;
}

}  // namespace trv
