#include "platform/folder_entries.h"

#include <dirent.h>

#include <cerrno>
#include <cstring>

namespace trv {

FolderEntries ListFolder(const std::string& hostDir) {
  FolderEntries entries;
  DIR* dir = ::opendir(hostDir.empty() ? "." : hostDir.c_str());
  if (dir == nullptr) {
    if (errno == ENOENT || errno == ENOTDIR)
      entries.missing = true;
    else
      entries.error = errno;
    return entries;
  }
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir);
    if (entry == nullptr) {
      entries.error = errno;  // 0 at the end of the folder
      break;
    }
    if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
      entries.names.emplace_back(entry->d_name);
  }
  ::closedir(dir);
  if (entries.error != 0) entries.names.clear();  // a part of the folder is no listing of it
  return entries;
}

}  // namespace trv
