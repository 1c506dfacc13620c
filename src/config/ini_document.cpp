#include "config/ini_document.h"

#include "support/codepage.h"

namespace trv {
namespace {

bool IsIniBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == '\x1A'; }

bool IsBlankLine(std::string_view text) { return TrimIniBlanks(text).empty(); }

}  // namespace

std::string_view TrimIniBlanks(std::string_view text) {
  while (!text.empty() && IsIniBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsIniBlank(text.back())) text.remove_suffix(1);
  return text;
}

IniDocument::Line IniDocument::MakeLine(std::string text, std::string eol) {
  Line line;
  line.text = std::move(text);
  line.eol = std::move(eol);
  const std::string_view trimmed = TrimIniBlanks(line.text);
  if (!trimmed.empty() && trimmed.front() == '[') {
    const auto close = trimmed.rfind(']');
    if (close != std::string_view::npos) {
      line.kind = Kind::Header;
      line.name = std::string(TrimIniBlanks(trimmed.substr(1, close - 1)));
      return line;
    }
  }
  if (trimmed.empty() || trimmed.front() == ';') return line;
  const auto eq = line.text.find('=');
  if (eq == std::string::npos) return line;
  line.kind = Kind::Key;
  line.name = std::string(TrimIniBlanks(std::string_view(line.text).substr(0, eq)));
  line.valueStart = eq + 1;
  return line;
}

IniDocument IniDocument::Parse(std::string_view bytes) {
  IniDocument doc;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
    doc.utf16_ = true;
    return doc;
  }
  bool sawEol = false, onlyLf = true;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const auto end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      doc.lines_.push_back(MakeLine(std::string(bytes.substr(pos)), {}));
      break;
    }
    std::size_t eolLength = 1;
    if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') eolLength = 2;
    const std::string eol(bytes.substr(end, eolLength));
    sawEol = true;
    onlyLf = onlyLf && eol == "\n";
    doc.lines_.push_back(MakeLine(std::string(bytes.substr(pos, end - pos)), eol));
    pos = end + eolLength;
  }
  if (sawEol && onlyLf) doc.newEol_ = "\n";
  doc.IndexHeaders();
  return doc;
}

std::string IniDocument::Serialize() const {
  std::size_t size = 0;
  for (const auto& line : lines_) size += line.text.size() + line.eol.size();
  std::string out;
  out.reserve(size);
  for (const auto& line : lines_) {
    out += line.text;
    out += line.eol;
  }
  return out;
}

void IniDocument::IndexHeaders() {
  headers_.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].kind == Kind::Header) headers_.push_back(i);
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
  for (std::size_t h = 0; h < headers_.size(); ++h) {
    if (EqualNoCase1252(lines_[headers_[h]].name, section))
      return Range{headers_[h], h + 1 < headers_.size() ? headers_[h + 1] : lines_.size()};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Range& range, std::string_view key) const {
  for (std::size_t i = range.header + 1; i < range.end; ++i)
    if (lines_[i].kind == Kind::Key && EqualNoCase1252(lines_[i].name, key)) return i;
  return std::nullopt;
}

std::optional<std::string_view> IniDocument::RawValue(std::string_view section, std::string_view key) const {
  const auto range = FindSection(section);
  if (!range) return std::nullopt;
  const auto index = FindKey(*range, key);
  if (!index) return std::nullopt;
  const Line& line = lines_[*index];
  return TrimIniBlanks(std::string_view(line.text).substr(line.valueStart));
}

std::vector<std::string> IniDocument::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(headers_.size());
  for (std::size_t index : headers_) names.push_back(lines_[index].name);
  return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  const auto range = FindSection(section);
  if (!range) return names;
  for (std::size_t i = range->header + 1; i < range->end; ++i)
    if (lines_[i].kind == Kind::Key) names.push_back(lines_[i].name);
  return names;
}

std::size_t IniDocument::LineNumber(std::string_view section, std::string_view key) const {
  const auto range = FindSection(section);
  if (!range) return 0;
  if (key.empty()) return range->header + 1;
  const auto index = FindKey(*range, key);
  return index ? *index + 1 : 0;
}

void IniDocument::Insert(std::size_t at, std::string text) {
  if (at > 0 && lines_[at - 1].eol.empty()) lines_[at - 1].eol = newEol_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), MakeLine(std::move(text), newEol_));
  IndexHeaders();
}

bool IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const auto range = FindSection(section);
  if (!range) {
    Insert(lines_.size(), "[" + std::string(section) + "]");
    Insert(lines_.size(), std::string(key) + "=" + std::string(value));
    return true;
  }
  if (const auto index = FindKey(*range, key)) {
    Line& line = lines_[*index];
    if (TrimIniBlanks(std::string_view(line.text).substr(line.valueStart)) == value) return false;
    line = MakeLine(line.name + "=" + std::string(value), line.eol);
    return true;
  }
  std::size_t last = range->header;
  for (std::size_t i = range->header + 1; i < range->end; ++i)
    if (!IsBlankLine(lines_[i].text)) last = i;
  Insert(last + 1, std::string(key) + "=" + std::string(value));
  return true;
}

bool IniDocument::EraseSection(std::string_view section) {
  const auto range = FindSection(section);
  if (!range) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
               lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
  IndexHeaders();
  return true;
}

bool IniDocument::EraseKey(std::string_view section, std::string_view key) {
  const auto range = FindSection(section);
  if (!range) return false;
  const auto index = FindKey(*range, key);
  if (!index) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
  IndexHeaders();
  return true;
}

}  // namespace trv
