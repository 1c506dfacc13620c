#pragma once
// The verbs of tarvoini. Each returns the exit status:
// 0 success, 1 not found or findings, 2 usage error (also a value that cannot be written and
// a directory with no exact Windows form), 3 the file could not be written, 4 it could not be read;
// 5 (kUnexpectedError, support/last_handler.h) is main's, for an exception nothing else caught.
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/directory_lock.h"

namespace trv {

enum ExitStatus { kOk = 0, kNotFound = 1, kUsage = 2, kWriteFailed = 3, kReadFailed = 4 };

struct CommandStreams {
  std::ostream& out;
  std::ostream& err;
};

class StoreError;
class TIniFile;
class Config;
struct StoreOptions;

// The store over the program directory, or nothing (with the reason printed) when the
// directory is missing or has no exact Windows form: then nothing is read or written.
std::unique_ptr<Config> MakeConfig(const std::string& programDir, StoreOptions options, CommandStreams io);

// Prints the error with the system's reason and gives its exit status; the same error gives
// the same status in every verb.
int ReportStoreError(const StoreError& error, CommandStreams io);
// Says on `err`, once a wait has lasted a second, which folder's lock is waited for.
LockWaitNotice LockWaitLine(std::ostream& err);
// "tarvoini: warning: ..." for what went wrong after a write that stands.
std::function<void(const std::string&)> WarningLine(std::ostream& err);
// Says on `err`, once for each, where a save that was stopped left a file that may hold
// another program's changes.
std::function<void(const std::string&)> KeptFileLine(std::ostream& err);
// A TARVO.INI that is there but stayed empty while the read waited for it (cut by a program
// that is about to write it anew, or emptied): the settings are written over it only with
// `init`, else IniReadError naming why.
void RefuseEmptyFile(TIniFile& ini, bool init);

// The folder a verb works on: `dirOption` (--dir) when given, else the current folder or the
// nearest folder above it that holds TARVO.INI (on the same file system, up to the first folder
// that cannot be listed), else the folder the window remembers (platform/remembered_folder.h),
// else the current folder. With `init` (--init: a new station folder on purpose) it is
// `dirOption` or the current folder, taken without TARVO.INI and never looked for above.
struct FolderChoice {
  std::string dir;      // a host path
  std::string refusal;  // why the folder is not taken (exit status 2); empty when it is
  std::string origin;   // how it was found ("remembered by trvcfg"); empty for --dir
};
// `needsConfigFile`: a folder without TARVO.INI is refused unless `init` is given.
FolderChoice ChooseFolder(const std::string& dirOption, bool init, bool needsConfigFile);
// "tarvoini: station FOLDER (ORIGIN)", said on stderr when the folder did not come from --dir.
std::string StationLine(const FolderChoice& folder);

// `portable` (with json): folders and wave files below the program folder relative to it, and
// the command blocks the TNCs name with their lines. `raw`: numbers as the file holds them, not
// in the window's forms.
struct ShowForm {
  bool json = false, portable = false, raw = false, changed = false;
};
// `programDir` is a host path.
int ShowCommand(const std::string& programDir, ShowForm form, CommandStreams io);
// `file`: a host file checked in place of TARVO.INI (check --file); empty: TARVO.INI.
int CheckCommand(const std::string& programDir, const std::string& file, CommandStreams io);
// Saves as OK does, keeping the file as it was as TARVO.BAK when the save changes it.
int ResaveCommand(const std::string& programDir, bool init, CommandStreams io);
// Puts TARVO.BAK back, keeping the current file as TARVO.BAK.
int RestoreCommand(const std::string& programDir, CommandStreams io);
// args: the words after "ini".
int IniCommand(const std::vector<std::string>& args, CommandStreams io);
// Saves as OK does without writing: the difference as a unified diff; 1 when there is one.
int ResaveDryRunCommand(const std::string& programDir, bool init, CommandStreams io);
// The settings by the names show prints.
int NamesCommand(const std::string& programDir, CommandStreams io);
// `raw`: a number as the file holds it, not in the window's form.
int GetCommand(const std::string& programDir, const std::string& name, bool raw, CommandStreams io);
// NAME VALUE pairs, checked as the window checks them, written in one step (or, dry, shown).
// `init` (--init): the writing verbs write over a TARVO.INI that stays empty (RefuseEmptyFile).
int SetCommand(const std::string& programDir, const std::vector<std::string>& pairs, bool dryRun, bool init,
               CommandStreams io);
// Every setting a `show --json` output names.
// Relative folders and wave files go below the program folder; the command blocks it holds are
// written, refusing (exit status 2) to replace one with other lines unless `replaceBlocks`.
int ApplyCommand(const std::string& programDir, const std::string& jsonFile, bool dryRun, bool replaceBlocks, bool init,
                 CommandStreams io);
// tnc add, tnc del N: as the TNC page adds and deletes.
int TncCommand(const std::string& programDir, const std::vector<std::string>& args, bool dryRun, bool init,
               CommandStreams io);

}  // namespace trv
