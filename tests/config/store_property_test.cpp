// Load all + save all over generated files: comments, duplicate sections and keys, quotes,
// NULs, odd spacing, LF and CR LF. The second round never changes a byte, and every line the
// program does not own survives, in order.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "config/config.h"
#include "config/sections.h"
#include "support/codepage.h"
#include "test_util.h"

namespace trv {
namespace {

using test::ProgramDir;

struct OwnedSection {
  std::string_view name;
  std::vector<std::string_view> keys;  // empty: every key line (DEVICE)
};

const std::vector<OwnedSection>& Owned() {
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

class FileGenerator {
 public:
  explicit FileGenerator(unsigned seed) : random_(seed) {}

  std::string Generate() {
    eol_ = Pick(2) == 0 ? "\n" : "\r\n";
    std::string file;
    if (Pick(3) == 0) file += "; before any section" + eol_;
    const int sections = 3 + Pick(12);
    for (int s = 0; s < sections; ++s) file += Section();
    if (Pick(4) == 0 && !file.empty()) file.resize(file.size() - eol_.size());  // no line break at the end
    return file;
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  std::string Name() {
    const auto& owned = Owned();
    const int which = Pick(static_cast<int>(owned.size()) + 3);
    if (which >= static_cast<int>(owned.size()))
      return std::array<const char*, 3>{"MINE", "BEACON1", "DEFINI"}[which - owned.size()];
    std::string name(owned[which].name);
    if (Pick(4) == 0) name[1] = static_cast<char>(name[1] - 'A' + 'a');  // names match without regard to case
    return name;
  }

  std::string Key(const std::string& section) {
    for (const auto& owned : Owned())
      if (EqualNoCase1252(owned.name, section) && !owned.keys.empty() && Pick(4) != 0)
        return std::string(owned.keys[Pick(static_cast<int>(owned.keys.size()))]);
    return std::array<const char*, 5>{"TNC0", "0", "1", "FOO", "HFG"}[Pick(5)];
  }

  std::string Value() {
    static const std::array<std::string, 14> values = {"1",
                                                       "0",
                                                       "abc",
                                                       "\"quoted\"",
                                                       "' both '",
                                                       "\"\"x\"\"",
                                                       std::string("de\0 >", 5),
                                                       "  spaced  ",
                                                       "",
                                                       "3,248,9600,8,1,1,144.8,DEFINI,DEFDEI",
                                                       "2230-0600,1--5",
                                                       "1e400",
                                                       "C:\\X\\",
                                                       "x=y"};
    return values[Pick(static_cast<int>(values.size()))];
  }

  std::string Line(const std::string& section) {
    switch (Pick(8)) {
      case 0: return "; comment " + std::to_string(Pick(100));
      case 1: return "";
      case 2: return "no equals here";
      case 3: return "  " + Key(section) + " =\t" + Value() + " ";
      default: return Key(section) + "=" + Value();
    }
  }

  std::string Section() {
    const std::string name = Name();
    std::string text = (Pick(5) == 0 ? " [ " + name + " ] " : "[" + name + "]") + eol_;
    const int lines = Pick(8);
    for (int i = 0; i < lines; ++i) text += Line(name) + eol_;
    return text;
  }

  std::mt19937 random_;
  std::string eol_;
};

std::vector<std::string> Lines(const std::string& file) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < file.size()) {
    std::size_t end = file.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = file.size();
    lines.push_back(file.substr(pos, end - pos));
    pos = end + (file.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

// The lines of the file that the program does not own: everything but the first key line of
// an owned key in the first section of an owned name (every key line of the first DEVICE).
std::vector<std::string> NotOwned(const std::string& file) {
  std::vector<std::string> kept;
  std::vector<std::string> seenSections, seenKeys;
  const OwnedSection* current = nullptr;
  for (const std::string& line : Lines(file)) {
    const std::string_view t = TrimIniBlanks(line);
    if (!t.empty() && t.front() == '[' && t.find(']') != std::string_view::npos) {
      const std::string name(TrimIniBlanks(t.substr(1, t.rfind(']') - 1)));
      current = nullptr;
      bool first = true;
      for (const auto& seen : seenSections) first = first && !EqualNoCase1252(seen, name);
      seenSections.push_back(name);
      for (const auto& owned : Owned())
        if (first && EqualNoCase1252(owned.name, name)) current = &owned;
      seenKeys.clear();
      kept.push_back(line);  // headers of owned sections stay too
      continue;
    }
    const auto eq = line.find('=');
    if (current == nullptr || t.empty() || t.front() == ';' || eq == std::string::npos) {
      kept.push_back(line);
      continue;
    }
    const std::string key(TrimIniBlanks(std::string_view(line).substr(0, eq)));
    bool firstOfKey = true;
    for (const auto& seen : seenKeys) firstOfKey = firstOfKey && !EqualNoCase1252(seen, key);
    seenKeys.push_back(key);
    bool owned = current->keys.empty();
    for (auto k : current->keys) owned = owned || EqualNoCase1252(k, key);
    if (!(owned && (firstOfKey || current->keys.empty()))) kept.push_back(line);
  }
  return kept;
}

bool IsSubsequence(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
  std::size_t at = 0;
  for (const auto& line : whole)
    if (at < part.size() && line == part[at]) ++at;
  return at == part.size();
}

void LoadAndSave(const ProgramDir& p) {
  Config c = p.MakeConfig();
  const auto errors = LoadAll(c);
  ASSERT_TRUE(errors.empty()) << errors.front();
  SaveAll(c);
}

TEST(StoreProperty, SecondRoundChangesNothingAndForeignLinesSurvive) {
  for (unsigned seed = 1; seed <= 150; ++seed) {
    const std::string original = FileGenerator(seed).Generate();
    ProgramDir p(original);
    LoadAndSave(p);
    const std::string once = p.Ini();
    LoadAndSave(p);
    ASSERT_EQ(p.Ini(), once) << "seed " << seed << "\n" << original;
    const auto foreign = NotOwned(original);
    ASSERT_TRUE(IsSubsequence(foreign, Lines(once))) << "seed " << seed << "\n" << original << "\n---\n" << once;
  }
}

}  // namespace
}  // namespace trv
