#include "platform/temporary_files.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>

#include "platform/folder_entries.h"
#include "platform/unique_fd.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

constexpr std::string_view kSuffix = "XXXXXX";  // mkstemp's
constexpr int kAttempts = 8;

std::string PrefixOf(const std::string& name) { return "." + name + "."; }

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Removes the file when nobody holds it; the lock taken here keeps a writer that made it just
// now from using it (that writer finds its name gone and makes another).
void RemoveIfUnheld(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat held {};
  if (fd.get() < 0 || ::fstat(fd.get(), &held) != 0 || !S_ISREG(held.st_mode)) return;
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return;  // its writer is at work
  struct stat named {};
  if (::lstat(path.c_str(), &named) == 0 && SameFile(named, held)) ::unlink(path.c_str());
}

}  // namespace

std::string TemporaryPatternFor(const std::string& hostPath) {
  const fs::path path(hostPath);
  return (path.parent_path() / (PrefixOf(path.filename().string()) + std::string(kSuffix))).string();
}

bool IsTemporaryOf(const std::string& entry, const std::string& name) {
  const std::string prefix = PrefixOf(name);
  if (entry.size() != prefix.size() + kSuffix.size() || entry.compare(0, prefix.size(), prefix) != 0) return false;
  return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(),
                     [](unsigned char c) { return std::isalnum(c) != 0; });
}

int MakeHeldTemporary(const std::string& hostPath, std::string& temp) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    temp = TemporaryPatternFor(hostPath);
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    // Where the file system has no locks the file is used unheld, as before there were holds.
    const bool taken = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool noLocks = !taken && errno != EWOULDBLOCK && errno != EINTR;
    struct stat opened {
    }, named{};
    if ((taken || noLocks) && ::fstat(fd, &opened) == 0 && ::lstat(temp.c_str(), &named) == 0 &&
        SameFile(opened, named))
      return fd;
    ::close(fd);  // a sweep took it the moment it was made, and removes it
  }
  errno = EAGAIN;
  return -1;
}

int RemoveUnheldTemporaries(const std::string& hostDir, const std::vector<std::string>& names) {
  const FolderEntries entries = ListFolder(hostDir);
  if (entries.error != 0) return entries.error;
  for (const std::string& entry : entries.names)
    if (std::any_of(names.begin(), names.end(), [&](const std::string& name) { return IsTemporaryOf(entry, name); }))
      RemoveIfUnheld((fs::path(hostDir.empty() ? "." : hostDir) / entry).string());
  return 0;
}

}  // namespace trv
