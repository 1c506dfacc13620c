#include "config/sections/copied_sections.h"

#include <algorithm>

#include "config/ini/ini_errors.h"
#include "config/store/config.h"
#include "support/codepage.h"

namespace trv {
namespace {

std::vector<std::string> LinesOf(TIniFile& ini, const std::string& section) {
  std::vector<std::string> lines;
  for (const std::string& key : ini.AllKeyNames(section)) lines.push_back(key + "=" + ini.ReadString(section, key, ""));
  return lines;
}

IniKeys KeysOf(const CopiedSection& section) {
  IniKeys keys;
  for (const std::string& line : section.lines) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) throw IniInputError("[" + section.name + "] '" + line + "' is no KEY=VALUE line");
    keys.emplace_back(line.substr(0, equals), line.substr(equals + 1));
  }
  return keys;
}

// A header the file can hold, and lines only for sections whose content travels as lines.
void CheckNames(const std::vector<CopiedSection>& sections) {
  for (const CopiedSection& s : sections) {
    if (s.name.find_first_of("[]") != std::string::npos)
      throw IniInputError("[" + s.name + "]: a section's name cannot hold [ or ]");
    if (!s.carried && IsOwnSection(s.name))
      throw IniInputError("[" + s.name + "] holds the program's own settings: its lines come as settings");
  }
}

}  // namespace

std::vector<CopiedSection> SectionsInFileOrder(const Config& config, const std::vector<std::string>& blockNames) {
  std::vector<CopiedSection> sections;
  RunOperation(config, [&](TIniFile& ini) {
    std::vector<std::string> names;
    ini.ReadSections(names);
    for (const std::string& name : names) {
      if (std::any_of(sections.begin(), sections.end(), [&](const auto& s) { return EqualNoCase1252(s.name, name); }))
        continue;  // the first section of a name is the one the program reads
      const bool carried = IsOwnSection(name) || std::any_of(blockNames.begin(), blockNames.end(),
                                                             [&](const auto& b) { return EqualNoCase1252(b, name); });
      sections.push_back({name, carried ? std::vector<std::string>{} : LinesOf(ini, name), carried});
    }
  });
  return sections;
}

std::string SectionClashes(const Config& config, const std::vector<CopiedSection>& sections) {
  CheckNames(sections);
  std::string clashes;
  RunOperation(config, [&](TIniFile& ini) {
    for (const CopiedSection& s : sections) {
      if (s.carried) continue;
      const std::vector<std::string> held = LinesOf(ini, s.name);
      if (!held.empty() && held != s.lines) clashes += (clashes.empty() ? "" : ", ") + s.name;
    }
  });
  return clashes;
}

void WriteCopiedSections(const Config& config, const std::vector<CopiedSection>& sections) {
  CheckNames(sections);
  RunOperation(config, [&](TIniFile& ini) {
    std::vector<std::string> present;
    ini.ReadSections(present);
    if (present.empty())
      for (const CopiedSection& s : sections) ini.AddSection(s.name);
    for (const CopiedSection& s : sections)
      if (!s.carried && !s.lines.empty()) ini.RewriteSection(s.name, KeysOf(s));
  });
}

}  // namespace trv
