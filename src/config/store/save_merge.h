#pragma once
// OK as a merge: what save all writes, key by key, from the file as the window loaded it, from
// the window's records, and from the file as it is now. A key only the window changed is
// written; a key only another program changed keeps that program's value; a key both changed
// to different values is a conflict for the user to decide. The TNC list counts as one key,
// and values are compared as they read, never as bytes.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "config/ini/ini_file.h"

namespace trv {

class Config;

class SaveImage {
 public:
  // What save all writes from these records; nothing is read or written. Throws
  // IniInputError for a value that cannot be written.
  static SaveImage Of(const Config& records);
  // What save all would write after loading the file as it is (within an action: the action's
  // file; the action's file is left as it was). Findings of that load go to `findings`.
  // Throws IniReadError.
  static SaveImage OfFile(const Config& config, Findings* findings = nullptr);

  const IniWrites& Writes() const { return writes_; }
  // Made by OfFile from a file that was there.
  bool FromFile() const { return fromFile_; }
  // Made by OfFile from a file that held at least one byte.
  bool HeldBytes() const { return heldBytes_; }
  // The value written for a write's key ("KEY=VALUE" lines for a whole section); none when
  // save all does not write it.
  std::optional<std::string> ValueOf(const IniWrite& write) const;

 private:
  void Index();
  IniWrites writes_;
  bool fromFile_ = false;
  bool heldBytes_ = false;
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

struct SaveConflict {
  std::string name;      // "[STATION] CALL", "[DEVICE]" for the TNC list
  std::string inFile;    // what another program wrote, as save all would write it
  std::string inWindow;  // what the window would write
  bool operator<(const SaveConflict& o) const {
    return std::tie(name, inFile, inWindow) < std::tie(o.name, o.inFile, o.inWindow);
  }
  bool operator==(const SaveConflict&) const = default;
};

// The merge of one OK.
class SaveMerge {
 public:
  SaveMerge(const SaveImage& loaded, const SaveImage& window, const SaveImage& now)
      : loaded_(loaded), window_(window), now_(now) {}
  std::vector<SaveConflict> Conflicts() const;
  // Writes the window's keys onto the action's file, but for those only another program changed.
  void WriteOnto(TIniFile& ini) const;

 private:
  bool WindowChanged(const IniWrite& write) const { return window_.ValueOf(write) != loaded_.ValueOf(write); }
  bool OtherChanged(const IniWrite& write) const { return now_.ValueOf(write) != loaded_.ValueOf(write); }
  const SaveImage& loaded_;
  const SaveImage& window_;
  const SaveImage& now_;
};

// Thrown inside OK's action when a conflict is found that the user has not yet decided:
// nothing is written and the lock is let go while the user is asked.
struct UndecidedConflicts {
  std::vector<SaveConflict> conflicts;
};

// Each key of the file that OK and resave write with another value, with that value (findings
// of the kind Rewritten). Keys they add to the file are not named. Throws IniReadError.
Findings ValuesOkRewrites(const Config& config);

// Thrown by OK before anything is written when TARVO.INI, there when the window loaded it, is
// missing now or no longer a regular file: there is nothing to merge with.
struct FileVanished {
  bool notRegular = false;  // something else stands at its path
};

// Thrown by OK before anything is written when TARVO.INI, which held settings when the window
// loaded it, is empty now (after the read gave it time to be filled): cut by another program,
// or emptied on purpose.
struct FileEmptied {};

// OK: stores nothing itself; merges the window's records (`window`) onto the file as it is
// now, against `loaded`, in one action. Conflicts in `decided` are written as the window has
// them; any other conflict throws UndecidedConflicts. A file that vanished throws FileVanished,
// one that became empty FileEmptied;
// with `whole`, every section the program owns is written in full, without a merge. Throws the
// store's errors.
void SaveMerged(Config& config, const SaveImage& loaded, const std::set<SaveConflict>& decided, bool whole = false);

}  // namespace trv
