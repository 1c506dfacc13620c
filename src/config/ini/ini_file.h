#pragma once
// TIniFile: one INI file with the Windows profile-file semantics. The file is read when the
// first call needs it and parsed once; changes are kept until they are written, as one
// atomic replacement. A TIniFile lives for one operation: nothing is kept between
// operations, since another program may change the file at any time.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/ini/ini_document.h"
#include "config/ini/ini_write.h"
#include "platform/file_identity.h"
#include "platform/settled_read.h"

namespace trv {

class FileReader;
class FileWriter;
struct WriteResult;

// What reading does with a value: replaces, drops, clamps or cuts it, or adds a missing key
// to the file (the per-port colour keys every older file lacks).
// Replaced: the value read is not the one used. Added: a key reading adds (the per-port colour
// keys). Note: the value is used as it stands, yet something about it is worth knowing (its
// driver file is missing). Rewritten: OK and resave write another value in place of the file's.
enum class FindingKind { Replaced, Added, Note, Rewritten };

// A value that reading drops, replaces, clamps, cuts or adds.
struct Finding {
  std::size_t line;  // 1-based; 0 when the file has no such line
  std::string section;
  std::string key;
  std::string message;
  FindingKind kind = FindingKind::Replaced;
};
using Findings = std::vector<Finding>;

class TIniFile {
 public:
  // `hostPath` is where the file is on disk (empty: on no drive of this machine, reads as
  // missing, refuses writes); `shownPath` is the path the error texts name. The file is read
  // and written as it is: the folder's lock and the tidying up are the transaction's
  // (RunIniTransaction). Null reader and writer: the disk.
  TIniFile(std::string hostPath, std::string shownPath, FileWriter* writer = nullptr, FileReader* reader = nullptr);

  // Every call that needs the file throws IniReadError when it cannot be read.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def);
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def);
  bool ReadBool(std::string_view section, std::string_view key, bool def);
  bool HasKey(std::string_view section, std::string_view key);

  // A setting's value: it loses the blanks at its ends, as the terminal program's reader drops
  // them, unless the key already reads as the value (a value read in quotes stays as it is).
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Any value, written so that it reads back as itself (in quotes when it must be).
  void WriteStringAsIs(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  // Rewrites the first section of that name in place with these keys (IniDocument::RewriteSection);
  // values lose the blanks at their ends as with WriteString.
  void RewriteSection(std::string_view section, const IniKeys& keys);

  // The header of a section that is not there yet, so that the keys written to it later stand
  // at this place in the file.
  void AddSection(std::string_view section);
  void ReadSections(std::vector<std::string>& list);
  void ReadSection(std::string_view section, std::vector<std::string>& list);
  void ReadSectionValues(std::string_view section, std::vector<std::string>& list);
  // Every key of the section in file order, also those past the limit where ReadSection stops.
  std::vector<std::string> AllKeyNames(std::string_view section) { return Document().KeyNames(section); }
  void EraseSection(std::string_view section);
  void DeleteKey(std::string_view section, std::string_view key);

  enum class CommitResult { Unchanged, Written, FileChanged };
  // With `last`, the object is not used after a write: the written file is not parsed again.
  // Writes the pending changes, unless the result is the file as read byte for byte. When
  // the file is no longer the one that was read, writes nothing and says so; the caller
  // runs its operation again. Throws IniWriteError when the file system refuses.
  CommitResult Commit(bool last = false);
  // Commit for callers that do not run again: a changed file is a write error.
  void UpdateFile();

  // The file as it was read, and as it would be written now (with what reading adds).
  const std::string& OriginalBytes() { return Document().Bytes(); }
  std::string Result();
  // Plays a write on this file: a key's value as WriteString writes it, or a whole section
  // as RewriteSection does.
  void Apply(const IniWrite& write);
  // A key that reading adds to the file where it is missing or empty (the per-port colour
  // keys). Until the next write, the document stays as read (reads do not see the key, line
  // numbers stay those of the file); that write (or Commit, or Result) first adds each such key
  // that still reads empty.
  void AddOnRead(std::string_view section, std::string_view key, std::string_view value);
  // What reading has added so far; dropping back to an earlier count forgets the later ones
  // (a second read of the same file adds nothing of its own).
  std::size_t ReadAddsCount() const { return readAdds_.size(); }
  void DropReadAddsFrom(std::size_t count) { readAdds_.resize(std::min(count, readAdds_.size())); }
  // Adds now what reading asked to add, as the next write would.
  void AddWhatReadingAdds();
  // Runs just before the file is replaced, with the bytes and identity of the file as read;
  // it may throw to refuse the write.
  void SetBeforeReplace(std::function<void(std::string_view, const FileIdentity&)> hook) {
    beforeReplace_ = std::move(hook);
  }

  // How long the read waits for a file that another program is writing (settled_read.h); by
  // default it does not wait.
  void SetSettleBounds(SettleBounds bounds) { settle_ = std::move(bounds); }

  // Whether the file was there when this object read it, and what it was then.
  bool FileExisted() { return IdentityAsRead().exists; }
  const FileIdentity& IdentityAsRead() {
    Document();
    return identity_;
  }

  std::size_t LineNumber(std::string_view section, std::string_view key = {});
  // Findings of reading go to `findings` when one is set.
  void SetFindings(Findings* findings) { findings_ = findings; }
  Findings* FindingsTarget() const { return findings_; }
  void Report(std::string_view section, std::string_view key, const std::string& message,
              FindingKind kind = FindingKind::Replaced);
  const std::string& ShownPath() const { return shownPath_; }
  const std::string& HostPath() const { return hostPath_; }

 private:
  IniDocument& Document();
  void Load();
  void CheckWritable();
  void Write(std::string_view section, std::string_view key, std::string_view value);
  // The value as read (NUL cut and quotes stripped) with the cuts reported; empty when missing.
  std::optional<std::string> ReadValue(std::string_view section, std::string_view key);
  std::optional<std::string_view> RawValue(std::string_view section, std::string_view key);
  std::string hostPath_;
  std::string shownPath_;
  FileWriter& writer_;
  FileReader& reader_;
  std::optional<IniDocument> document_;
  FileIdentity identity_;
  bool utf16_ = false;
  bool dirty_ = false;
  Findings* findings_ = nullptr;
  IniWrites readAdds_;
  std::function<void(std::string_view, const FileIdentity&)> beforeReplace_;
  SettleBounds settle_ = SettleBounds::None();
};

// What a write's result is to the store: true when written, false when the file was no longer
// the one read (another program wrote it meanwhile). A refusal, or a way the file system does
// not offer, throws IniWriteError naming `shownPath`, with the system's reason.
bool WrittenUnlessChanged(const WriteResult& result, const std::string& shownPath);
// For a write that compares nothing: anything but written throws as above.
void CheckWritten(const WriteResult& result, const std::string& shownPath);

// The listing limit.
inline constexpr std::size_t kMaxListBytes = 16384;

}  // namespace trv
