#pragma once
// An advisory lock (flock) on a directory that already exists, so that taking it never adds
// a file to the directory. Our processes hold it from reading TARVO.INI to renaming the new
// file over it, which serialises their operations. Within one process the lock is shared:
// an operation may run while another on the same directory is open.
#include <string>

namespace trv {

class DirectoryLock {
 public:
  // Waits until the lock is held. A directory that cannot be opened is not locked (writing
  // into it fails anyway).
  explicit DirectoryLock(std::string hostDir);
  ~DirectoryLock();
  DirectoryLock(const DirectoryLock&) = delete;
  DirectoryLock& operator=(const DirectoryLock&) = delete;

  bool Held() const { return held_; }

 private:
  std::string dir_;
  bool held_ = false;
};

// The directory whose lock guards a file: the directory the path names it in (a symlink
// is not followed, so every process that uses the same path takes the same lock).
std::string LockDirectoryOf(const std::string& hostPath);

}  // namespace trv
