// LD_PRELOAD shim for the end-to-end tests: read() of the file named by $TRV_EIO_FILE (its
// canonical path) fails with EIO once 64 KiB of it have been read, as flaky disks and network
// mounts do; with $TRV_SLOW_FSYNC_MS the first fsync() takes that long, which holds a save
// between its read and its rename while another program writes.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

bool IsTheFailingFile(int fd) {
  const char* target = std::getenv("TRV_EIO_FILE");
  if (target == nullptr) return false;
  char link[64];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  char path[PATH_MAX];
  const ssize_t n = ::readlink(link, path, sizeof path - 1);
  if (n <= 0) return false;
  path[n] = '\0';
  return std::strcmp(path, target) == 0;
}

}  // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t count) {
  using ReadFunction = ssize_t (*)(int, void*, size_t);
  static const auto real = reinterpret_cast<ReadFunction>(::dlsym(RTLD_NEXT, "read"));
  if (IsTheFailingFile(fd) && ::lseek(fd, 0, SEEK_CUR) >= 65536) {
    errno = EIO;
    return -1;
  }
  return real(fd, buffer, count);
}

extern "C" int fsync(int fd) {
  using FsyncFunction = int (*)(int);
  static const auto real = reinterpret_cast<FsyncFunction>(::dlsym(RTLD_NEXT, "fsync"));
  static bool slowed = false;  // only the first: the save that meets the other writer
  if (const char* ms = std::getenv("TRV_SLOW_FSYNC_MS"); ms != nullptr && !slowed) {
    slowed = true;
    const long delay = std::atol(ms);
    const timespec pause{delay / 1000, (delay % 1000) * 1'000'000};
    ::nanosleep(&pause, nullptr);
  }
  return real(fd);
}
