#include "platform/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "platform/unique_fd.h"

namespace trv {
namespace {

constexpr int kReadAttempts = 4;

FileContents Failure(FileContents::State state, int error = 0) {
  FileContents contents;
  contents.state = state;
  contents.error = error;
  return contents;
}

// Reads to the end of the file; false with errno set on a read error or past `limit` bytes.
bool ReadToEnd(int fd, std::string& bytes, std::size_t limit) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (static_cast<std::size_t>(n) > limit - bytes.size()) {
      errno = EFBIG;
      return false;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

FileContents ReadOnce(const std::string& hostPath, std::size_t limit) {
  struct stat st {};
  if (::stat(hostPath.c_str(), &st) != 0)
    return errno == ENOENT ? Failure(FileContents::State::Missing) : Failure(FileContents::State::Failed, errno);
  if (!S_ISREG(st.st_mode)) return Failure(FileContents::State::NotRegular);
  UniqueFd fd(::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0)
    return errno == ENOENT ? Failure(FileContents::State::Missing) : Failure(FileContents::State::Failed, errno);
  if (::fstat(fd.get(), &st) != 0) return Failure(FileContents::State::Failed, errno);
  if (!S_ISREG(st.st_mode)) return Failure(FileContents::State::NotRegular);
  FileContents contents;
  contents.state = FileContents::State::Read;
  contents.identity = IdentityOfStat(st);
  if (static_cast<std::size_t>(st.st_size) > limit) return Failure(FileContents::State::Failed, EFBIG);
  contents.bytes.reserve(static_cast<std::size_t>(st.st_size));  // read into one buffer, never grown by copying
  if (!ReadToEnd(fd.get(), contents.bytes, limit)) return Failure(FileContents::State::Failed, errno);
  return contents;
}

}  // namespace

FileContents HostFileReader::Read(const std::string& hostPath) { return ReadRegularFile(hostPath); }

FileContents ReadRegularFile(const std::string& hostPath, std::size_t limit) {
  if (hostPath.empty()) return Failure(FileContents::State::Missing);  // on no drive of this machine
  FileContents contents;
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    contents = ReadOnce(hostPath, limit);
    if (contents.state != FileContents::State::Read) return contents;
    if (IdentityOf(hostPath) == contents.identity) return contents;  // nobody wrote while we read
  }
  return contents;  // still changing: a write checks the identity again before it replaces anything
}

FileReader& DefaultFileReader() {
  static HostFileReader reader;
  return reader;
}

}  // namespace trv
