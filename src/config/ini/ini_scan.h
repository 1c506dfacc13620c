#pragma once
// Finding lines and section headers in the bytes of an INI file, as Windows reads it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace trv {

// Blanks that are not part of names or values: space, tab, VT, FF, CR, LF and 0x1A.
bool IsIniBlank(char c);
inline bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
std::string_view TrimIniBlanks(std::string_view text);
std::string_view TrimIniBlanksAtEnd(std::string_view text);

// The end of the line that starts at `from`: its first CR or LF, or the end of the bytes.
std::size_t LineEnd(std::string_view bytes, std::size_t from);
// The lines of whole lines' bytes: each LF, each CR not before an LF, and a last line without
// a break.
std::size_t CountLines(std::string_view bytes);
// The name of a header line: text between '[' and the last ']', trimmed.
std::optional<std::string_view> HeaderName(std::string_view text);
// Equal for names that are equal but for letter case (in Windows-1252).
std::uint32_t FoldedHash(std::string_view name);

// Where each header line begins, in file order, and the hash of its name; the first entry
// stands for the lines before the first header (at 0, hash 0).
struct HeaderList {
  std::vector<std::size_t> starts;
  std::vector<std::uint32_t> hashes;
};
HeaderList FindHeaders(std::string_view bytes);

}  // namespace trv
