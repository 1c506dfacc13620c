// LD_PRELOAD shim for the end-to-end tests: read() of the file named by $TRV_EIO_FILE (its
// canonical path) fails with EIO once 64 KiB of it have been read, as flaky disks and network
// mounts do; with $TRV_SLOW_FSYNC_MS the first fsync() takes that long, which holds a save
// between its read and its rename while another program writes. $TRV_KILL_AT ("rename:N" or
// "write:N") kills the process before its N-th rename or write, as a crash or kill -9 does;
// with $TRV_NO_EXCHANGE the file system cannot swap two names in one step.
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
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

// Kills the process before the N-th call of `what` when $TRV_KILL_AT says so.
void MaybeKilledBefore(const char* what) {
  static int renames = 0, writes = 0;
  const char* at = std::getenv("TRV_KILL_AT");
  if (at == nullptr) return;
  const std::size_t length = std::strlen(what);
  if (std::strncmp(at, what, length) != 0 || at[length] != ':') return;
  int& count = what[0] == 'r' ? renames : writes;
  if (++count == std::atoi(at + length + 1)) ::raise(SIGKILL);
}

}  // namespace

extern "C" int rename(const char* from, const char* to) {
  using RenameFunction = int (*)(const char*, const char*);
  static const auto real = reinterpret_cast<RenameFunction>(::dlsym(RTLD_NEXT, "rename"));
  MaybeKilledBefore("rename");
  return real(from, to);
}

extern "C" int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
  using Renameat2Function = int (*)(int, const char*, int, const char*, unsigned);
  static const auto real = reinterpret_cast<Renameat2Function>(::dlsym(RTLD_NEXT, "renameat2"));
  if ((flags & RENAME_EXCHANGE) != 0 && std::getenv("TRV_NO_EXCHANGE") != nullptr) {
    errno = EINVAL;
    return -1;
  }
  MaybeKilledBefore("rename");
  return real(fromDir, from, toDir, to, flags);
}

extern "C" ssize_t write(int fd, const void* buffer, size_t count) {
  using WriteFunction = ssize_t (*)(int, const void*, size_t);
  static const auto real = reinterpret_cast<WriteFunction>(::dlsym(RTLD_NEXT, "write"));
  if (fd > 2) MaybeKilledBefore("write");
  return real(fd, buffer, count);
}

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
