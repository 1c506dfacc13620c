#include <set>

#include "cli/commands.h"
#include "config/ini/ini_errors.h"
#include "config/ini/ini_file.h"

namespace trv {

// Only the verbs that write take the folder's lock (the others read the last whole file, which
// every write replaces at once), so a lock that cannot be taken refuses a write.
int ReportStoreError(const StoreError& error, CommandStreams io) {
  io.err << "tarvoini: " << error.Full() << "\n";
  if (dynamic_cast<const IniInputError*>(&error) != nullptr) return kUsage;
  if (dynamic_cast<const FolderLockError*>(&error) != nullptr) return kWriteFailed;
  if (dynamic_cast<const IniReadError*>(&error) != nullptr) return kReadFailed;
  return kWriteFailed;
}

std::function<void(const std::string&)> WarningLine(std::ostream& err) {
  return [&err](const std::string& text) { err << "tarvoini: warning: " << text << "\n" << std::flush; };
}

LockWaitNotice LockWaitLine(std::ostream& err) {
  return [&err, said = false](const LockWaiting& wait) mutable {
    if (!wait.over && !said) {
      err << "tarvoini: waiting for the folder " << wait.dir << ", which another program has locked (at most "
          << wait.limit.count() / 1000 << " seconds)\n"
          << std::flush;
      said = true;
    }
    return true;
  };
}

std::function<void(const std::string&)> KeptFileLine(std::ostream& err) {
  return [&err, said = std::set<std::string>()](const std::string& path) mutable {
    if (!said.insert(path).second) return;
    err << "tarvoini: kept " << path
        << ": a save that was stopped left the file it replaced there, which may hold another program's "
           "changes; look at it, then remove it\n"
        << std::flush;
  };
}

void RefuseEmptyFile(TIniFile& ini, bool init) {
  if (init || !ini.FileExisted() || !ini.OriginalBytes().empty()) return;
  throw IniReadError(ini.ShownPath(), "the file is empty; --init writes the settings over it");
}

}  // namespace trv
