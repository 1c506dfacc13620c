#pragma once
// One edit of the settings of TARVO.INI as the window makes it: load reads every section and
// keeps the base of OK's merge (what OK would write of the file as read); save merges the
// records onto the file as it is then, with the user's answers to the conflicts.
#include <functional>
#include <optional>
#include <set>

#include "config/store/findings.h"
#include "config/store/save_merge.h"
#include "config/store/sections.h"

namespace trv {

class Config;
class StoreError;

class EditSession {
 public:
  explicit EditSession(Config& config) : config_(config) {}

  struct LoadSteps {
    std::function<void(SectionId)> afterRead;        // a page fill
    std::function<void(const StoreError&)> onError;  // a step's own error; the later steps run
    std::function<void()> again;                     // read again from the start after another program's write
    // The file is left as read: what reading would add is not written (tarvoini's changes
    // write their own keys only).
    bool addNothing = false;
  };
  // One reading of the file for the records and the base, in one action. A read error, or the
  // refused write of what reading adds, is thrown; only a file that could be read gives a base.
  void Load(const LoadSteps& steps, Findings* findings = nullptr);
  bool Loaded() const { return base_.has_value(); }
  const SaveImage& Base() const { return *base_; }
  // OK: the records merged onto the file as it is now (SaveMerged).
  void Save(const std::set<SaveConflict>& decided, bool whole = false) const;
  // tarvoini's changes: writes only the keys OK would now write otherwise than the base, in
  // the action (within the load's action: the same reading); the DEVICE lines keep what
  // reading replaced in the fields the change left alone. Returns the writes made.
  IniWrites SaveChanges() const;

 private:
  Config& config_;
  std::optional<SaveImage> base_;
};

// tarvoini's resave: every section read and written as OK writes it, in one action (within a
// dry action: into its document).
void Resave(Config& config);

}  // namespace trv
