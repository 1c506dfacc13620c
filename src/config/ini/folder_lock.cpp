#include "config/ini/folder_lock.h"

#include <chrono>
#include <filesystem>

#include "config/ini/ini_errors.h"
#include "platform/interrupted_writes.h"

namespace trv {

std::unique_ptr<DirectoryLock> LockFolderOf(const std::string& hostFile, const LockWaitNotice& notice) {
  try {
    return std::make_unique<DirectoryLock>(LockDirectoryOf(hostFile), notice);
  } catch (const DirectoryLockError& e) {
    if (e.OpenError() != 0) throw IniReadError(e.Dir(), SystemReason(e.OpenError()));  // as every reader says
    throw FolderLockError(e.what());
  }
}

namespace {

void TellKept(const Tidied& tidied, const KeptFileNotice& kept) {
  if (kept)
    for (const std::string& path : tidied.kept) kept(path);
}

}  // namespace

void TidyBeforeWriting(const std::string& hostFile, const std::string& shownFile, const KeptFileNotice& kept) {
  const Tidied tidied = TidyAfterInterruptedRuns(hostFile);
  TellKept(tidied, kept);
  if (tidied.error == 0) return;
  // The file's own folder by the name the user knows; a symlink's target folder by its host path.
  const std::size_t slash = shownFile.find_last_of("\\/");
  const std::string ownDir = std::filesystem::path(hostFile).parent_path().string();
  const bool ownFolder = tidied.dir == (ownDir.empty() ? "." : ownDir);
  const std::string shown = ownFolder && slash != std::string::npos ? shownFile.substr(0, slash + 1) : tidied.dir;
  throw IniReadError(shown, SystemReason(tidied.error));
}

void TidyBeforeReading(const std::string& hostFile, const KeptFileNotice& kept) {
  try {
    const DirectoryLock lock(LockDirectoryOf(hostFile), {}, std::chrono::milliseconds(0));
    TellKept(RemoveLeftTemporaries(hostFile), kept);
  } catch (const DirectoryLockError&) {  // a writer is at work: its files are no leftovers
  }
}

}  // namespace trv
