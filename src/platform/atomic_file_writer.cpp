#include "platform/atomic_file_writer.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/checked_swap.h"
#include "platform/temporary_files.h"
#include "platform/unique_fd.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

WriteResult Refused(int error) { return WriteResult{WriteResult::Outcome::Refused, error}; }
WriteResult Changed() { return WriteResult{WriteResult::Outcome::FileChanged, 0}; }
WriteResult Written() { return WriteResult{}; }
WriteResult Unsupported() { return WriteResult{WriteResult::Outcome::Unsupported, 0}; }

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Gathers small pieces into writes of 64 KB; a large piece is written as it is.
class BufferedFd {
 public:
  explicit BufferedFd(int fd) : fd_(fd) { buffer_.reserve(kSize); }
  bool Put(std::string_view piece) {
    if (buffer_.size() + piece.size() <= kSize) {
      buffer_ += piece;
      return true;
    }
    if (!Flush()) return false;
    if (piece.size() >= kSize) return WriteAll(fd_, piece);
    buffer_ += piece;
    return true;
  }
  bool Flush() {
    const bool ok = WriteAll(fd_, buffer_);
    buffer_.clear();
    return ok;
  }

 private:
  static constexpr std::size_t kSize = 65536;
  int fd_;
  std::string buffer_;
};

BytesSource BytesOf(std::string_view bytes) {
  return [bytes](const BytesSink& put) { return put(bytes); };
}

}  // namespace

std::string FileBehindLinks(const std::string& hostPath) {
  fs::path current = hostPath;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(current, ec)) return current.string();
    const fs::path target = fs::read_symlink(current, ec);
    if (ec) return current.string();
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return current.string();
}

namespace {

fs::path ResolveTarget(const fs::path& path) { return FileBehindLinks(path.string()); }

void SyncDirectory(const fs::path& dir) {
  UniqueFd fd(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

// Writes the new file's bytes, mode and owner and flushes it; errno is set on failure.
bool FillNewFile(UniqueFd& fd, const BytesSource& bytes, const struct stat* old) {
  BufferedFd out(fd.get());
  bool ok = bytes([&out](std::string_view piece) { return out.Put(piece); }) && out.Flush() &&
            ::fchmod(fd.get(), old != nullptr ? (old->st_mode & 07777) : NewFileMode()) == 0;
  if (ok && old != nullptr && (old->st_uid != ::geteuid() || old->st_gid != ::getegid()))
    (void)::fchown(fd.get(), old->st_uid, old->st_gid);
  ok = ok && ::fsync(fd.get()) == 0;
  const int error = errno;
  ok = fd.Close() && ok;
  if (!ok && error != 0) errno = error;
  return ok;
}

}  // namespace

WriteResult AtomicFileWriter::Replace(const std::string& hostPath, std::string_view bytes, std::string_view previous,
                                      const FileIdentity& read) {
  return ReplaceFrom(hostPath, BytesOf(bytes), previous, read);
}

WriteResult AtomicFileWriter::ReplaceFrom(const std::string& hostPath, const BytesSource& bytes,
                                          std::string_view previous, const FileIdentity& read) {
  const fs::path target = ResolveTarget(hostPath);
  const fs::path dir = target.parent_path();
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return Changed();  // read as a file, now something else

  std::string temp;
  UniqueFd fd(MakeHeldTemporary(target.string(), temp));
  if (fd.get() < 0) return Refused(errno);  // never rewritten in place: a kill would leave it cut
  bool filled = false;
  try {
    filled = FillNewFile(fd, bytes, exists ? &old : nullptr);
  } catch (...) {  // the source could not make its pieces
    ::unlink(temp.c_str());
    throw;
  }
  if (!filled) {
    const int error = errno;
    ::unlink(temp.c_str());
    return Refused(error);
  }
  if (!HoldsTheFileRead(target.string(), previous, read)) {  // caught early: no swap needed to see it
    ::unlink(temp.c_str());
    return Changed();
  }
  const WriteResult placed = read.exists ? SwapInChecked(temp, target.string(), previous, read, beforeSwap_)
                                         : PlaceNew(temp, target.string(), beforeSwap_);
  if (placed.outcome == WriteResult::Outcome::Written) SyncDirectory(dir);
  return placed;
}

WriteResult AtomicFileWriter::Exchange(const std::string& hostPath, const std::string& otherPath,
                                       std::string_view previous, const FileIdentity& read) {
  const fs::path target = ResolveTarget(hostPath);
  struct stat old {};
  if (::stat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return Changed();
  struct stat other {};
  if (::lstat(otherPath.c_str(), &other) != 0 || !S_ISREG(other.st_mode)) return Unsupported();
  if (!HoldsTheFileRead(target.string(), previous, read)) return Changed();
  // The other file takes the permissions the file has before the two swap: a kill between
  // them leaves no file with the other's permissions.
  const mode_t mode = old.st_mode & 07777, otherMode = other.st_mode & 07777;
  if (mode != otherMode && ::chmod(otherPath.c_str(), mode) != 0) return Refused(errno);
  if (::renameat2(AT_FDCWD, target.c_str(), AT_FDCWD, otherPath.c_str(), RENAME_EXCHANGE) != 0) {
    const int error = errno;
    if (mode != otherMode) ::chmod(otherPath.c_str(), otherMode);
    return error == EINVAL || error == ENOSYS || error == EXDEV || error == ENOTSUP || error == EOPNOTSUPP
               ? Unsupported()
               : Refused(error);
  }
  SyncDirectory(target.parent_path());
  SyncDirectory(fs::path(otherPath).parent_path());
  return Written();
}

WriteResult FileWriter::Exchange(const std::string&, const std::string&, std::string_view, const FileIdentity&) {
  return Unsupported();
}

WriteResult FileWriter::ReplaceFrom(const std::string& hostPath, const BytesSource& bytes, std::string_view previous,
                                    const FileIdentity& read) {
  std::string gathered;
  bytes([&gathered](std::string_view piece) {
    gathered += piece;
    return true;
  });
  return Replace(hostPath, gathered, previous, read);
}

WriteResult FileWriter::WriteCopy(const std::string& hostPath, std::string_view bytes, const std::string& like) {
  return WriteNewFile(hostPath, bytes, like);
}

WriteResult WriteNewFile(const std::string& hostPath, std::string_view bytes, const std::string& like) {
  const fs::path target(hostPath);
  struct stat likeStat {};
  const bool hasLike = ::stat(like.c_str(), &likeStat) == 0;
  std::string temp;
  UniqueFd fd(MakeHeldTemporary(hostPath, temp));
  if (fd.get() < 0) return Refused(errno);
  if (!FillNewFile(fd, BytesOf(bytes), hasLike ? &likeStat : nullptr) || ::rename(temp.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return Refused(error);
  }
  SyncDirectory(target.parent_path());
  return Written();
}

bool RenameFlushed(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return false;
  SyncDirectory(fs::path(to).parent_path());
  return true;
}

FileWriter& DefaultFileWriter() {
  static AtomicFileWriter writer;
  return writer;
}

}  // namespace trv
