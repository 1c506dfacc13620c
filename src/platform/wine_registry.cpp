#include "platform/wine_registry.h"

#include <cstdint>
#include <vector>

namespace trv {
namespace {

// Registry value types as the file names them.
constexpr std::uint32_t kRegNone = 0, kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4, kRegMultiSz = 7;

constexpr std::string_view kPortsKey = "Software\\\\Wine\\\\Ports";  // as the file spells it
constexpr std::u16string_view kPortsKeyName = u"software\\wine\\ports";

// What Wine's port setup asks of each value of the key (RegEnumValueW into a name of 7
// characters and data of 512 bytes, more ends the list), and of the device path (at most 255
// bytes in the host's UTF-8). Port numbers below 256.
constexpr std::size_t kMaxNameChars = 6, kMaxDataBytes = 512, kMaxPathBytes = 255;
constexpr int kMaxPortNumber = 255;

char16_t Lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c; }

std::u16string Lowered(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) c = Lower(c);
  return out;
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view SkipSpaces(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  return text;
}

struct Line {
  std::size_t begin;
  std::size_t end;        // past the line break
  std::string_view text;  // without the line break
};

std::vector<Line> Lines(std::string_view text) {
  std::vector<Line> lines;
  for (std::size_t begin = 0; begin < text.size();) {
    const std::size_t lf = text.find('\n', begin);
    const std::size_t end = lf == std::string_view::npos ? text.size() : lf + 1;
    std::string_view line = text.substr(begin, (lf == std::string_view::npos ? text.size() : lf) - begin);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back({begin, end, line.substr(0, line.find('\0'))});  // the loader reads C strings
    begin = end;
  }
  return lines;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A string up to `end` as Wine's registry loader reads it: \a \b \e \f \n \r \t \v, \x and up
// to four hex digits, \ and up to three octal digits, \ before any other character for that
// character; every other byte is one UTF-16 unit (a byte above 127 as a signed char). The
// units, and how many bytes were read with `end`; nothing when `end` does not come.
struct Parsed {
  std::u16string units;
  std::size_t used = 0;
};

std::optional<Parsed> ParseString(std::string_view text, char end) {
  Parsed out;
  std::size_t i = 0;
  const auto unit = [](char c) {
    return static_cast<char16_t>(static_cast<std::int16_t>(static_cast<signed char>(c)));
  };
  while (i < text.size() && text[i] != end) {
    if (text[i] != '\\') {
      out.units += unit(text[i++]);
      continue;
    }
    if (++i == text.size()) break;
    const char c = text[i++];
    constexpr std::string_view kNamed = "abefnrtv", kMeant = "\a\b\x1b\f\n\r\t\v";
    if (const std::size_t at = kNamed.find(c); at != std::string_view::npos) {
      out.units += static_cast<char16_t>(kMeant[at]);
    } else if (c == 'x') {
      unsigned value = 0;
      int digits = 0;
      for (; digits < 4 && i < text.size() && HexDigit(text[i]) >= 0; ++digits)
        value = value * 16 + HexDigit(text[i++]);
      out.units += digits == 0 ? u'x' : static_cast<char16_t>(value);
    } else if (c >= '0' && c <= '7') {
      unsigned value = static_cast<unsigned>(c - '0');
      for (int digits = 1; digits < 3 && i < text.size() && text[i] >= '0' && text[i] <= '7'; ++digits)
        value = value * 8 + static_cast<unsigned>(text[i++] - '0');
      out.units += static_cast<char16_t>(value);
    } else {
      out.units += unit(c);
    }
  }
  if (i >= text.size()) return std::nullopt;
  out.used = i + 1;
  return out;
}

// One value of the Ports key as the loader leaves it: the type, and the data as UTF-16 units
// with their size in bytes (a string's with its terminating NUL).
struct PortsValue {
  std::u16string name;
  std::uint32_t type = kRegNone;
  std::u16string data;
  std::size_t size = 0;
};

// A value line and the lines it continues on, in a copy of the key.
struct ValueLines {
  std::u16string name;
  std::size_t first = 0, last = 0;  // line indexes
};

// Every copy of the Ports key: its key line and the index of the next key's line.
struct KeyCopy {
  std::size_t header = 0, end = 0;
};

struct PortsKey {
  std::vector<KeyCopy> copies;
  std::vector<ValueLines> lines;                // in file order
  std::map<std::u16string, PortsValue> values;  // by lower-cased name, in the order Wine lists them
};

// Comma-separated hex bytes, continued on the next line after a backslash; the byte count, or
// nothing when the loader would find them malformed. `line` moves to the value's last line.
std::optional<std::string> HexBytes(std::string_view text, const std::vector<Line>& lines, std::size_t& line) {
  std::string bytes;
  for (;;) {
    while (!text.empty() && HexDigit(text.front()) >= 0) {
      std::size_t n = 0;
      unsigned long value = 0;
      while (n < text.size() && HexDigit(text[n]) >= 0 && value <= 0xff) value = value * 16 + HexDigit(text[n++]);
      if (value > 0xff) return std::nullopt;
      bytes += static_cast<char>(value);
      text = SkipSpaces(text.substr(n));
      if (!text.empty() && text.front() == ',') text = SkipSpaces(text.substr(1));
    }
    text = SkipSpaces(text);
    if (text.empty()) return bytes;
    if (text.front() != '\\' || line + 1 >= lines.size()) return std::nullopt;
    text = SkipSpaces(lines[++line].text);
  }
}

// The type and data of `"name"=DATA`; REG_NONE when the loader finds DATA malformed.
void ReadData(std::string_view text, const std::vector<Line>& lines, std::size_t& line, PortsValue& value) {
  value.type = kRegNone;
  value.data.clear();
  value.size = 0;
  struct Tag {
    std::string_view tag;
    std::uint32_t type;
    bool string;
  };
  static constexpr Tag kTags[] = {{"\"", kRegSz, true},
                                  {"str:\"", kRegSz, true},
                                  {"str(2):\"", kRegExpandSz, true},
                                  {"str(7):\"", kRegMultiSz, true},
                                  {"hex:", kRegBinary, false},
                                  {"dword:", kRegDword, false},
                                  {"hex(", kRegNone, false}};
  for (const Tag& t : kTags) {
    if (text.substr(0, t.tag.size()) != t.tag) continue;
    text.remove_prefix(t.tag.size());
    std::uint32_t type = t.type;
    if (t.string) {
      const auto parsed = ParseString(text, '"');
      if (!parsed) return;
      value.data = parsed->units + u'\0';
      value.size = value.data.size() * 2;
    } else if (t.type == kRegDword) {
      value.size = 4;
    } else {
      if (t.tag == "hex(") {
        std::size_t n = 0;
        unsigned long number = 0;
        while (n < text.size() && HexDigit(text[n]) >= 0 && number <= 0xffffffffUL)
          number = number * 16 + HexDigit(text[n++]);
        if (n == 0 || text.substr(n, 2) != "):") return;
        type = static_cast<std::uint32_t>(number);
        text.remove_prefix(n + 2);
      }
      const auto bytes = HexBytes(text, lines, line);
      if (!bytes) return;
      value.size = bytes->size();
      for (std::size_t i = 0; i + 1 < bytes->size(); i += 2)  // as UTF-16LE, for a string type
        value.data += static_cast<char16_t>(static_cast<unsigned char>((*bytes)[i]) |
                                            (static_cast<unsigned char>((*bytes)[i + 1]) << 8));
    }
    value.type = type;
    return;
  }
}

// The Ports key as Wine's registry loader reads the file: every copy of the key, lines
// starting after blanks, names and strings with their escapes, a name given again (in any
// letter case) taking the later value, a malformed value leaving a value of no type.
PortsKey ReadPortsKey(const std::vector<Line>& lines) {
  PortsKey key;
  bool inKey = false, inPorts = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view text = SkipSpaces(lines[i].text);
    if (text.empty()) continue;
    if (text.front() == '[') {
      if (inPorts) key.copies.back().end = i;
      const auto name = ParseString(text.substr(1), ']');
      inKey = name.has_value();  // a malformed key line: the values after it belong to no key
      inPorts = inKey && Lowered(name->units) == kPortsKeyName;
      if (inPorts) key.copies.push_back({i, lines.size()});
      continue;
    }
    if ((text.front() != '"' && text.front() != '@') || !inKey) continue;
    std::u16string name;
    std::size_t used = 1;
    if (text.front() == '"') {
      const auto parsed = ParseString(text.substr(1), '"');
      if (!parsed) continue;  // a malformed name: no value
      name = parsed->units;
      used += parsed->used;
    }
    std::string_view rest = SkipSpaces(text.substr(used));
    if (rest.empty() || rest.front() != '=') continue;
    rest = SkipSpaces(rest.substr(1));
    const std::size_t first = i;
    PortsValue value;
    ReadData(rest, lines, i, value);
    if (!inPorts) continue;
    key.lines.push_back({name, first, i});
    value.name = name;
    key.values[Lowered(name)] = std::move(value);
  }
  return key;
}

// The number Wine takes from a value name "COM<number>": after the three letters, blanks, a
// sign and the digits up to the first other character (wcstol); nothing for another name.
std::optional<int> ComNumber(std::u16string_view name) {
  if (name.size() < 3 || Lowered(name.substr(0, 3)) != u"com") return std::nullopt;
  std::size_t i = 3;
  while (i < name.size() && (name[i] == u' ' || (name[i] >= u'\t' && name[i] <= u'\r'))) ++i;
  const bool negative = i < name.size() && name[i] == u'-';
  if (i < name.size() && (name[i] == u'-' || name[i] == u'+')) ++i;
  long number = 0;
  for (; i < name.size() && name[i] >= u'0' && name[i] <= u'9' && number <= kMaxPortNumber; ++i)
    number = number * 10 + (name[i] - u'0');
  if (negative) number = -number;
  if (number < 1 || number > kMaxPortNumber) return std::nullopt;
  return static_cast<int>(number);
}

// The units as the host's UTF-8, as Wine converts a device path (refusing unpaired
// surrogates and a path longer than it keeps), up to the first NUL.
std::optional<std::string> DevicePath(std::u16string_view units) {
  std::string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t c = units[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    else if (c >= 0xD800 && c <= 0xDFFF)
      return std::nullopt;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  if (units.empty() || out.size() > kMaxPathBytes + 1) return std::nullopt;
  return out.substr(0, out.find('\0'));
}

std::optional<std::string> ValueLine(int number, std::string_view device) {
  std::string line = "\"COM" + std::to_string(number) + "\"=\"";
  for (const char c : device) {
    if (c < 0x20 || c > 0x7e) return std::nullopt;
    if (c == '\\' || c == '"') line += '\\';
    line += c;
  }
  return line + "\"";
}

// Whether the value name is the port's, or one Wine reads as the same number.
bool ConcernsPort(std::u16string_view name, int number) {
  const std::string digits = std::to_string(number);
  return Lowered(name) == u"com" + std::u16string(digits.begin(), digits.end()) || ComNumber(name) == number;
}

}  // namespace

std::map<int, std::string> RegistryComPorts(std::string_view systemReg) {
  std::map<int, std::string> ports;
  // As Wine's port setup lists the key: in the order of the names, until a name or data that
  // does not fit its buffers; string values whose name is COM and a number from 1 to 255.
  for (const auto& [lowered, value] : ReadPortsKey(Lines(systemReg)).values) {
    if (value.name.size() > kMaxNameChars || value.size > kMaxDataBytes) break;
    const auto number = ComNumber(value.name);
    if (value.type != kRegSz || !number) continue;
    if (auto device = DevicePath(std::u16string_view(value.data).substr(0, value.size / 2)))
      ports[*number] = std::move(*device);
  }
  return ports;
}

std::optional<std::string> WithRegistryComPort(std::string_view systemReg, int number, std::string_view device,
                                               long long unixTime) {
  const auto valueLine = ValueLine(number, device);
  if (!valueLine) return std::nullopt;
  const bool crlf = systemReg.find("\r\n") != std::string_view::npos;
  const std::string eol = crlf ? "\r\n" : "\n";
  const std::vector<Line> lines = Lines(systemReg);
  const PortsKey key = ReadPortsKey(lines);
  std::string out(systemReg);
  if (key.copies.empty()) {
    if (!out.empty() && out.back() != '\n') out += eol;
    return out + eol + "[" + std::string(kPortsKey) + "] " + std::to_string(unixTime) + eol + *valueLine + eol;
  }
  // The first value the port has (in any copy of the key) becomes the new one, the others go:
  // else Wine would read one of them after it. Without one, the value goes after the last
  // line of the first copy that is not blank.
  std::string result;
  std::size_t copied = 0;
  bool written = false;
  for (const ValueLines& value : key.lines) {
    if (!ConcernsPort(value.name, number)) continue;
    result.append(out, copied, lines[value.first].begin - copied);
    if (!written) result += *valueLine + eol;
    written = true;
    copied = lines[value.last].end;
  }
  if (written) return result + out.substr(copied);
  const KeyCopy& first = key.copies.front();
  std::size_t insertAt = lines[first.header].end;
  for (std::size_t i = first.header + 1; i < first.end; ++i)
    if (!SkipSpaces(lines[i].text).empty()) insertAt = lines[i].end;
  const bool needsBreak = insertAt == out.size() && !out.empty() && out.back() != '\n';
  out.insert(insertAt, (needsBreak ? eol : "") + *valueLine + eol);
  return out;
}

std::string WithoutRegistryComPort(std::string_view systemReg, int number) {
  const std::vector<Line> lines = Lines(systemReg);
  std::string result;
  std::size_t copied = 0;
  for (const ValueLines& value : ReadPortsKey(lines).lines) {
    if (!ConcernsPort(value.name, number)) continue;
    result.append(systemReg, copied, lines[value.first].begin - copied);
    copied = lines[value.last].end;
  }
  return result.append(systemReg.substr(copied));
}

}  // namespace trv
