// LD_PRELOAD shim: read() of the file named by $TRV_EIO_FILE (its canonical path) fails with
// EIO once 64 KiB of it have been read, as flaky disks and network mounts do.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
