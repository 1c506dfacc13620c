#pragma once
// An advisory lock (flock) on a directory that already exists, so that taking it never adds
// a file to the directory. Our processes hold it from reading TARVO.INI to renaming the new
// file over it, which serialises their operations. Within one process the lock is shared:
// an operation may run while another on the same directory is open.
#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>

namespace trv {

// A lock that another process holds is waited for; whoever waits is told.
struct LockWaiting {
  std::string dir;                   // the host directory
  std::chrono::milliseconds waited;  // so far
  std::chrono::milliseconds limit;   // the wait ends then
  bool over = false;                 // the wait has ended, with or without the lock
};
// Called after the first second of waiting and then at every look at the lock (some twenty
// times a second); returning false gives up. Once the wait ends (after at least one call),
// it is called once more with `over`.
using LockWaitNotice = std::function<bool(const LockWaiting&)>;

inline constexpr std::chrono::milliseconds kLockWaitLimit{10000};
inline constexpr std::chrono::milliseconds kLockWaitQuiet{1000};

// The lock could not be taken: another process held it too long, the wait was given up, or
// the directory cannot be locked at all. Nothing was read or written.
class DirectoryLockError : public std::runtime_error {
 public:
  DirectoryLockError(std::string dir, const std::string& cause, int openError = 0)
      : std::runtime_error(cause), dir_(std::move(dir)), openError_(openError) {}
  const std::string& Dir() const { return dir_; }
  // The errno of a directory that could not be opened (EACCES, EIO): it cannot be read
  // either. 0 when it was opened and the lock itself was not to be had.
  int OpenError() const { return openError_; }

 private:
  std::string dir_;
  int openError_;
};

class DirectoryLock {
 public:
  // Waits until the lock is held, at most `limit`; throws DirectoryLockError when it cannot
  // be taken. A directory that does not exist is not locked (writing into it fails anyway).
  explicit DirectoryLock(std::string hostDir, const LockWaitNotice& notice = {},
                         std::chrono::milliseconds limit = kLockWaitLimit);
  ~DirectoryLock();
  DirectoryLock(const DirectoryLock&) = delete;
  DirectoryLock& operator=(const DirectoryLock&) = delete;

 private:
  // True when the lock is held now, by this process or by taking it without waiting.
  bool TryTake(int fd);

  std::string dir_;
  bool held_ = false;
};

// The directory whose lock guards a file: the directory the path names it in (a symlink
// is not followed, so every process that uses the same path takes the same lock).
std::string LockDirectoryOf(const std::string& hostPath);

}  // namespace trv
