#pragma once
// The sections of TARVO.INI in file order, for a copy of a station to another folder: the
// sections the program leaves alone (BEACON..., MAIN, ...) and the user's own sections travel
// with their lines; the program's own sections and the command blocks the TNCs name travel as
// settings and blocks, and only their place in the order is kept here.
#include <string>
#include <vector>

namespace trv {

class Config;

struct CopiedSection {
  std::string name;
  std::vector<std::string> lines;  // "KEY=VALUE", in file order; empty for a carried section
  bool carried = false;            // its content travels as settings or as a command block
};

// In one operation; `blockNames` are the command blocks that travel of their own.
std::vector<CopiedSection> SectionsInFileOrder(const Config& config, const std::vector<std::string>& blockNames);

// The names of the sections that are here with other lines than `sections` give them, comma
// separated; empty when none. Throws IniInputError as WriteCopiedSections does for a name.
std::string SectionClashes(const Config& config, const std::vector<CopiedSection>& sections);

// Writes the sections that travel with their lines, each rewritten in place or appended. Into
// a file that has no section yet, every section's header is first put in the given order, so
// that the copy's sections stand as the source's stand. Throws IniInputError, before anything
// is written, for a name with [ or ], for lines given for one of the program's own sections
// (they come as settings), and for a line with no '=' or a name the file cannot hold.
void WriteCopiedSections(const Config& config, const std::vector<CopiedSection>& sections);

}  // namespace trv
