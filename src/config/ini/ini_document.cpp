#include "config/ini/ini_document.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "config/ini/ini_scan.h"
#include "support/codepage.h"

namespace trv {
namespace {

// The name of a key line (not blank, not a comment, holding '='), trimmed.
std::optional<std::string_view> KeyName(std::string_view text) {
  const std::string_view trimmed = TrimIniBlanks(text);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const auto eq = text.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return TrimIniBlanks(text.substr(0, eq));
}

constexpr std::uint32_t kGone = static_cast<std::uint32_t>(-1);

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

IniDocument IniDocument::Parse(std::string bytes) {
  IniDocument doc;
  doc.bytes_ = std::make_unique<std::string>(std::move(bytes));
  const std::string_view all(*doc.bytes_);
  if (all.size() >= 2 && static_cast<unsigned char>(all[0]) == 0xFF && static_cast<unsigned char>(all[1]) == 0xFE) {
    doc.utf16_ = true;
    doc.starts_.push_back(0);
    doc.hashes_.push_back(0);
    doc.edited_[0];  // nothing is read from it
    return doc;
  }
  HeaderList headers = FindHeaders(all);
  doc.starts_ = std::move(headers.starts);
  doc.hashes_ = std::move(headers.hashes);
  // A line ends at its first CR or LF; CR LF is one break. New lines take LF alone when every
  // break of the file is one.
  if (all.find('\r') == std::string_view::npos && all.find('\n') != std::string_view::npos) doc.newEol_ = "\n";
  return doc;
}

const IniDocument::Edited* IniDocument::EditOf(std::size_t segment) const {
  if (edited_.empty()) return nullptr;
  const auto found = edited_.find(segment);
  return found == edited_.end() ? nullptr : &found->second;
}

std::string_view IniDocument::BytesOf(std::size_t segment) const {
  const std::size_t end = segment + 1 < starts_.size() ? starts_[segment + 1] : bytes_->size();
  return std::string_view(*bytes_).substr(starts_[segment], end - starts_[segment]);
}

std::string_view IniDocument::NameOf(std::size_t segment) const {
  if (const Edited* edited = EditOf(segment)) return edited->name;
  const std::string_view bytes = BytesOf(segment);
  return HeaderName(bytes.substr(0, LineEnd(bytes, 0))).value_or(std::string_view());
}

bool IniDocument::Erased(std::size_t segment) const {
  const Edited* edited = EditOf(segment);
  return edited != nullptr && edited->erased;
}

// Calls visit(index, line) for the segment's lines in order until it returns true; returns
// that line's index, or npos.
template <class Visit>
std::size_t IniDocument::VisitLines(std::size_t segment, Visit visit) const {
  if (const Edited* edited = EditOf(segment)) {
    if (edited->erased) return std::string_view::npos;
    for (std::size_t i = 0; i < edited->lines.size(); ++i)
      if (visit(i, edited->lines[i])) return i;
    return std::string_view::npos;
  }
  const std::string_view bytes = BytesOf(segment);
  std::size_t pos = 0;
  for (std::size_t i = 0; pos < bytes.size(); ++i) {
    const std::size_t end = LineEnd(bytes, pos);
    std::size_t eolLength = 0;
    if (end < bytes.size())
      eolLength = (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
    if (visit(i, Line{bytes.substr(pos, end - pos), bytes.substr(end, eolLength)})) return i;
    pos = end + eolLength;
  }
  return std::string_view::npos;
}

std::size_t IniDocument::LineCount(std::size_t segment) const {
  if (const Edited* edited = EditOf(segment)) return edited->erased ? 0 : edited->lines.size();
  std::size_t count = 0;
  VisitLines(segment, [&count](std::size_t, const Line&) {
    ++count;
    return false;
  });
  return count;
}

// The index of the segment's first line in the file: the lines before it as read, corrected
// by the segments edited or added before it. Lines are counted only as far as the segment
// asked for, and kept: a finding about a section near the top does not count the whole file.
std::size_t IniDocument::FirstLineOf(std::size_t segment) const {
  const std::size_t read = starts_.size();
  const std::size_t upTo = std::min(segment, read);
  if (linesBefore_.empty()) {
    linesBefore_.reserve(read + 1);
    linesBefore_.push_back(0);
  }
  while (linesBefore_.size() <= upTo)
    linesBefore_.push_back(linesBefore_.back() + CountLines(BytesOf(linesBefore_.size() - 1)));
  std::size_t line = linesBefore_[upTo];
  for (const auto& [index, edited] : edited_) {
    if (index >= segment) break;
    line += edited.erased ? 0 : edited.lines.size();
    if (index < read) line -= linesBefore_[index + 1] - linesBefore_[index];
  }
  return line;
}

bool IniDocument::WriteTo(const std::function<bool(std::string_view)>& put) const {
  for (std::size_t segment = 0; segment < SegmentCount(); ++segment) {
    if (const Edited* edited = EditOf(segment)) {
      if (edited->erased) continue;
      for (const Line& line : edited->lines)
        if (!put(line.text) || !put(line.eol)) return false;
      continue;
    }
    // Runs of unedited segments go as one piece.
    std::size_t end = segment + 1;
    while (end < starts_.size() && EditOf(end) == nullptr) ++end;
    const std::size_t stop = end < starts_.size() ? starts_[end] : bytes_->size();
    if (stop > starts_[segment] && !put(std::string_view(*bytes_).substr(starts_[segment], stop - starts_[segment])))
      return false;
    segment = end - 1;
  }
  return true;
}

std::string IniDocument::Serialize() const {
  std::size_t size = 0;
  WriteTo([&size](std::string_view piece) {
    size += piece.size();
    return true;
  });
  std::string out;
  out.reserve(size);
  WriteTo([&out](std::string_view piece) {
    out += piece;
    return true;
  });
  return out;
}

bool IniDocument::SameAsRead() const {
  const std::string_view read(*bytes_);
  std::size_t at = 0;
  const bool same = WriteTo([&](std::string_view piece) {
    // Unedited bytes stand where they were read; only what edits made is compared.
    if (piece.data() != read.data() + at && read.substr(at, piece.size()) != piece) return false;
    at += piece.size();
    return true;
  });
  return same && at == read.size();
}

// Puts the segment in the index unless it is erased or an earlier one has its name.
inline void IniDocument::IndexSegment(std::size_t segment) const {
  indexed_ = segment + 1;
  if (Erased(segment)) return;
  const std::uint32_t hash = hashes_[segment];
  const std::size_t mask = slots_.size() - 1;
  std::size_t free = slots_.size();
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const std::uint32_t slot = slots_[i];
    if (slot == 0) {
      slots_[free < slots_.size() ? free : i] = static_cast<std::uint32_t>(segment + 1);
      return;
    }
    if (slot == kGone) {
      if (free == slots_.size()) free = i;
    } else if (hashes_[slot - 1] == hash && EqualNoCase1252(NameOf(slot - 1), NameOf(segment))) {
      return;
    }
  }
}

void IniDocument::BuildIndex(std::size_t slots) const {
  slots_.assign(slots, 0);
  indexed_ = 0;
  // The slots are met in no order: each is fetched some segments ahead of its use.
  constexpr std::size_t kAhead = 16;
  const std::size_t mask = slots - 1;
  for (std::size_t segment = 1; segment < SegmentCount(); ++segment) {
#if defined(__GNUC__)
    if (segment + kAhead < hashes_.size()) __builtin_prefetch(&slots_[hashes_[segment + kAhead] & mask], 1);
#endif
    IndexSegment(segment);
  }
}

// The first segment from `from` on that is not erased and has that name, or npos. The hashes
// are compared 32 at a time, so that a name is looked for in a list of many quickly.
std::size_t IniDocument::FirstNamed(std::string_view section, std::uint32_t hash, std::size_t from) const {
  constexpr std::size_t kBlock = 32;
  const std::uint32_t* const hashes = hashes_.data();
  const std::size_t count = SegmentCount();
  for (std::size_t segment = from; segment < count; ++segment) {
    while (segment + kBlock <= count) {
      std::uint32_t matches = 0;
      for (std::size_t i = 0; i < kBlock; ++i) matches |= static_cast<std::uint32_t>(hashes[segment + i] == hash);
      if (matches != 0) break;
      segment += kBlock;
    }
    if (segment < count && hashes[segment] == hash && !Erased(segment) && EqualNoCase1252(NameOf(segment), section))
      return segment;
  }
  return std::string_view::npos;
}

// A name asked for again is known (looked for again only through the segments added since,
// when it had none); one not asked for yet is looked for through all the segments, unless
// `mayAdd` is false.
std::optional<std::size_t> IniDocument::FindAsked(std::string_view section, std::uint32_t hash, bool mayAdd,
                                                  bool& known) const {
  auto asked = std::find_if(asked_.begin(), asked_.end(),
                            [&](const Asked& a) { return a.hash == hash && EqualNoCase1252(a.name, section); });
  known = asked != asked_.end() || mayAdd;
  if (!known) return std::nullopt;
  if (asked == asked_.end())
    asked = asked_.insert(asked_.end(), Asked{std::string(section), hash, std::string_view::npos, 1});
  if (asked->segment == std::string_view::npos && asked->looked < SegmentCount()) {
    asked->segment = FirstNamed(section, hash, asked->looked);
    asked->looked = SegmentCount();
  }
  if (asked->segment == std::string_view::npos) return std::nullopt;
  return asked->segment;
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view section) const {
  // A document asked for a few names (as reading the program's sections asks) is not indexed:
  // the index of a large file costs more than going through its hashes for each of them.
  constexpr std::size_t kNamesBeforeIndex = 32;
  const std::uint32_t hash = FoldedHash(section);
  if (slots_.empty()) {
    bool known = false;
    const auto found = FindAsked(section, hash, asked_.size() < kNamesBeforeIndex, known);
    if (known) return found;
    asked_.clear();
  }
  if (indexed_ < SegmentCount()) {
    // At most half the slots in use, so that probes end soon.
    if (slots_.size() < 2 * SegmentCount() + 2) {
      std::size_t slots = 16;
      while (slots < 2 * SegmentCount() + 2) slots *= 2;
      BuildIndex(slots);
    } else {
      for (std::size_t segment = std::max<std::size_t>(indexed_, 1); segment < SegmentCount(); ++segment)
        IndexSegment(segment);
    }
  }
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const std::uint32_t slot = slots_[i];
    if (slot == 0) return std::nullopt;
    if (slot != kGone && hashes_[slot - 1] == hash && EqualNoCase1252(NameOf(slot - 1), section)) return slot - 1;
  }
}

std::optional<IniDocument::KeyLine> IniDocument::FindKey(std::size_t segment, std::string_view key) const {
  std::optional<KeyLine> found;
  VisitLines(segment, [&](std::size_t i, const Line& line) {
    if (i == 0) return false;  // the header
    const auto name = KeyName(line.text);
    if (!name || !EqualNoCase1252(*name, key)) return false;
    found = KeyLine{i, line.text};
    return true;
  });
  return found;
}

std::vector<IniDocument::KeyLine> IniDocument::KeyLines(std::size_t segment) const {
  std::vector<KeyLine> keyLines;
  VisitLines(segment, [&](std::size_t i, const Line& line) {
    if (i > 0 && KeyName(line.text)) keyLines.push_back(KeyLine{i, line.text});
    return false;
  });
  return keyLines;
}

std::size_t IniDocument::LastNonBlankLine(std::size_t segment) const {
  std::size_t last = 0;
  VisitLines(segment, [&last](std::size_t i, const Line& line) {
    if (!TrimIniBlanks(line.text).empty()) last = i;
    return false;
  });
  return last;
}

std::optional<std::string_view> IniDocument::RawValue(std::string_view section, std::string_view key) const {
  const auto found = FindSection(section);
  if (!found) return std::nullopt;
  const auto line = FindKey(*found, key);
  if (!line) return std::nullopt;
  return ValueOf(line->text);
}

std::vector<std::string> IniDocument::SectionNames(std::size_t limitBytes) const {
  std::vector<std::string> names;
  std::size_t used = 0;
  for (std::size_t segment = 1; segment < SegmentCount(); ++segment) {
    if (Erased(segment)) continue;
    const std::string_view name = NameOf(segment);
    used += name.size() + 1;
    if (used > limitBytes) break;
    names.emplace_back(name);
  }
  return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  const auto found = FindSection(section);
  if (!found) return names;
  for (const KeyLine& line : KeyLines(*found)) names.emplace_back(*KeyName(line.text));
  return names;
}

std::size_t IniDocument::LineNumber(std::string_view section, std::string_view key) const {
  const auto found = FindSection(section);
  if (!found) return 0;
  const std::size_t header = FirstLineOf(*found);
  if (key.empty()) return header + 1;
  const auto line = FindKey(*found, key);
  return line ? header + line->index + 1 : 0;
}

std::string_view IniDocument::Own(std::string text) { return written_.emplace_back(std::move(text)); }

IniDocument::Edited& IniDocument::Edit(std::size_t segment) {
  if (const auto found = edited_.find(segment); found != edited_.end()) return found->second;
  Edited edited;
  edited.name = NameOf(segment);
  VisitLines(segment, [&edited](std::size_t, const Line& line) {
    edited.lines.push_back(line);
    return false;
  });
  return edited_.emplace(segment, std::move(edited)).first->second;
}

// A line break goes to the line before when it is the last line of the file and has none.
void IniDocument::InsertLine(std::size_t segment, std::size_t at, std::string text) {
  auto& lines = Edit(segment).lines;
  if (at > 0 && lines[at - 1].eol.empty()) lines[at - 1].eol = newEol_;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{Own(std::move(text)), newEol_});
}

// A line ending in CR alone must not come to stand before an empty line ending in LF: the two
// breaks would read back as one CR LF, and the empty line would be gone. An empty line ending
// in CR LF between them keeps both. (The line after a segment is a header, never empty.)
void IniDocument::EraseLine(std::size_t segment, std::size_t at) {
  auto& lines = Edit(segment).lines;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
  if (at == 0 || at >= lines.size() || lines[at - 1].eol != "\r" || !lines[at].text.empty() || lines[at].eol != "\n")
    return;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{{}, "\r\n"});
}

bool IniDocument::ReplaceKeyLine(std::size_t segment, const KeyLine& line, std::string_view key,
                                 std::string_view value) {
  const auto name = KeyName(line.text);
  const bool sameName = name && EqualNoCase1252(*name, key);
  if (sameName && ReadableValue(ValueOf(line.text)) == value) return false;
  const std::string_view text = Own(std::string(sameName ? *name : key) + "=" + WritableValue(value));
  Edit(segment).lines[line.index].text = text;
  return true;
}

void IniDocument::AppendSection(std::string_view section,
                                const std::vector<std::pair<std::string, std::string>>& keys) {
  // The last line of the file takes a line break when it has none.
  for (std::size_t segment = SegmentCount(); segment-- > 0;) {
    if (LineCount(segment) == 0) continue;
    const Edited* edited = EditOf(segment);
    const bool ends = edited != nullptr ? !edited->lines.back().eol.empty() : IsLineBreak(BytesOf(segment).back());
    if (!ends) Edit(segment).lines.back().eol = newEol_;
    break;
  }
  Edited added;
  added.lines.push_back(Line{Own("[" + std::string(section) + "]"), newEol_});
  added.name = *HeaderName(added.lines.front().text);
  for (const auto& [key, value] : keys) added.lines.push_back(Line{Own(key + "=" + WritableValue(value)), newEol_});
  hashes_.push_back(FoldedHash(added.name));
  edited_.emplace(SegmentCount(), std::move(added));
  ++added_;
}

bool IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const auto found = FindSection(section);
  if (!found) {
    AppendSection(section, {{std::string(key), std::string(value)}});
    return true;
  }
  if (const auto line = FindKey(*found, key)) return ReplaceKeyLine(*found, *line, key, value);
  InsertLine(*found, LastNonBlankLine(*found) + 1, std::string(key) + "=" + WritableValue(value));
  return true;
}

bool IniDocument::RewriteSection(std::string_view section,
                                 const std::vector<std::pair<std::string, std::string>>& keys) {
  if (keys.empty()) return EraseSection(section);
  const auto found = FindSection(section);
  if (!found) {
    AppendSection(section, keys);
    return true;
  }
  const std::size_t segment = *found;
  const std::vector<KeyLine> keyLines = KeyLines(segment);
  bool changed = false;
  for (std::size_t i = 0; i < keyLines.size() && i < keys.size(); ++i)
    changed = ReplaceKeyLine(segment, keyLines[i], keys[i].first, keys[i].second) || changed;
  for (std::size_t i = keyLines.size(); i-- > keys.size();) {
    EraseLine(segment, keyLines[i].index);
    changed = true;
  }
  if (keys.size() <= keyLines.size()) return changed;
  std::size_t at = keyLines.empty() ? LastNonBlankLine(segment) : keyLines.back().index;
  for (std::size_t i = keyLines.size(); i < keys.size(); ++i)
    InsertLine(segment, ++at, keys[i].first + "=" + WritableValue(keys[i].second));
  return true;
}

bool IniDocument::AddSection(std::string_view section) {
  if (FindSection(section)) return false;
  AppendSection(section, {});
  return true;
}

bool IniDocument::EraseSection(std::string_view section) {
  const auto found = FindSection(section);
  if (!found) return false;
  Edit(*found).erased = true;
  if (slots_.empty()) {  // the next segment of that name, if any, is now the first
    for (Asked& asked : asked_) {
      if (asked.segment != *found) continue;
      asked.segment = FirstNamed(section, asked.hash, *found + 1);
      asked.looked = SegmentCount();
    }
    return true;
  }
  // Its slot goes to the next segment of that name, or is marked gone (probes pass it).
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = hashes_[*found] & mask;
  while (slots_[i] != *found + 1) i = (i + 1) & mask;
  slots_[i] = kGone;
  for (std::size_t next = *found + 1; next < SegmentCount(); ++next) {
    if (!Erased(next) && EqualNoCase1252(NameOf(next), section)) {
      slots_[i] = static_cast<std::uint32_t>(next + 1);
      break;
    }
  }
  return true;
}

bool IniDocument::EraseKey(std::string_view section, std::string_view key) {
  const auto found = FindSection(section);
  if (!found) return false;
  const auto line = FindKey(*found, key);
  if (!line) return false;
  EraseLine(*found, line->index);
  return true;
}

}  // namespace trv
