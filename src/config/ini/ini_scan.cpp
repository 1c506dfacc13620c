#include "config/ini/ini_scan.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "support/codepage.h"

namespace trv {
namespace {

// Eight bytes looked at at once: every byte of the word `kOnes * b` is b.
constexpr std::uint64_t kOnes = 0x0101010101010101u;
constexpr std::uint64_t kHighBits = 0x8080808080808080u;

std::uint64_t Load8(const char* at) {
  std::uint64_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// The high bit of each byte of the word that is zero, and no other bit.
std::uint64_t ZeroBytes(std::uint64_t word) { return ~(((word & ~kHighBits) + ~kHighBits) | word) & kHighBits; }

// The bytes of the word as FoldCase1252 folds them: ASCII capitals all at once.
std::uint64_t FoldCase8(std::uint64_t word) {
  if ((word & kHighBits) == 0) {
    // Each byte is below 0x80, so adding to it carries into no other byte.
    const std::uint64_t fromA = word + kOnes * (0x80 - 'A');
    const std::uint64_t pastZ = word + kOnes * (0x80 - 'Z' - 1);
    return word | ((fromA & ~pastZ & kHighBits) >> 2);
  }
  std::uint64_t folded = 0;
  for (int shift = 0; shift < 64; shift += 8) {
    const auto b = static_cast<unsigned char>(FoldCase1252(static_cast<char>(word >> shift)));
    folded |= static_cast<std::uint64_t>(b) << shift;
  }
  return folded;
}

std::uint32_t Load4(const char* at) {
  std::uint32_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

}  // namespace

bool IsIniBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == '\x1A';
}

// The end of the line that starts at `from`: its first CR or LF, or the end of the bytes.
std::size_t LineEnd(std::string_view bytes, std::size_t from) {
  if constexpr (std::endian::native == std::endian::little) {
    for (; from + 8 <= bytes.size(); from += 8) {
      const std::uint64_t word = Load8(bytes.data() + from);
      const std::uint64_t breaks = ZeroBytes(word ^ (kOnes * '\r')) | ZeroBytes(word ^ (kOnes * '\n'));
      if (breaks != 0) return from + static_cast<std::size_t>(std::countr_zero(breaks)) / 8;
    }
  }
  while (from < bytes.size() && !IsLineBreak(bytes[from])) ++from;
  return from;
}

// The name of a header line: text between '[' and the last ']', trimmed.
std::optional<std::string_view> HeaderName(std::string_view text) {
  const std::string_view trimmed = TrimIniBlanks(text);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const auto close = trimmed.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimIniBlanks(trimmed.substr(1, close - 1));
}

// The lines of whole lines' bytes: each LF, each CR not before an LF, and a last line without
// a break. Written without branches, so that the compiler can count many bytes at once.
std::size_t CountLines(std::string_view bytes) {
  if (bytes.empty()) return 0;
  std::size_t breaks = 0;
  const std::size_t last = bytes.size() - 1;
  for (std::size_t i = 0; i < last; ++i) {
    const char c = bytes[i];
    breaks += static_cast<std::size_t>(c == '\n') + static_cast<std::size_t>((c == '\r') & (bytes[i + 1] != '\n'));
  }
  return breaks + 1;  // the last byte is a break (counted here) or ends a line without one
}

// Equal for names that are equal but for letter case; eight bytes at a time. The last bytes
// are read as whole words that may overlap those before them (the length is in the hash).
std::uint32_t FoldedHash(std::string_view name) {
  constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15u;
  const char* const p = name.data();
  const std::size_t n = name.size();
  std::uint64_t hash = (n + 1) * kMix;
  const auto mix = [&hash](std::uint64_t word) {
    hash = (hash ^ FoldCase8(word)) * kMix;
    hash ^= hash >> 32;
  };
  if (n >= 8) {
    for (std::size_t at = 0; at + 8 < n; at += 8) mix(Load8(p + at));
    mix(Load8(p + n - 8));
  } else if (n >= 4) {
    mix(Load4(p) | static_cast<std::uint64_t>(Load4(p + n - 4)) << 32);
  } else if (n > 0) {
    const auto byte = [p](std::size_t i) { return static_cast<std::uint64_t>(static_cast<unsigned char>(p[i])); };
    mix(byte(0) | byte(n / 2) << 8 | byte(n - 1) << 16);
  }
  return static_cast<std::uint32_t>((hash * kMix) >> 32);
}

std::string_view TrimIniBlanksAtEnd(std::string_view text) {
  while (!text.empty() && IsIniBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TrimIniBlanks(std::string_view text) {
  while (!text.empty() && IsIniBlank(text.front())) text.remove_prefix(1);
  return TrimIniBlanksAtEnd(text);
}

// Only a '[' that is the first character of its line but blanks can start a header, so the
// lines between headers are never looked at one by one.
HeaderList FindHeaders(std::string_view all) {
  HeaderList list{{0}, {0}};
  // Room for a header every 64 bytes, so that the lists of a file of many small sections are
  // not copied as they grow (room never used is never touched).
  list.starts.reserve(all.size() / 64 + 1);
  list.hashes.reserve(all.size() / 64 + 1);
  for (std::size_t pos = all.find('['); pos != std::string_view::npos; pos = all.find('[', pos)) {
    std::size_t lineStart = pos;
    while (lineStart > 0 && !IsLineBreak(all[lineStart - 1]) && IsIniBlank(all[lineStart - 1])) --lineStart;
    if (lineStart > 0 && !IsLineBreak(all[lineStart - 1])) {
      ++pos;
      continue;
    }
    const std::size_t lineEnd = LineEnd(all, pos);
    // Most header lines are the name in brackets and nothing else.
    std::optional<std::string_view> name;
    if (lineEnd - pos >= 2 && all[lineEnd - 1] == ']' && !IsIniBlank(all[pos + 1]) && !IsIniBlank(all[lineEnd - 2]))
      name = all.substr(pos + 1, lineEnd - pos - 2);
    else
      name = HeaderName(all.substr(lineStart, lineEnd - lineStart));
    if (name) {
      list.starts.push_back(lineStart);
      list.hashes.push_back(FoldedHash(*name));
    }
    pos = lineEnd;
  }
  return list;
}

}  // namespace trv
