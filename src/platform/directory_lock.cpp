#include "platform/directory_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <mutex>

namespace trv {
namespace {

struct HeldLock {
  int fd;
  int users;
};

std::mutex& RegistryMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<std::string, HeldLock>& Registry() {
  static std::map<std::string, HeldLock> locks;
  return locks;
}

}  // namespace

DirectoryLock::DirectoryLock(std::string hostDir) : dir_(std::move(hostDir)) {
  std::lock_guard guard(RegistryMutex());
  auto& locks = Registry();
  if (auto it = locks.find(dir_); it != locks.end()) {
    ++it->second.users;
    held_ = true;
    return;
  }
  const int fd = ::open(dir_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  int result;
  do {
    result = ::flock(fd, LOCK_EX);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    ::close(fd);
    return;
  }
  locks.emplace(dir_, HeldLock{fd, 1});
  held_ = true;
}

DirectoryLock::~DirectoryLock() {
  if (!held_) return;
  std::lock_guard guard(RegistryMutex());
  auto& locks = Registry();
  auto it = locks.find(dir_);
  if (it == locks.end() || --it->second.users > 0) return;
  ::close(it->second.fd);  // closing releases the lock
  locks.erase(it);
}

std::string LockDirectoryOf(const std::string& hostPath) {
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(hostPath, ec);
  const std::filesystem::path dir = (ec ? std::filesystem::path(hostPath) : absolute).parent_path();
  return dir.empty() ? std::string(".") : dir.lexically_normal().string();
}

}  // namespace trv
