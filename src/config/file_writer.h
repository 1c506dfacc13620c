#pragma once
// How a changed INI file reaches the disk.
#include <string>
#include <string_view>

namespace trv {

class FileWriter {
 public:
  virtual ~FileWriter() = default;
  // Replaces the file's contents with `bytes`; `previous` is what the file held when it was
  // read. Returns false, with the file as it was, when the file system refuses.
  virtual bool Replace(const std::string& hostPath, std::string_view bytes, std::string_view previous) = 0;
};

// Writes a new file beside the old one, flushes it and renames it over the old one, then
// flushes the directory. A symlink is updated at its target; permissions are kept. Where no
// new file can be made beside the old one, writes in place.
class AtomicFileWriter : public FileWriter {
 public:
  bool Replace(const std::string& hostPath, std::string_view bytes, std::string_view previous) override;
};

FileWriter& DefaultFileWriter();

}  // namespace trv
