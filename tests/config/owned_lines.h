#pragma once
// Which lines of a TARVO.INI the program owns, as a model independent of the INI layer: the
// property test and the store fuzz target check that every other line survives load all +
// save all byte for byte, in order.
#include <string>
#include <string_view>
#include <vector>

#include "config/ini/ini_document.h"
#include "support/codepage.h"

namespace trv::test {

struct OwnedSection {
  std::string_view name;
  std::vector<std::string_view> keys;  // empty: every key line (DEVICE)
};

inline const std::vector<OwnedSection>& Owned() {
  static const std::vector<OwnedSection> owned = {
      {"STATION", {"CALL", "QTH"}},
      {"DIR", {"RD", "WD", "MD", "ID", "PD", "SD", "TD"}},
      {"DISPLAY", {"ETD", "SBL", "MEL", "SAVERX", "SAVETX", "EDITBB", "RXBB"}},
      {"COLOR", {"LFG",  "LBG",  "NFG",  "NBG",  "MFG",  "MBG",  "EFG",  "EBG",  "RFG",  "RBG",   "HFG0",
                 "HBG0", "HFG1", "HBG1", "HFG2", "HBG2", "HFG3", "HBG3", "CCOL", "SCOL", "FILLBG"}},
      {"SOUND", {"STARTUP", "CONNECT", "DISCON", "RECON", "LFAIL", "RING", "CTRLG"}},
      {"EXTRA", {"NODECALL", "NODETO", "PROMPT",  "FORTUNE",   "DLINK",   "SPY",     "BOX",
                 "LBROAD",   "LDXC",   "SRESYNC", "MULTILINE", "UTC",     "POR",     "DUP",
                 "SUPBIN",   "TPRI",   "CONMODE", "OLCSOUND",  "WAVEMCI", "NOSOUND", "PWBOX"}},
      {"MAILBOX", {"BOXCALL", "HPATH",   "FHEADER", "SYSMTO",   "DEFBOARD",  "DEFLT",     "GARBAT",
                   "RESTART", "TIMEOUT", "MOBID",   "SMLIFE",   "SMROUTE",   "FHINCL",    "FHBID",
                   "GARMEM",  "QZDOS",   "PAM",     "BLINKLED", "BLINKICON", "CLOSEDTIME"}},
      {"LANGUAGE", {"VISUAL", "OUTPUT"}},
      {"DEVICE", {}},
  };
  return owned;
}

// One line of the file: its text and its line ending (empty for a last line without one).
struct FileLine {
  std::string text;
  std::string eol;
  bool operator==(const FileLine&) const = default;
};

// Lines end at CR LF, LF or CR.
inline std::vector<FileLine> Lines(std::string_view file) {
  std::vector<FileLine> lines;
  std::size_t pos = 0;
  while (pos < file.size()) {
    std::size_t end = file.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = file.size();
    const std::size_t eolSize = file.substr(end, 2) == "\r\n" ? 2 : (end < file.size() ? 1 : 0);
    lines.push_back({std::string(file.substr(pos, end - pos)), std::string(file.substr(end, eolSize))});
    pos = end + eolSize;
  }
  return lines;
}

// The name of a section header line, or false when the line is none.
inline bool HeaderName(std::string_view line, std::string& name) {
  const std::string_view t = TrimIniBlanks(line);
  if (t.empty() || t.front() != '[' || t.find(']') == std::string_view::npos) return false;
  name = std::string(TrimIniBlanks(t.substr(1, t.rfind(']') - 1)));
  return true;
}

inline bool SeenBefore(std::vector<std::string>& seen, const std::string& name) {
  for (const auto& s : seen)
    if (EqualNoCase1252(s, name)) return true;
  seen.push_back(name);
  return false;
}

// The lines of the file that the program does not own: everything but the first key line of
// an owned key in the first section of an owned name (every key line of the first DEVICE).
inline std::vector<FileLine> NotOwned(std::string_view file) {
  std::vector<FileLine> kept;
  std::vector<std::string> seenSections, seenKeys;
  const OwnedSection* current = nullptr;
  for (FileLine& line : Lines(file)) {
    std::string name;
    if (HeaderName(line.text, name)) {
      current = nullptr;
      const bool first = !SeenBefore(seenSections, name);
      for (const auto& owned : Owned())
        if (first && EqualNoCase1252(owned.name, name)) current = &owned;
      seenKeys.clear();
      kept.push_back(std::move(line));  // headers of owned sections stay too
      continue;
    }
    const std::string_view t = TrimIniBlanks(line.text);
    const auto eq = line.text.find('=');
    if (current == nullptr || t.empty() || t.front() == ';' || eq == std::string::npos) {
      kept.push_back(std::move(line));
      continue;
    }
    const std::string key(TrimIniBlanks(std::string_view(line.text).substr(0, eq)));
    const bool firstOfKey = !SeenBefore(seenKeys, key);
    bool owned = current->keys.empty();
    for (auto k : current->keys) owned = owned || EqualNoCase1252(k, key);
    if (!(owned && (firstOfKey || current->keys.empty()))) kept.push_back(std::move(line));
  }
  return kept;
}

// Whether `part` stands in `whole` in order, each line with its own line ending; a last line
// without one may have gained one (a key was added after it).
inline bool SurvivesIn(const std::vector<FileLine>& part, const std::vector<FileLine>& whole) {
  std::size_t at = 0;
  for (const auto& line : whole) {
    if (at == part.size()) break;
    if (line == part[at] || (part[at].eol.empty() && line.text == part[at].text)) ++at;
  }
  return at == part.size();
}

// The bytes before the first section header (the preamble, which nothing can read).
inline std::string_view Preamble(std::string_view file) {
  std::size_t pos = 0;
  for (const FileLine& line : Lines(file)) {
    std::string name;
    if (HeaderName(line.text, name)) return file.substr(0, pos);
    pos += line.text.size() + line.eol.size();
  }
  return file;
}

}  // namespace trv::test
