#include "config/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace trv {
namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Follows symlinks to the file that is really written; a dangling link gives its target.
fs::path ResolveTarget(const fs::path& path) {
  fs::path current = path;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(current, ec)) return current;
    const fs::path target = fs::read_symlink(current, ec);
    if (ec) return current;
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return current;
}

void SyncDirectory(const fs::path& dir) {
  Fd fd(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY));
  if (fd.get() >= 0) ::fsync(fd.get());
}

bool WriteInPlace(const fs::path& target, std::string_view bytes, std::string_view previous) {
  Fd fd(::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
  if (fd.get() < 0) return false;
  if (WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0) return fd.Close();
  // Put the old contents back as well as we can.
  if (::ftruncate(fd.get(), 0) == 0 && ::lseek(fd.get(), 0, SEEK_SET) == 0) WriteAll(fd.get(), previous);
  return false;
}

}  // namespace

bool AtomicFileWriter::Replace(const std::string& hostPath, std::string_view bytes, std::string_view previous) {
  const fs::path target = ResolveTarget(hostPath);
  const fs::path dir = target.parent_path();
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;

  std::string temp = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  Fd fd(::mkstemp(temp.data()));
  if (fd.get() < 0) {
    const int error = errno;
    if (exists && (error == EACCES || error == EROFS || error == EPERM)) return WriteInPlace(target, bytes, previous);
    return false;
  }
  const mode_t mode = exists ? (old.st_mode & 07777) : [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
  }();
  bool ok = WriteAll(fd.get(), bytes) && ::fchmod(fd.get(), mode) == 0;
  if (ok && exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()))
    (void)::fchown(fd.get(), old.st_uid, old.st_gid);
  ok = ok && ::fsync(fd.get()) == 0;
  ok = fd.Close() && ok;
  if (ok && ::rename(temp.c_str(), target.c_str()) == 0) {
    SyncDirectory(dir);
    return true;
  }
  ::unlink(temp.c_str());
  return false;
}

FileWriter& DefaultFileWriter() {
  static AtomicFileWriter writer;
  return writer;
}

}  // namespace trv
