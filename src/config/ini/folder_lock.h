#pragma once
// The lock on the folder of a file the store is about to read and write (DirectoryLock),
// with the store's error when it cannot be taken, and the tidying up after killed runs that
// a run does when it holds the lock.
#include <functional>
#include <memory>
#include <string>

#include "platform/directory_lock.h"

namespace trv {

// Throws FolderLockError, naming the folder and why, when the lock cannot be taken.
std::unique_ptr<DirectoryLock> LockFolderOf(const std::string& hostFile, const LockWaitNotice& notice);

// Under the lock, before a write: finishes or removes what killed runs left beside the file
// (TidyAfterInterruptedRuns). A folder that cannot be listed throws IniReadError naming it
// (`shownFile` names the file as the user knows it).
// Each displaced file kept (a killed run's, which may hold another program's write) is told to
// `kept` (may be empty), by its host path.
using KeptFileNotice = std::function<void(const std::string&)>;
void TidyBeforeWriting(const std::string& hostFile, const std::string& shownFile, const KeptFileNotice& kept = {});
// For a run that only reads: when the folder's lock is free at once, removes the temporary
// files that killed runs left (nothing else, and nothing when the folder cannot be listed).
void TidyBeforeReading(const std::string& hostFile, const KeptFileNotice& kept = {});

}  // namespace trv
