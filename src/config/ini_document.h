#pragma once
// A line-preserving INI document with the Windows profile-file semantics: every line's
// bytes and line ending are kept, and an edit touches only the lines it must. Lines are
// views into the bytes read; only headers are found when parsing, key lines when asked for.
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trv {

class IniDocument {
 public:
  static IniDocument Parse(std::string bytes);
  IniDocument(const IniDocument&) = delete;
  IniDocument& operator=(const IniDocument&) = delete;
  IniDocument(IniDocument&&) = default;
  IniDocument& operator=(IniDocument&&) = default;

  std::string Serialize() const;
  // The bytes as they were parsed (edits do not change them).
  const std::string& Bytes() const { return *bytes_; }

  // Started with a UTF-16 byte-order mark: nothing is read from it and nothing written to it.
  bool IsUtf16() const { return utf16_; }

  // The trimmed text after the '=' of the first matching key, quotes not stripped.
  std::optional<std::string_view> RawValue(std::string_view section, std::string_view key) const;
  // Every header in file order, duplicates included.
  std::vector<std::string> SectionNames() const;
  // Every key line of the first matching section, in file order.
  std::vector<std::string> KeyNames(std::string_view section) const;
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
  bool EraseKey(std::string_view section, std::string_view key);

 private:
  IniDocument() = default;

  struct Line {
    std::string_view text;
    std::string_view eol;
  };
  struct Header {
    std::size_t line;
    std::string_view name;
  };
  struct Range {
    std::size_t header;  // index into headers_
    std::size_t begin;   // first line after the header
    std::size_t end;     // one past the last line of the section
  };

  std::optional<Range> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;
  std::vector<std::size_t> KeyLines(const Range& range) const;
  // Makes line `index` read as key=value; returns whether it changed.
  bool ReplaceKeyLine(std::size_t index, std::string_view key, std::string_view value);
  void AppendSection(std::string_view section, const std::vector<std::pair<std::string, std::string>>& keys);
  std::string_view Own(std::string text);
  void Insert(std::size_t at, std::string text);
  void Erase(std::size_t begin, std::size_t end);
  void KeepBreaksApart(std::size_t at);

  std::unique_ptr<std::string> bytes_;  // what was read; unchanged lines view into it (stable on move)
  std::deque<std::string> written_;     // lines made by edits
  std::vector<Line> lines_;
  std::vector<Header> headers_;
  std::string_view newEol_ = "\r\n";
  bool utf16_ = false;
};

// Blanks that are not part of names or values: space, tab, VT, FF, CR, LF and 0x1A.
std::string_view TrimIniBlanks(std::string_view text);
std::string_view TrimIniBlanksAtEnd(std::string_view text);
// What a value as it stands in the file (trimmed) reads as: up to its first NUL, then one
// pair of matching enclosing quotes stripped.
std::string_view ReadableValue(std::string_view raw);
// How a value is written so that it reads back as itself: in double quotes when it has
// blanks at either end or the same quote character at both ends.
std::string WritableValue(std::string_view value);

}  // namespace trv
