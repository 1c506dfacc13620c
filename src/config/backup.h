#pragma once
// TARVO.BAK: the file as it was before an OK changed it, one step back.
#include <functional>
#include <string>

namespace trv {

class Config;
enum class SectionId;

// The backup beside TARVO.INI, as a Windows path.
std::string BackupFilePath(const Config& config);

// Saves as SaveAll does. Before the first write that changes the file, the file as it was is
// kept as TARVO.BAK (a new file renamed over the old backup, with the file's permissions); a
// save that changes nothing, or creates the file, keeps none. A refused backup refuses the
// save before anything is written (IniWriteError naming TARVO.BAK). The first write of a
// keeper decides: a second save after a refused one neither replaces the backup with the
// half-saved file nor keeps one of a file the first save created.
class BackupKeeper {
 public:
  // A keeper for the file as it is now, before loading: when there is none, its saves keep no
  // backup (what loading and saving create is not worth keeping).
  static BackupKeeper ForFileAsItIs(const Config& config);

  void SaveAll(Config& config, const std::function<void(SectionId)>& beforeWrite = {});
  bool Kept() const { return kept_; }

 private:
  bool started_ = false;  // a write went through this keeper
  bool kept_ = false;
};

// Puts TARVO.BAK back as TARVO.INI and keeps the file it replaces as TARVO.BAK, so a second
// restore undoes the first. False when there is no TARVO.BAK. A refused write leaves both
// files as they were; throws IniReadError or IniWriteError.
bool RestoreBackup(const Config& config);

}  // namespace trv
