#pragma once
// The lock on the folder of a file the store is about to read and write (DirectoryLock),
// with the store's error when it cannot be taken.
#include <memory>
#include <string>

#include "platform/directory_lock.h"

namespace trv {

// Throws FolderLockError, naming the folder and why, when the lock cannot be taken.
std::unique_ptr<DirectoryLock> LockFolderOf(const std::string& hostFile, const LockWaitNotice& notice);

}  // namespace trv
