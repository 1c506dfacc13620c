#pragma once
// TIniFile: one INI file with the Windows profile-file semantics. The file is read when the
// first call needs it and parsed once; changes are kept until UpdateFile, which writes them
// as one atomic replacement. A TIniFile lives for one operation: nothing is kept between
// operations, since another program may change the file at any time.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini_document.h"

namespace trv {

class FileWriter;

// A value that reading drops, replaces, clamps or cuts.
struct Finding {
  std::size_t line;  // 1-based; 0 when the file has no such line
  std::string section;
  std::string key;
  std::string message;
};
using Findings = std::vector<Finding>;

class TIniFile {
 public:
  // `hostPath` is where the file is on disk; `shownPath` is the path the error text names.
  TIniFile(std::string hostPath, std::string shownPath, FileWriter* writer = nullptr);

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def);
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def);
  bool ReadBool(std::string_view section, std::string_view key, bool def);
  bool HasKey(std::string_view section, std::string_view key);

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  void ReadSections(std::vector<std::string>& list);
  void ReadSection(std::string_view section, std::vector<std::string>& list);
  void ReadSectionValues(std::string_view section, std::vector<std::string>& list);
  void EraseSection(std::string_view section);
  void DeleteKey(std::string_view section, std::string_view key);

  // Writes the pending changes to disk; throws IniWriteError when the file system refuses.
  void UpdateFile();
  // Read-only: writes are kept in memory, where the reads of this object see them; the
  // document stays as the file is, so line numbers stay those of the file.
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

  std::size_t LineNumber(std::string_view section, std::string_view key = {});
  // Findings of reading go to `findings` when one is set.
  void SetFindings(Findings* findings) { findings_ = findings; }
  void Report(std::string_view section, std::string_view key, const std::string& message);
  const std::string& ShownPath() const { return shownPath_; }
  const std::string& HostPath() const { return hostPath_; }

 private:
  IniDocument& Document();
  // Forgets the parsed file and pending changes; the next call reads the file afresh.
  void DiscardChanges();
  void CheckWritable();
  std::optional<std::string_view> RawValue(std::string_view section, std::string_view key);

  struct HeldValue {
    std::string section, key, value;
  };

  std::string hostPath_;
  std::string shownPath_;
  FileWriter* writer_;
  std::optional<IniDocument> document_;
  std::string original_;
  bool unreadable_ = false;
  bool dirty_ = false;
  Findings* findings_ = nullptr;
  bool readOnly_ = false;
  std::vector<HeldValue> held_;  // read-only writes
};

// Read string's cut and the listing limit.
inline constexpr std::size_t kMaxValueLength = 2047;
inline constexpr std::size_t kMaxListBytes = 16384;

}  // namespace trv
