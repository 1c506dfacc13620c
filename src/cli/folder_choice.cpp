#include <filesystem>
#include <system_error>

#include "cli/commands.h"
#include "platform/folder_entries.h"
#include "platform/host_files.h"
#include "platform/remembered_folder.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

// An entry named TARVO.INI in any letter case, whatever it is: the store says what is wrong
// with one that is no regular file. A folder that cannot be listed counts as holding it, so
// that the store reports the folder's error rather than a missing file.
bool HoldsConfigFile(const std::string& dir) {
  const FolderEntries entries = ListFolder(dir);
  if (entries.error != 0) return true;
  for (const std::string& name : entries.names)
    if (MatchesMask(name, "TARVO.INI")) return true;
  return false;
}

}  // namespace

FolderChoice ChooseFolder(const std::string& dirOption, bool init, bool needsConfigFile) {
  const std::string current = ".";
  const std::string memoryFile = RememberedFolderFile();
  std::optional<std::string> remembered;
  if (dirOption.empty() && !init && !HoldsConfigFile(current)) remembered = ReadRememberedFolder(memoryFile);
  const std::string dir = !dirOption.empty() ? dirOption : remembered ? *remembered : current;
  std::error_code ec;
  const bool isFolder = fs::is_directory(dir, ec);
  // A --dir that is no folder is said by the verb, as it always was.
  if (init || !needsConfigFile || (!isFolder && !remembered) || HoldsConfigFile(dir)) return {dir, {}};

  const std::string rememberedIn = " (the folder remembered in " + memoryFile + ")";
  if (!isFolder) return {dir, "tarvoini: no such directory: " + dir + rememberedIn};
  if (!dirOption.empty())
    return {dir, "tarvoini: no TARVO.INI in " + dir + "; --init starts a new station folder there"};
  const std::string otherWays = "; --dir DIR names Tarvo's program folder, --init starts a new station folder in ";
  if (remembered) return {dir, "tarvoini: no TARVO.INI in " + dir + rememberedIn + otherWays + "the current folder"};
  const std::string here = fs::current_path(ec).string();
  return {dir, "tarvoini: no TARVO.INI in the current folder " + here +
                   (memoryFile.empty() ? "" : " and no folder remembered in " + memoryFile) + otherWays + "it"};
}

}  // namespace trv
