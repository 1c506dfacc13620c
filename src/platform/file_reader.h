#pragma once
// How the INI file is read from disk. The whole file is read in one go; a read error part
// way through is a failure, never a shorter file.
#include <cstddef>
#include <limits>
#include <string>

#include "platform/file_identity.h"

namespace trv {

struct FileContents {
  enum class State { Read, Missing, NotRegular, Failed };
  State state = State::Missing;
  std::string bytes;
  FileIdentity identity;  // of the file as it was read
  int error = 0;          // errno of a failure
};

class FileReader {
 public:
  virtual ~FileReader() = default;
  virtual FileContents Read(const std::string& hostPath) = 0;
};

// Reads through the host file system. Anything that is not a regular file after following
// symlinks (a device, a FIFO, a directory) is refused without being opened for reading
// beyond a non-blocking open; a file that changes while it is read is read again.
class HostFileReader : public FileReader {
 public:
  FileContents Read(const std::string& hostPath) override;
};

FileReader& DefaultFileReader();
// The reader given, or the disk's when none is: where a caller's choice of reader is made.
inline FileReader& ReaderOrDefault(FileReader* reader) { return reader != nullptr ? *reader : DefaultFileReader(); }

// What HostFileReader does, with a limit: a file larger than `limit` bytes fails with EFBIG
// before (or, when it grows, while) it is read.
FileContents ReadRegularFile(const std::string& hostPath, std::size_t limit = std::numeric_limits<std::size_t>::max());

}  // namespace trv
