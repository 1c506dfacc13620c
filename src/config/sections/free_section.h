#pragma once
// A command block as the block editor shows it, what of it the editor cannot show, and its
// write that sees another program's change made while the editor was open.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace trv {

class Config;
class TIniFile;

// What the editor's lines leave out of a block as it stands in the file. Gaps in the line
// numbers and END OF BLOCK lines are normal and not counted.
struct BlockGaps {
  std::size_t cut = 0;       // lines longer than the editor keeps
  std::size_t unlisted = 0;  // lines past what the key list returns
  std::size_t named = 0;     // keys that are not line numbers
  std::size_t empty = 0;     // "N=" lines with nothing after the '='
  bool Whole() const { return cut + unlisted + named + empty == 0; }
  bool operator==(const BlockGaps&) const = default;
};

// What keeps a name from naming a command block: a section the program reads or knows and
// leaves alone (STATION, DEVICE, BEACON1, MAIN, ...) in any letter case, a character the TNC
// line or a section header cannot hold (`,` `[` `]`), or nothing but blanks. Every way a name
// comes in (the TNC page, the block editor, tarvoini set and apply, the portable copy) asks
// this. (An empty block field of a TNC is no name: it stands for the default block.)
enum class BlockNameFault { None, Empty, ProgramSection, Character };
inline constexpr std::string_view kBlockNameForbiddenCharacters = ",[]";
BlockNameFault CommandBlockNameFault(std::string_view name);
// The fault in words, for tarvoini and the store's errors; the window says it in its own.
std::string BlockNameFaultText(std::string_view name, BlockNameFault fault);

struct BlockView {
  std::vector<std::string> lines;  // as the editor shows them
  BlockGaps gaps;
  std::string inFile;  // every key line of the block as it reads, to see a change by another program
};

// The block's lines as the editor shows them: each line cut to what it keeps, END OF BLOCK
// lines left out.
void ReadFreeSection(const Config& config, std::string_view section, std::vector<std::string>& lines);
// Whether the block's keys can all be listed again by the next read (the key list holds
// 16,384 bytes of names), and how many lines fit at most.
bool FreeSectionFits(const std::vector<std::string>& lines);
std::size_t MaxFreeSectionLines();
// Rewrites the section in place; with no line that is not blank the section is removed. A
// block that does not fit throws IniInputError.
void WriteFreeSection(const Config& config, std::string_view section, const std::vector<std::string>& lines);

// Reads the block in one operation (a missing block gives an empty view).
BlockView ReadBlockView(const Config& config, std::string_view section);
// Within an operation: what the editor cannot show of the block.
BlockGaps GapsOfBlock(TIniFile& ini, std::string_view section);
// In words: "lines longer than 255 characters: 3; keys that are not line numbers: 2".
std::string DescribeGaps(const BlockGaps& gaps);
// Within an operation, for `tarvoini check`: each block the editor cannot show whole.
void ReportBlocksNotShownWhole(TIniFile& ini);

// Writes the lines as the block in one action, unless the block no longer reads as
// `expected` (BlockView::inFile): then nothing is written and the result is false. A null
// `expected` writes in any case. Throws the store's errors (IniInputError for a block the
// next read could not list whole, and for a name that cannot name a block).
bool WriteBlockIfUnchanged(const Config& config, std::string_view section, const std::vector<std::string>& lines,
                           const std::string* expected);

}  // namespace trv
