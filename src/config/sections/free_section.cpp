#include "config/sections/free_section.h"

#include <algorithm>

#include "config/ini/ini_errors.h"
#include "config/ini/ini_scan.h"
#include "config/store/config.h"
#include "support/text.h"

namespace trv {
namespace {

bool IsLineNumber(std::string_view key) {
  return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The editor's lines of ReadSectionValues' "KEY=VALUE" entries.
std::vector<std::string> ShownLines(std::vector<std::string> entries) {
  std::vector<std::string> lines;
  for (std::string& entry : entries) {
    const auto eq = entry.find('=');
    std::string line = eq == std::string::npos ? std::move(entry) : entry.substr(eq + 1);
    if (line.size() > kShortStringMax) line.resize(kShortStringMax);
    if (line != kEndOfBlock) lines.push_back(std::move(line));
  }
  return lines;
}

std::string InFile(TIniFile& ini, std::string_view section) {
  std::string text;
  for (const std::string& key : ini.AllKeyNames(section)) text += key + "=" + ini.ReadString(section, key, "") + "\n";
  return text;
}

std::vector<std::pair<std::string, std::string>> FreeSectionKeys(const std::vector<std::string>& lines) {
  std::vector<std::pair<std::string, std::string>> keys;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!TrimControls(lines[i]).empty()) keys.emplace_back(std::to_string(i), lines[i]);
  return keys;
}

// The bytes the key list takes: each name with its terminating zero.
std::size_t ListBytes(std::size_t bytes, const std::string& name) { return bytes + name.size() + 1; }

}  // namespace

void ReadFreeSection(const Config& config, std::string_view section, std::vector<std::string>& lines) {
  lines = ReadBlockView(config, section).lines;
}

bool FreeSectionFits(const std::vector<std::string>& lines) {
  std::size_t bytes = 0;
  for (const auto& [key, value] : FreeSectionKeys(lines)) bytes = ListBytes(bytes, key);
  return bytes <= kMaxListBytes;
}

std::size_t MaxFreeSectionLines() {
  std::size_t lines = 0;
  for (std::size_t bytes = 0; (bytes = ListBytes(bytes, std::to_string(lines))) <= kMaxListBytes;) ++lines;
  return lines;
}

void WriteFreeSection(const Config& config, std::string_view section, const std::vector<std::string>& lines) {
  WriteBlockIfUnchanged(config, section, lines, nullptr);
}

BlockGaps GapsOfBlock(TIniFile& ini, std::string_view section) {
  BlockGaps gaps;
  std::vector<std::string> listed;
  ini.ReadSection(section, listed);
  gaps.unlisted = ini.AllKeyNames(section).size() - listed.size();
  for (const std::string& key : listed) {
    const std::string value = ini.ReadString(section, key, "");
    if (value == kEndOfBlock) continue;
    if (value.empty())
      ++gaps.empty;
    else if (!IsLineNumber(key))
      ++gaps.named;
    if (value.size() > kShortStringMax) ++gaps.cut;
  }
  return gaps;
}

BlockView ReadBlockView(const Config& config, std::string_view section) {
  BlockView view;
  RunOperation(config, [&](TIniFile& ini) {
    std::vector<std::string> entries;
    ini.ReadSectionValues(section, entries);
    view.lines = ShownLines(std::move(entries));
    view.gaps = GapsOfBlock(ini, section);
    view.inFile = InFile(ini, section);
  });
  return view;
}

BlockNameFault CommandBlockNameFault(std::string_view name) {
  const std::string_view trimmed = TrimIniBlanks(name);
  if (trimmed.empty()) return BlockNameFault::Empty;
  if (trimmed.find_first_of(kBlockNameForbiddenCharacters) != std::string_view::npos) return BlockNameFault::Character;
  if (IsKnownSection(trimmed)) return BlockNameFault::ProgramSection;
  return BlockNameFault::None;
}

std::string BlockNameFaultText(std::string_view name, BlockNameFault fault) {
  switch (fault) {
    case BlockNameFault::None: return {};
    case BlockNameFault::Empty: return "a command block needs a name";
    case BlockNameFault::Character:
      return "a command block's name may not hold a comma or square brackets: '" + std::string(name) + "'";
    case BlockNameFault::ProgramSection:
      return "[" + std::string(TrimIniBlanks(name)) +
             "] holds the program's own settings and cannot be a command block";
  }
  return {};
}

std::string DescribeGaps(const BlockGaps& gaps) {
  std::string text;
  const auto add = [&text](std::size_t count, const std::string& what) {
    if (count > 0) text += (text.empty() ? "" : "; ") + what + ": " + std::to_string(count);
  };
  add(gaps.unlisted, "lines past what TARVO.INI lists of a block");
  add(gaps.cut, "lines longer than " + std::to_string(kShortStringMax) + " characters");
  add(gaps.named, "keys that are not line numbers");
  add(gaps.empty, "empty lines");
  return text;
}

void ReportBlocksNotShownWhole(TIniFile& ini) {
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  for (const std::string& section : sections) {
    if (IsKnownSection(section)) continue;
    const BlockGaps gaps = GapsOfBlock(ini, section);
    if (!gaps.Whole())
      ini.Report(section, {}, "the block editor cannot show the whole block (" + DescribeGaps(gaps) + ")");
  }
}

bool WriteBlockIfUnchanged(const Config& config, std::string_view section, const std::vector<std::string>& lines,
                           const std::string* expected) {
  if (const BlockNameFault fault = CommandBlockNameFault(section); fault != BlockNameFault::None)
    throw IniInputError(BlockNameFaultText(section, fault));
  if (!FreeSectionFits(lines))
    throw IniInputError("the block has more lines than the next read can list (at most " +
                        std::to_string(MaxFreeSectionLines()) + ")");
  const auto keys = FreeSectionKeys(lines);
  bool written = false;
  RunOperation(config, [&](TIniFile& ini) {
    written = expected == nullptr || InFile(ini, section) == *expected;
    if (written) ini.RewriteSection(section, keys);
  });
  return written;
}

}  // namespace trv
