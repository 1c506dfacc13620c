#include "platform/wine_registry.h"

#include <charconv>
#include <vector>

namespace trv {
namespace {

constexpr std::string_view kPortsKey = "Software\\\\Wine\\\\Ports";  // as the file spells it

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
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
    lines.push_back({begin, end, line});
    begin = end;
  }
  return lines;
}

// The key name of a "[name] time" line, or nothing for any other line.
std::optional<std::string_view> KeyName(std::string_view line) {
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return line.substr(1, close - 1);
}

// A quoted string at the start of `text` without its escapes, and what follows it.
std::optional<std::pair<std::string, std::string_view>> QuotedString(std::string_view text) {
  if (text.empty() || text.front() != '"') return std::nullopt;
  std::string out;
  for (std::size_t i = 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') return std::make_pair(out, text.substr(i + 1));
    if (c == '\\' && i + 1 < text.size()) {
      const char next = text[++i];
      out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
    } else {
      out += c;
    }
  }
  return std::nullopt;
}

// The port number of a value name "COMn", as Wine reads it (digits after COM, 1 to 255).
std::optional<int> ComNumber(std::string_view name) {
  if (name.size() < 4 || !SameName(name.substr(0, 3), "com")) return std::nullopt;
  int number = 0;
  const auto [end, error] = std::from_chars(name.data() + 3, name.data() + name.size(), number);
  if (error != std::errc() || number < 1 || number > 255) return std::nullopt;
  return number;
}

// "COMn"="device" of a value line, or nothing for another line.
std::optional<std::pair<int, std::string>> ComValue(std::string_view line) {
  const auto name = QuotedString(line);
  if (!name) return std::nullopt;
  const auto number = ComNumber(name->first);
  if (!number || name->second.substr(0, 1) != "=") return std::nullopt;
  const auto value = QuotedString(name->second.substr(1));  // REG_SZ only, as Wine takes them
  if (!value) return std::nullopt;
  return std::make_pair(*number, value->first);
}

// The lines of the Ports key: from its "[...]" line to the next key or the end.
struct KeyLines {
  std::size_t header = 0;
  std::size_t end = 0;  // index of the next key's line, or lines.size()
  bool found = false;
};

KeyLines FindPortsKey(const std::vector<Line>& lines) {
  KeyLines key;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = KeyName(lines[i].text);
    if (!name) continue;
    if (key.found) {
      key.end = i;
      return key;
    }
    if (SameName(*name, kPortsKey)) {
      key.found = true;
      key.header = i;
    }
  }
  key.end = lines.size();
  return key;
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

}  // namespace

std::map<int, std::string> RegistryComPorts(std::string_view systemReg) {
  std::map<int, std::string> ports;
  const std::vector<Line> lines = Lines(systemReg);
  const KeyLines key = FindPortsKey(lines);
  if (!key.found) return ports;
  for (std::size_t i = key.header + 1; i < key.end; ++i)
    if (auto value = ComValue(lines[i].text)) ports[value->first] = std::move(value->second);
  return ports;
}

std::optional<std::string> WithRegistryComPort(std::string_view systemReg, int number, std::string_view device,
                                               long long unixTime) {
  const auto valueLine = ValueLine(number, device);
  if (!valueLine) return std::nullopt;
  const bool crlf = systemReg.find("\r\n") != std::string_view::npos;
  const std::string eol = crlf ? "\r\n" : "\n";
  const std::vector<Line> lines = Lines(systemReg);
  const KeyLines key = FindPortsKey(lines);
  std::string out(systemReg);
  if (!key.found) {
    if (!out.empty() && out.back() != '\n') out += eol;
    return out + eol + "[" + std::string(kPortsKey) + "] " + std::to_string(unixTime) + eol + *valueLine + eol;
  }
  // Replace the number's values; a new one goes after the key's last non-blank line.
  std::size_t insertAt = lines[key.header].end;
  std::string result;
  std::size_t copied = 0;
  bool written = false;
  for (std::size_t i = key.header + 1; i < key.end; ++i) {
    const auto value = ComValue(lines[i].text);
    if (value && value->first == number) {
      result.append(out, copied, lines[i].begin - copied);
      if (!written) result += *valueLine + eol;
      written = true;
      copied = lines[i].end;
    }
    if (!lines[i].text.empty()) insertAt = lines[i].end;
  }
  if (written) return result + out.substr(copied);
  const bool needsBreak = insertAt == out.size() && !out.empty() && out.back() != '\n';
  out.insert(insertAt, (needsBreak ? eol : "") + *valueLine + eol);
  return out;
}

}  // namespace trv
