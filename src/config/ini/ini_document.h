#pragma once
// A line-preserving INI document with the Windows profile-file semantics: every line's
// bytes and line ending are kept, and an edit touches only the lines it must. The document
// is the bytes read, cut where each header line begins: parsing finds only the headers, a
// section's lines are split when asked for and held one by one only once the section is
// edited, and sections are found by the hashes of their names (a few names by going through
// the hashes, more through an index). An unedited section costs a few bytes beside its text,
// so a large file is held about once.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini/ini_scan.h"

namespace trv {

class IniDocument {
 public:
  static IniDocument Parse(std::string bytes);
  IniDocument(const IniDocument&) = delete;
  IniDocument& operator=(const IniDocument&) = delete;
  IniDocument(IniDocument&&) = default;
  IniDocument& operator=(IniDocument&&) = default;

  std::string Serialize() const;
  // Hands the bytes of Serialize() to `put` piece by piece, in order; stops and returns false
  // when `put` does.
  bool WriteTo(const std::function<bool(std::string_view)>& put) const;
  // Whether Serialize() would give the bytes as read (edits that undid each other).
  bool SameAsRead() const;
  // The bytes as they were parsed (edits do not change them).
  const std::string& Bytes() const { return *bytes_; }

  // Started with a UTF-16 byte-order mark: nothing is read from it and nothing written to it.
  bool IsUtf16() const { return utf16_; }

  // The trimmed text after the '=' of the first matching key, quotes not stripped.
  std::optional<std::string_view> RawValue(std::string_view section, std::string_view key) const;
  // Every header in file order, duplicates included; with a limit, those whose bytes, each
  // with a terminating zero, fit in it.
  std::vector<std::string> SectionNames(std::size_t limitBytes = static_cast<std::size_t>(-1)) const;
  // Every key line of the first matching section, in file order.
  std::vector<std::string> KeyNames(std::string_view section) const;
  bool HasSection(std::string_view section) const { return FindSection(section).has_value(); }
  // 1-based line number of the first matching key (or of the header when key is empty); 0 if none.
  std::size_t LineNumber(std::string_view section, std::string_view key = {}) const;

  // Each returns whether the document changed. A value is given as it is to read back: a key
  // that already reads as it is left alone, and a value that would not read back as itself
  // is written in double quotes.
  bool SetValue(std::string_view section, std::string_view key, std::string_view value);
  // Rewrites the first section of that name in place: its key lines take the given keys and
  // values in order (key lines that already read so stay as they are), extra ones go after
  // its last key line, surplus key lines go; comments, blank lines and other lines stay. A
  // missing section is added at the end; with no keys at all the section is erased.
  bool RewriteSection(std::string_view section, const std::vector<std::pair<std::string, std::string>>& keys);
  bool EraseSection(std::string_view section);
  // Appends the header of a section that is not there yet, without keys; true when it did.
  bool AddSection(std::string_view section);
  bool EraseKey(std::string_view section, std::string_view key);

 private:
  IniDocument() = default;

  struct Line {
    std::string_view text;
    std::string_view eol;
  };
  // A segment is the lines before the first header (segment 0, always there), or a header
  // line and the lines up to the next header. Those read are their bytes; one that is edited
  // or added holds its lines.
  struct Edited {
    std::string_view name;
    std::vector<Line> lines;
    bool erased = false;
  };
  struct KeyLine {
    std::size_t index;  // in its segment
    std::string_view text;
  };

  std::size_t SegmentCount() const { return starts_.size() + added_; }
  const Edited* EditOf(std::size_t segment) const;
  std::string_view BytesOf(std::size_t segment) const;
  std::string_view NameOf(std::size_t segment) const;
  bool Erased(std::size_t segment) const;
  template <class Visit>
  std::size_t VisitLines(std::size_t segment, Visit visit) const;
  std::size_t LineCount(std::size_t segment) const;
  std::size_t FirstLineOf(std::size_t segment) const;
  std::optional<std::size_t> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindAsked(std::string_view section, std::uint32_t hash, bool mayAdd, bool& known) const;
  std::size_t FirstNamed(std::string_view section, std::uint32_t hash, std::size_t from) const;
  void BuildIndex(std::size_t slots) const;
  void IndexSegment(std::size_t segment) const;
  std::optional<KeyLine> FindKey(std::size_t segment, std::string_view key) const;
  std::vector<KeyLine> KeyLines(std::size_t segment) const;
  // The last line that is not blank (the header when there is none).
  std::size_t LastNonBlankLine(std::size_t segment) const;
  Edited& Edit(std::size_t segment);
  // Makes the key line read as key=value; returns whether it changed.
  bool ReplaceKeyLine(std::size_t segment, const KeyLine& line, std::string_view key, std::string_view value);
  void AppendSection(std::string_view section, const std::vector<std::pair<std::string, std::string>>& keys);
  std::string_view Own(std::string text);
  void InsertLine(std::size_t segment, std::size_t at, std::string text);
  void EraseLine(std::size_t segment, std::size_t at);

  std::unique_ptr<std::string> bytes_;  // what was read; unedited lines view into it (stable on move)
  std::deque<std::string> written_;     // lines made by edits
  std::vector<std::size_t> starts_;     // where each segment read begins in the bytes
  std::vector<std::uint32_t> hashes_;   // of each segment's name, folded (0 for the first)
  std::size_t added_ = 0;               // segments added after those read
  std::map<std::size_t, Edited> edited_;
  // The names asked for while few have been: each with the first segment of that name (or
  // none) among the segments looked through, found by going through the hashes in order.
  struct Asked {
    std::string name;
    std::uint32_t hash;
    std::size_t segment;  // npos: none
    std::size_t looked;   // segments looked through
  };
  mutable std::vector<Asked> asked_;
  // Segments found by name once more names are asked for: open addressing over the folded
  // names, each slot a segment + 1 (0 empty, kGone a segment erased).
  mutable std::vector<std::uint32_t> slots_;
  mutable std::size_t indexed_ = 0;  // segments in the index
  // Lines before each segment read, as read (counted as far as the line numbers asked for need).
  mutable std::vector<std::size_t> linesBefore_;
  std::string_view newEol_ = "\r\n";
  bool utf16_ = false;
};

// What a value as it stands in the file (trimmed) reads as: up to its first NUL, then one
// pair of matching enclosing quotes stripped.
std::string_view ReadableValue(std::string_view raw);
// How a value is written so that it reads back as itself: in double quotes when it has
// blanks at either end or the same quote character at both ends.
std::string WritableValue(std::string_view value);

}  // namespace trv
