#include "platform/checked_swap.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/folder_entries.h"
#include "platform/temporary_files.h"
#include "platform/unique_fd.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

constexpr std::string_view kDisplaced = ".displaced";

WriteResult Refused(int error) { return WriteResult{WriteResult::Outcome::Refused, error}; }
WriteResult Changed() { return WriteResult{WriteResult::Outcome::FileChanged, 0}; }
WriteResult Written() { return WriteResult{}; }

// The errors of a file system that cannot swap two names (or keep a name from being replaced).
bool NoSwapHere(int error) { return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP; }

int Rename2(const std::string& from, const std::string& to, unsigned flags) {
  return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), flags);
}

bool SameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

// The same file, unchanged; without the change time when `renamed`.
bool SameState(const FileIdentity& now, const FileIdentity& read, bool renamed) {
  if (!renamed) return now == read;
  return now.exists == read.exists && now.device == read.device && now.inode == read.inode && now.size == read.size &&
         SameTime(now.modified, read.modified);
}

// What the name itself holds, without following a symlink: a link is no file read.
FileIdentity IdentityOfName(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? IdentityOfStat(st) : FileIdentity{};
}

bool SameBytes(const std::string& path, std::string_view previous) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return false;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return previous.empty();
    const std::string_view piece(buffer, static_cast<std::size_t>(n));
    if (!previous.starts_with(piece)) return false;
    previous.remove_prefix(piece.size());
  }
}

// Gives the new file `temp` a second name, a free displaced name, where it waits for the swap;
// that name, or empty with errno set. Where the file system has no hard links, the new file
// is moved there instead.
std::string WaitingName(const std::string& temp, const std::string& target) {
  for (int number = 1; number <= kDisplacedNames; ++number) {
    const std::string name = DisplacedNameOf(target, number);
    if (::link(temp.c_str(), name.c_str()) == 0) return name;
    if (errno == EEXIST) continue;
    if (Rename2(temp, name, RENAME_NOREPLACE) == 0) return name;
    if (errno != EEXIST) return {};
  }
  errno = EEXIST;  // every name is kept from killed runs
  return {};
}

// Where no swap can be made: the check made just before is the last.
WriteResult RenameOver(const std::string& from, const std::string& target, const std::function<void()>& beforeSwap) {
  if (beforeSwap) beforeSwap();
  if (::rename(from.c_str(), target.c_str()) == 0) return Written();
  const int error = errno;
  ::unlink(from.c_str());
  return Refused(error);
}

void RemoveBoth(const std::string& a, const std::string& b) {
  ::unlink(a.c_str());
  ::unlink(b.c_str());
}

}  // namespace

std::string DisplacedNameOf(const std::string& hostPath, int number) {
  const fs::path path(hostPath);
  std::string name = "." + path.filename().string() + std::string(kDisplaced);
  if (number > 1) name += "." + std::to_string(number);
  return (path.parent_path() / name).string();
}

bool IsDisplacedOf(const std::string& entry, const std::string& name) {
  for (int number = 1; number <= kDisplacedNames; ++number)
    if (entry == fs::path(DisplacedNameOf(name, number)).filename().string()) return true;
  return false;
}

namespace {

// Whether the displaced name `displaced` holds a new file that never took the file's place: it
// is also one of the temporary files of `name` in `dir` (a run was killed before its swap).
bool OwnDisplacedFile(const std::string& dir, const std::string& displaced, const std::string& name) {
  struct stat kept {};
  if (::lstat(displaced.c_str(), &kept) != 0 || !S_ISREG(kept.st_mode) || kept.st_nlink < 2) return false;
  const FolderEntries entries = ListFolder(dir);
  for (const std::string& entry : entries.names) {
    struct stat temp {};
    if (IsTemporaryOf(entry, name) && ::lstat((fs::path(dir) / entry).c_str(), &temp) == 0 &&
        temp.st_dev == kept.st_dev && temp.st_ino == kept.st_ino)
      return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> SortOutDisplacedFiles(const std::string& hostFile) {
  const fs::path file(hostFile);
  const std::string dir = file.parent_path().empty() ? "." : file.parent_path().string();
  const std::string name = file.filename().string();
  std::vector<std::string> kept;
  for (const std::string& entry : ListFolder(dir).names) {
    if (!IsDisplacedOf(entry, name)) continue;
    const std::string path = (fs::path(dir) / entry).string();
    if (OwnDisplacedFile(dir, path, name))
      ::unlink(path.c_str());
    else
      kept.push_back(path);
  }
  return kept;
}

bool HoldsTheFileRead(const std::string& path, std::string_view previous, const FileIdentity& read, bool renamed) {
  const FileIdentity now = renamed ? IdentityOfName(path) : IdentityOf(path);
  if (!SameState(now, read, renamed)) return false;
  return !read.exists || SameBytes(path, previous);
}

WriteResult SwapInChecked(const std::string& temp, const std::string& target, std::string_view previous,
                          const FileIdentity& read, const std::function<void()>& beforeSwap) {
  const std::string waiting = WaitingName(temp, target);
  if (waiting.empty()) {
    const int error = errno;
    if (NoSwapHere(error)) return RenameOver(temp, target, beforeSwap);
    ::unlink(temp.c_str());
    return Refused(error);
  }
  if (beforeSwap) beforeSwap();
  if (Rename2(waiting, target, RENAME_EXCHANGE) != 0) {
    const int error = errno;
    if (!NoSwapHere(error)) {
      RemoveBoth(waiting, temp);
      return Refused(error);
    }
    if (::access(temp.c_str(), F_OK) != 0) return RenameOver(waiting, target, {});  // moved there: no link
    ::unlink(waiting.c_str());  // the second name first: a kill leaves only the temporary file
    return RenameOver(temp, target, {});
  }
  // `waiting` now names what was the file.
  if (HoldsTheFileRead(waiting, previous, read, true)) {
    RemoveBoth(waiting, temp);
    return Written();
  }
  // Another program's file: back to its name; the new one goes.
  if (Rename2(waiting, target, RENAME_EXCHANGE) != 0) {
    const int error = errno;  // theirs stays under the displaced name, which the next run reports
    ::unlink(temp.c_str());
    return Refused(error);
  }
  RemoveBoth(waiting, temp);
  return Changed();
}

WriteResult PlaceNew(const std::string& temp, const std::string& target, const std::function<void()>& beforeSwap) {
  if (beforeSwap) beforeSwap();
  if (Rename2(temp, target, RENAME_NOREPLACE) == 0) return Written();
  const int error = errno;
  if (NoSwapHere(error)) return RenameOver(temp, target, {});
  ::unlink(temp.c_str());
  return error == EEXIST ? Changed() : Refused(error);
}

}  // namespace trv
