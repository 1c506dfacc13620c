// LD_PRELOAD shim for the end-to-end tests: read() of the file named by $TRV_EIO_FILE (its
// canonical path) fails with EIO once 64 KiB of it have been read, as flaky disks and network
// mounts do; with $TRV_SLOW_FSYNC_MS the first fsync() takes that long, which holds a save
// between its read and its rename while another program writes. $TRV_KILL_AT ("rename:N" or
// "write:N") kills the process before its N-th rename or write, as a crash or kill -9 does;
// with $TRV_NO_EXCHANGE the file system cannot swap two names in one step. $TRV_KILL_AT
// "chmod:N" kills before the N-th chmod(), "unlink:N" before the N-th unlink(). $TRV_LIST_FAIL
// ("open:ERRNO:DIR" or "read:ERRNO:DIR", DIR canonical) makes opendir() (and open() of it as a
// folder) or readdir() of that folder fail with that error number, as a share that refuses or
// breaks off a listing does; "stat:ERRNO:DIR" makes stat() of every entry in it fail (a folder
// that lists but cannot be searched). With $TRV_LIST_FAIL_AFTER=N the first N listings of that
// folder go through (a later look fails). $TRV_FOREIGN_RENAME ("FROM:TO") renames FROM over TO
// just before the process's first rename onto TO, as another program's save that lands at the
// last moment before ours.
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

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
  static int chmods = 0, unlinks = 0;
  int& count = what[0] == 'r' ? renames : what[0] == 'c' ? chmods : what[0] == 'u' ? unlinks : writes;
  if (++count == std::atoi(at + length + 1)) ::raise(SIGKILL);
}

// The error that $TRV_LIST_FAIL gives `step` ("open" or "read") of listing `dir`, or 0.
int ListingFault(const char* step, const char* dir) {
  const char* spec = std::getenv("TRV_LIST_FAIL");
  const std::size_t length = std::strlen(step);
  if (spec == nullptr || dir == nullptr || std::strncmp(spec, step, length) != 0 || spec[length] != ':') return 0;
  char* rest = nullptr;
  const long error = std::strtol(spec + length + 1, &rest, 10);
  if (rest == nullptr || *rest != ':') return 0;
  char resolved[PATH_MAX];
  if (::realpath(dir, resolved) == nullptr || std::strcmp(resolved, rest + 1) != 0) return 0;
  return static_cast<int>(error);
}

// Another program's rename of FROM over TO, once, when `to` is TO.
void MaybeForeignRenameBefore(const char* to) {
  static bool done = false;
  const char* spec = std::getenv("TRV_FOREIGN_RENAME");
  if (done || spec == nullptr) return;
  const char* colon = std::strchr(spec, ':');
  if (colon == nullptr || std::strcmp(colon + 1, to) != 0) return;
  done = true;
  using RenameFunction = int (*)(const char*, const char*);
  static const auto real = reinterpret_cast<RenameFunction>(::dlsym(RTLD_NEXT, "rename"));
  real(std::string(spec, static_cast<std::size_t>(colon - spec)).c_str(), to);
}

}  // namespace

extern "C" int stat(const char* path, struct stat* buffer) {
  using StatFunction = int (*)(const char*, struct stat*);
  static const auto real = reinterpret_cast<StatFunction>(::dlsym(RTLD_NEXT, "stat"));
  const char* slash = std::strrchr(path, '/');
  if (slash != nullptr && slash != path) {
    const std::string parent(path, static_cast<std::size_t>(slash - path));
    if (const int error = ListingFault("stat", parent.c_str()); error != 0) {
      errno = error;
      return -1;
    }
  }
  return real(path, buffer);
}

namespace {

// The listings spared by $TRV_LIST_FAIL_AFTER, while they are open.
DIR* spared[16];

// True for one of the first $TRV_LIST_FAIL_AFTER listings of the failing folder.
bool Spared(const char* name) {
  static int listings = 0;
  const char* after = std::getenv("TRV_LIST_FAIL_AFTER");
  if (after == nullptr) return false;
  const char* spec = std::getenv("TRV_LIST_FAIL");
  const char* dir = spec == nullptr ? nullptr : std::strrchr(spec, ':');
  char resolved[PATH_MAX];
  if (dir == nullptr || ::realpath(name, resolved) == nullptr || std::strcmp(resolved, dir + 1) != 0) return false;
  return ++listings <= std::atoi(after);
}

bool IsSpared(DIR* dir) {
  for (DIR* s : spared)
    if (s == dir && dir != nullptr) return true;
  return false;
}

}  // namespace

extern "C" DIR* opendir(const char* name) {
  using OpendirFunction = DIR* (*)(const char*);
  static const auto real = reinterpret_cast<OpendirFunction>(::dlsym(RTLD_NEXT, "opendir"));
  const int saved = errno;
  if (Spared(name)) {
    errno = saved;
    DIR* dir = real(name);
    for (DIR*& s : spared)
      if (s == nullptr) {
        s = dir;
        break;
      }
    return dir;
  }
  if (const int error = ListingFault("open", name); error != 0) {
    errno = error;
    return nullptr;
  }
  errno = saved;
  return real(name);
}

// A folder whose listing is refused at its opening cannot be opened for its lock either.
extern "C" int open(const char* path, int flags, ...) {
  using OpenFunction = int (*)(const char*, int, ...);
  static const auto real = reinterpret_cast<OpenFunction>(::dlsym(RTLD_NEXT, "open"));
  mode_t mode = 0;
  if ((flags & O_CREAT) != 0) {
    va_list args;
    va_start(args, flags);
    mode = static_cast<mode_t>(va_arg(args, int));
    va_end(args);
  }
  if ((flags & O_DIRECTORY) != 0) {
    const int saved = errno;
    if (const int error = ListingFault("open", path); error != 0) {
      errno = error;
      return -1;
    }
    errno = saved;
  }
  return real(path, flags, mode);
}

extern "C" int closedir(DIR* dir) {
  using ClosedirFunction = int (*)(DIR*);
  static const auto real = reinterpret_cast<ClosedirFunction>(::dlsym(RTLD_NEXT, "closedir"));
  for (DIR*& s : spared)
    if (s == dir) s = nullptr;
  return real(dir);
}

extern "C" struct dirent* readdir(DIR* dir) {
  using ReaddirFunction = struct dirent* (*)(DIR*);
  static const auto real = reinterpret_cast<ReaddirFunction>(::dlsym(RTLD_NEXT, "readdir"));
  const int saved = errno;  // the caller tells the end of the folder from an error by errno
  if (IsSpared(dir)) return real(dir);
  char link[64], path[PATH_MAX];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", ::dirfd(dir));
  const ssize_t n = ::readlink(link, path, sizeof path - 1);
  if (n > 0) {
    path[n] = '\0';
    if (const int error = ListingFault("read", path); error != 0) {
      errno = error;
      return nullptr;
    }
  }
  errno = saved;
  return real(dir);
}

extern "C" int chmod(const char* path, mode_t mode) {
  using ChmodFunction = int (*)(const char*, mode_t);
  static const auto real = reinterpret_cast<ChmodFunction>(::dlsym(RTLD_NEXT, "chmod"));
  MaybeKilledBefore("chmod");
  return real(path, mode);
}

extern "C" int unlink(const char* path) {
  using UnlinkFunction = int (*)(const char*);
  static const auto real = reinterpret_cast<UnlinkFunction>(::dlsym(RTLD_NEXT, "unlink"));
  MaybeKilledBefore("unlink");
  return real(path);
}

extern "C" int rename(const char* from, const char* to) {
  using RenameFunction = int (*)(const char*, const char*);
  static const auto real = reinterpret_cast<RenameFunction>(::dlsym(RTLD_NEXT, "rename"));
  MaybeKilledBefore("rename");
  MaybeForeignRenameBefore(to);
  // $TRV_RENAME_FAIL ("ERRNO:SUFFIX"): a rename of a file whose name ends so fails.
  if (const char* spec = std::getenv("TRV_RENAME_FAIL"); spec != nullptr && std::strchr(spec, ':') != nullptr) {
    const char* suffix = std::strchr(spec, ':') + 1;
    const std::size_t length = std::strlen(from), wanted = std::strlen(suffix);
    if (length >= wanted && std::strcmp(from + length - wanted, suffix) == 0) {
      errno = std::atoi(spec);
      return -1;
    }
  }
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
  MaybeForeignRenameBefore(to);
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
