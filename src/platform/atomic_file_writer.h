#pragma once
// How a changed INI file reaches the disk.
#include <functional>
#include <string>
#include <string_view>

#include "platform/file_identity.h"

namespace trv {

struct WriteResult {
  enum class Outcome { Written, FileChanged, Refused, Unsupported };
  Outcome outcome = Outcome::Written;
  int error = 0;  // errno of a refusal, 0 when the system gave none
};

// Contents handed over piece by piece, in order, to the function given: the source returns
// false as soon as that function does (it could not take the piece).
using BytesSink = std::function<bool(std::string_view)>;
using BytesSource = std::function<bool(const BytesSink&)>;

class FileWriter {
 public:
  virtual ~FileWriter() = default;
  // Replaces the file's contents with `bytes`. `previous` is what the file held when it was
  // read and `read` its identity then: when the file is no longer that file (another writer
  // came in between), nothing is replaced and the outcome is FileChanged. A refusal leaves
  // the file as it was.
  virtual WriteResult Replace(const std::string& hostPath, std::string_view bytes, std::string_view previous,
                              const FileIdentity& read) = 0;
  // Replace with contents that are made while they are written, so that no copy of them need
  // be held. Unless a writer says otherwise, they are gathered and handed to Replace.
  virtual WriteResult ReplaceFrom(const std::string& hostPath, const BytesSource& bytes, std::string_view previous,
                                  const FileIdentity& read);
  // Writes `bytes` as a new file with the permissions and owner of the file `like`, renamed
  // over whatever `hostPath` names (a symlink there is replaced, not followed). A refusal
  // leaves `hostPath` as it was. WriteNewFile unless a writer says otherwise.
  virtual WriteResult WriteCopy(const std::string& hostPath, std::string_view bytes, const std::string& like);
  // Swaps the file (at a symlink's target) with `otherPath` in one step, when it is still the
  // file that was read; the file keeps its permissions. Unsupported where the file system
  // cannot (the caller then takes another way), and unless a writer says otherwise.
  virtual WriteResult Exchange(const std::string& hostPath, const std::string& otherPath, std::string_view previous,
                               const FileIdentity& read);
};

// Writes a new file beside the old one, flushes it, checks that the old one is still the
// file that was read (identity and bytes), swaps the two in one step and checks that what the
// swap displaced is the file that was read, else swaps back (checked_swap.h); then flushes
// the directory. A file read as missing is created only while the name is free. A symlink is
// updated at its target; permissions and owner are kept. Where no new file can be made beside
// the old one, the write is refused: the file is never cut and rewritten.
class AtomicFileWriter : public FileWriter {
 public:
  // `beforeSwap` runs after the last check, just before the new file takes the file's name:
  // where a test lets another program write at the last moment.
  explicit AtomicFileWriter(std::function<void()> beforeSwap = {}) : beforeSwap_(std::move(beforeSwap)) {}
  WriteResult Replace(const std::string& hostPath, std::string_view bytes, std::string_view previous,
                      const FileIdentity& read) override;
  // The pieces go to the new file as they come (gathered into writes of 64 KB).
  WriteResult ReplaceFrom(const std::string& hostPath, const BytesSource& bytes, std::string_view previous,
                          const FileIdentity& read) override;
  WriteResult Exchange(const std::string& hostPath, const std::string& otherPath, std::string_view previous,
                       const FileIdentity& read) override;

 private:
  std::function<void()> beforeSwap_;
};

FileWriter& DefaultFileWriter();
// The writer given, or the disk's when none is: where a caller's choice of writer is made.
inline FileWriter& WriterOrDefault(FileWriter* writer) { return writer != nullptr ? *writer : DefaultFileWriter(); }

// The file that symlinks at `hostPath` lead to, the one a write replaces (a dangling link
// gives its target).
std::string FileBehindLinks(const std::string& hostPath);

// Renames `from` to `to` in one folder and flushes the folder; false when the rename fails.
bool RenameFlushed(const std::string& from, const std::string& to);

// A new file beside `hostPath`, flushed and renamed over it, then the directory flushed.
WriteResult WriteNewFile(const std::string& hostPath, std::string_view bytes, const std::string& like);

}  // namespace trv
