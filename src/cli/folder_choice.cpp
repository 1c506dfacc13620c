#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "cli/commands.h"
#include "platform/folder_entries.h"
#include "platform/host_files.h"
#include "platform/remembered_folder.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

bool NamesConfigFile(const FolderEntries& entries) {
  for (const std::string& name : entries.names)
    if (MatchesMask(name, "TARVO.INI")) return true;
  return false;
}

// An entry named TARVO.INI in any letter case, whatever it is: the store says what is wrong
// with one that is no regular file. A folder that cannot be listed counts as holding it, so
// that the store reports the folder's error rather than a missing file.
bool HoldsConfigFile(const std::string& dir) {
  const FolderEntries entries = ListFolder(dir);
  return entries.error != 0 || NamesConfigFile(entries);
}

// The nearest folder above the current one that holds TARVO.INI, as git finds its repository:
// the walk ends quietly at the first folder it cannot list and where another file system begins.
std::optional<std::string> FoundAbove() {
  std::error_code ec;
  fs::path folder = fs::current_path(ec);
  struct stat start {};
  if (ec || stat(folder.c_str(), &start) != 0) return {};
  for (fs::path above = folder.parent_path(); above != folder; folder = above, above = folder.parent_path()) {
    struct stat st {};
    if (stat(above.c_str(), &st) != 0 || st.st_dev != start.st_dev) return {};
    const FolderEntries entries = ListFolder(above.string());
    if (entries.error != 0 || entries.missing) return {};
    if (NamesConfigFile(entries)) return above.string();
  }
  return {};
}

std::string CurrentFolder() {
  std::error_code ec;
  const fs::path here = fs::current_path(ec);
  return ec ? std::string(".") : here.string();
}

}  // namespace

FolderChoice ChooseFolder(const std::string& dirOption, bool init, bool needsConfigFile) {
  const std::string current = ".";
  std::error_code ec;
  if (!dirOption.empty()) {
    // A --dir that is no folder is said by the verb, as it always was.
    if (init || !needsConfigFile || !fs::is_directory(dirOption, ec) || HoldsConfigFile(dirOption))
      return {dirOption, {}, ""};
    return {dirOption, "tarvoini: no TARVO.INI in " + dirOption + "; --init starts a new station folder there", ""};
  }
  if (init || HoldsConfigFile(current)) return {current, {}, "the current folder"};
  if (const std::optional<std::string> above = FoundAbove()) return {*above, {}, "found above the current folder"};
  const std::string memoryFile = RememberedFolderFile();
  const std::optional<std::string> remembered = ReadRememberedFolder(memoryFile);
  const std::string dir = remembered ? *remembered : current;
  const std::string origin = remembered ? "remembered by trvcfg" : "the current folder";
  const bool isFolder = fs::is_directory(dir, ec);
  if (!needsConfigFile || (!isFolder && !remembered) || HoldsConfigFile(dir)) return {dir, {}, origin};

  const std::string rememberedIn = " (the folder remembered in " + memoryFile + ")";
  if (!isFolder) return {dir, "tarvoini: no such directory: " + dir + rememberedIn, origin};
  const std::string otherWays = "; --dir DIR names Tarvo's program folder, --init starts a new station folder in ";
  if (remembered)
    return {dir, "tarvoini: no TARVO.INI in " + dir + rememberedIn + otherWays + "the current folder", origin};
  return {dir,
          "tarvoini: no TARVO.INI in the current folder " + CurrentFolder() + ", nor above it," +
              (memoryFile.empty() ? "" : " and no folder remembered in " + memoryFile) + otherWays + "it",
          origin};
}

std::string StationLine(const FolderChoice& folder) {
  const std::string shown = folder.dir == "." ? CurrentFolder() : folder.dir;
  return "tarvoini: station " + shown + " (" + folder.origin + ")";
}

}  // namespace trv
