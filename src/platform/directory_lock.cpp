#include "platform/directory_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "platform/system_reason.h"

namespace trv {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kLongestPause{50};

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

std::string Seconds(milliseconds time) { return std::to_string((time.count() + 500) / 1000); }

// Tells `notice` how the wait goes, once it has started telling; false when it gives up.
class WaitReport {
 public:
  WaitReport(const std::string& dir, const LockWaitNotice& notice, milliseconds limit)
      : dir_(dir), notice_(notice), limit_(limit), start_(std::chrono::steady_clock::now()) {}
  ~WaitReport() {
    if (told_) notice_(LockWaiting{dir_, Waited(), limit_, true});
  }
  WaitReport(const WaitReport&) = delete;
  WaitReport& operator=(const WaitReport&) = delete;

  milliseconds Waited() const {
    return std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start_);
  }
  bool GoOn() {
    if (!notice_ || Waited() < kLockWaitQuiet) return true;
    told_ = true;
    return notice_(LockWaiting{dir_, Waited(), limit_, false});
  }

 private:
  const std::string& dir_;
  const LockWaitNotice& notice_;
  milliseconds limit_;
  std::chrono::steady_clock::time_point start_;
  bool told_ = false;
};

}  // namespace

// The registry is looked at again on every round, so that an operation of this process that
// takes the lock meanwhile shares it rather than waiting for itself.
DirectoryLock::DirectoryLock(std::string hostDir, const LockWaitNotice& notice, milliseconds limit)
    : dir_(std::move(hostDir)) {
  const int fd = ::open(dir_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) return;  // nothing to guard: writing fails anyway
  if (fd < 0) {
    const int error = errno;
    throw DirectoryLockError(dir_, "The folder " + dir_ + " cannot be locked: " + SystemReason(error), error);
  }
  WaitReport report(dir_, notice, limit);
  for (milliseconds pause{1};; pause = std::min(pause * 2, kLongestPause)) {
    try {
      if ((held_ = TryTake(fd))) return;
    } catch (...) {
      ::close(fd);
      throw;
    }
    const bool timedOut = report.Waited() >= limit;
    if (timedOut || !report.GoOn()) {
      ::close(fd);
      throw DirectoryLockError(
          dir_, "The folder " + dir_ + " is locked by another program; " +
                    (timedOut ? "gave up after waiting " + Seconds(limit) + " seconds" : "the wait was cancelled"));
    }
    std::this_thread::sleep_for(pause);
  }
}

bool DirectoryLock::TryTake(int fd) {
  std::lock_guard guard(RegistryMutex());
  auto& locks = Registry();
  if (auto it = locks.find(dir_); it != locks.end()) {
    ++it->second.users;
    ::close(fd);
    return true;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    locks.emplace(dir_, HeldLock{fd, 1});
    return true;
  }
  if (errno == EWOULDBLOCK || errno == EINTR) return false;
  throw DirectoryLockError(dir_, "The folder " + dir_ + " cannot be locked: " + SystemReason(errno));
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
