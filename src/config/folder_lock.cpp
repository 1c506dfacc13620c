#include "config/folder_lock.h"

#include "config/ini_errors.h"

namespace trv {

std::unique_ptr<DirectoryLock> LockFolderOf(const std::string& hostFile, const LockWaitNotice& notice) {
  try {
    return std::make_unique<DirectoryLock>(LockDirectoryOf(hostFile), notice);
  } catch (const DirectoryLockError& e) {
    throw FolderLockError(e.what());
  }
}

}  // namespace trv
