#include "config/ini_document.h"

#include <algorithm>

#include "support/codepage.h"

namespace trv {
namespace {

bool IsIniBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == '\x1A';
}

// The name of a header line: text between '[' and the last ']', trimmed.
std::optional<std::string_view> HeaderName(std::string_view text) {
  const std::string_view trimmed = TrimIniBlanks(text);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const auto close = trimmed.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimIniBlanks(trimmed.substr(1, close - 1));
}

// The name of a key line (not blank, not a comment, holding '='), trimmed.
std::optional<std::string_view> KeyName(std::string_view text) {
  const std::string_view trimmed = TrimIniBlanks(text);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const auto eq = text.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return TrimIniBlanks(text.substr(0, eq));
}

std::string_view ValueOf(std::string_view keyLine) { return TrimIniBlanks(keyLine.substr(keyLine.find('=') + 1)); }

}  // namespace

std::string_view ReadableValue(std::string_view raw) {
  raw = raw.substr(0, raw.find('\0'));
  if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front())
    return raw.substr(1, raw.size() - 2);
  return raw;
}

std::string WritableValue(std::string_view value) {
  if (TrimIniBlanks(value).size() == value.size() && ReadableValue(value) == value) return std::string(value);
  return "\"" + std::string(value) + "\"";
}

std::string_view TrimIniBlanksAtEnd(std::string_view text) {
  while (!text.empty() && IsIniBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TrimIniBlanks(std::string_view text) {
  while (!text.empty() && IsIniBlank(text.front())) text.remove_prefix(1);
  return TrimIniBlanksAtEnd(text);
}

IniDocument IniDocument::Parse(std::string bytes) {
  IniDocument doc;
  doc.bytes_ = std::make_unique<std::string>(std::move(bytes));
  const std::string_view all(*doc.bytes_);
  if (all.size() >= 2 && static_cast<unsigned char>(all[0]) == 0xFF && static_cast<unsigned char>(all[1]) == 0xFE) {
    doc.utf16_ = true;
    return doc;
  }
  // As many lines as line breaks (plus a last one without), so the list is not grown by doubling.
  doc.lines_.reserve(static_cast<std::size_t>(std::count(all.begin(), all.end(), '\n')) + 1);
  bool sawEol = false, onlyLf = true;
  std::size_t pos = 0, nextCr = all.find('\r'), nextLf = all.find('\n');
  while (pos < all.size()) {
    if (nextCr < pos) nextCr = all.find('\r', pos);
    if (nextLf < pos) nextLf = all.find('\n', pos);
    const std::size_t end = std::min(nextCr, nextLf);
    const std::size_t textEnd = end == std::string_view::npos ? all.size() : end;
    std::size_t eolLength = 0;
    if (end != std::string_view::npos) {
      eolLength = (all[end] == '\r' && end + 1 < all.size() && all[end + 1] == '\n') ? 2 : 1;
      sawEol = true;
      onlyLf = onlyLf && all[end] == '\n';
    }
    const Line line{all.substr(pos, textEnd - pos), all.substr(textEnd, eolLength)};
    if (const auto name = HeaderName(line.text)) doc.headers_.push_back(Header{doc.lines_.size(), *name});
    doc.lines_.push_back(line);
    pos = textEnd + eolLength;
  }
  if (sawEol && onlyLf) doc.newEol_ = "\n";
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

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
  for (std::size_t h = 0; h < headers_.size(); ++h) {
    if (EqualNoCase1252(headers_[h].name, section))
      return Range{h, headers_[h].line + 1, h + 1 < headers_.size() ? headers_[h + 1].line : lines_.size()};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Range& range, std::string_view key) const {
  for (std::size_t i = range.begin; i < range.end; ++i) {
    const auto name = KeyName(lines_[i].text);
    if (name && EqualNoCase1252(*name, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string_view> IniDocument::RawValue(std::string_view section, std::string_view key) const {
  const auto range = FindSection(section);
  if (!range) return std::nullopt;
  const auto index = FindKey(*range, key);
  if (!index) return std::nullopt;
  return ValueOf(lines_[*index].text);
}

std::vector<std::string> IniDocument::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(headers_.size());
  for (const Header& header : headers_) names.emplace_back(header.name);
  return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  const auto range = FindSection(section);
  if (!range) return names;
  for (std::size_t i = range->begin; i < range->end; ++i)
    if (const auto name = KeyName(lines_[i].text)) names.emplace_back(*name);
  return names;
}

std::size_t IniDocument::LineNumber(std::string_view section, std::string_view key) const {
  const auto range = FindSection(section);
  if (!range) return 0;
  if (key.empty()) return range->begin;
  const auto index = FindKey(*range, key);
  return index ? *index + 1 : 0;
}

std::string_view IniDocument::Own(std::string text) { return written_.emplace_back(std::move(text)); }

void IniDocument::Insert(std::size_t at, std::string text) {
  if (at > 0 && lines_[at - 1].eol.empty()) lines_[at - 1].eol = newEol_;
  const Line line{Own(std::move(text)), newEol_};
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
  std::size_t h = 0;
  while (h < headers_.size() && headers_[h].line < at) ++h;
  for (std::size_t k = h; k < headers_.size(); ++k) ++headers_[k].line;
  if (const auto name = HeaderName(line.text))
    headers_.insert(headers_.begin() + static_cast<std::ptrdiff_t>(h), Header{at, *name});
}

void IniDocument::Erase(std::size_t begin, std::size_t end) {
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(begin), lines_.begin() + static_cast<std::ptrdiff_t>(end));
  std::vector<Header> kept;
  kept.reserve(headers_.size());
  for (Header header : headers_) {
    if (header.line >= begin && header.line < end) continue;
    if (header.line >= end) header.line -= end - begin;
    kept.push_back(header);
  }
  headers_ = std::move(kept);
  KeepBreaksApart(begin);
}

// A line ending in CR alone must not come to stand before an empty line ending in LF: the two
// breaks would read back as one CR LF, and the empty line would be gone. An empty line ending
// in CR LF between them keeps both.
void IniDocument::KeepBreaksApart(std::size_t at) {
  if (at == 0 || at >= lines_.size() || lines_[at - 1].eol != "\r" || !lines_[at].text.empty() ||
      lines_[at].eol != "\n")
    return;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{{}, "\r\n"});
  for (Header& header : headers_)
    if (header.line >= at) ++header.line;
}

bool IniDocument::ReplaceKeyLine(std::size_t index, std::string_view key, std::string_view value) {
  Line& line = lines_[index];
  const auto name = KeyName(line.text);
  const bool sameName = name && EqualNoCase1252(*name, key);
  if (sameName && ReadableValue(ValueOf(line.text)) == value) return false;
  line.text = Own(std::string(sameName ? *name : key) + "=" + WritableValue(value));
  return true;
}

void IniDocument::AppendSection(std::string_view section,
                                const std::vector<std::pair<std::string, std::string>>& keys) {
  Insert(lines_.size(), "[" + std::string(section) + "]");
  for (const auto& [key, value] : keys) Insert(lines_.size(), key + "=" + WritableValue(value));
}

std::vector<std::size_t> IniDocument::KeyLines(const Range& range) const {
  std::vector<std::size_t> keyLines;
  for (std::size_t i = range.begin; i < range.end; ++i)
    if (KeyName(lines_[i].text)) keyLines.push_back(i);
  return keyLines;
}

bool IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const auto range = FindSection(section);
  if (!range) {
    AppendSection(section, {{std::string(key), std::string(value)}});
    return true;
  }
  if (const auto index = FindKey(*range, key)) return ReplaceKeyLine(*index, key, value);
  std::size_t last = range->begin - 1;  // the header
  for (std::size_t i = range->begin; i < range->end; ++i)
    if (!TrimIniBlanks(lines_[i].text).empty()) last = i;
  Insert(last + 1, std::string(key) + "=" + WritableValue(value));
  return true;
}

bool IniDocument::RewriteSection(std::string_view section,
                                 const std::vector<std::pair<std::string, std::string>>& keys) {
  if (keys.empty()) return EraseSection(section);
  const auto range = FindSection(section);
  if (!range) {
    AppendSection(section, keys);
    return true;
  }
  const std::vector<std::size_t> keyLines = KeyLines(*range);
  bool changed = false;
  for (std::size_t i = 0; i < keyLines.size() && i < keys.size(); ++i)
    changed = ReplaceKeyLine(keyLines[i], keys[i].first, keys[i].second) || changed;
  for (std::size_t i = keyLines.size(); i-- > keys.size();) {
    Erase(keyLines[i], keyLines[i] + 1);
    changed = true;
  }
  if (keys.size() <= keyLines.size()) return changed;
  std::size_t at = keyLines.empty() ? range->begin - 1 : keyLines.back();
  if (keyLines.empty())
    for (std::size_t i = range->begin; i < range->end; ++i)
      if (!TrimIniBlanks(lines_[i].text).empty()) at = i;
  for (std::size_t i = keyLines.size(); i < keys.size(); ++i)
    Insert(++at, keys[i].first + "=" + WritableValue(keys[i].second));
  return true;
}

bool IniDocument::EraseSection(std::string_view section) {
  const auto range = FindSection(section);
  if (!range) return false;
  Erase(range->begin - 1, range->end);
  return true;
}

bool IniDocument::EraseKey(std::string_view section, std::string_view key) {
  const auto range = FindSection(section);
  if (!range) return false;
  const auto index = FindKey(*range, key);
  if (!index) return false;
  Erase(*index, *index + 1);
  return true;
}

}  // namespace trv
