#pragma once
// The configuration store: every settings record the program keeps for its run, the host
// file system it lives on, and the shared operations on TARVO.INI.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini/ini_file.h"
#include "config/ini/ini_operation.h"
#include "config/store/records.h"
#include "platform/host_files.h"
#include "support/closed_time_list.h"
#include "support/directories.h"
#include "support/fheader.h"

namespace trv {

class FileReader;
class FileWriter;

struct StoreOptions {
  // The same reads, but no directory is created and what reading would write stays in memory.
  bool readOnly = false;
  // Where refused writes can be simulated; null writes to the disk.
  FileWriter* writer = nullptr;
  // Where read errors can be simulated; null reads from the disk.
  FileReader* reader = nullptr;
  // Collects what reading drops, replaces, clamps or cuts; null collects nothing.
  Findings* findings = nullptr;
  // Told of every directory that reading the DIR section asks for, in order.
  std::function<void(const std::string&)> directoryRequested;
  // Gets the host folders that reading made, outermost first, so that an action refused after
  // the read can take them away again; null: not collected.
  std::vector<std::string>* directoriesMade = nullptr;
  // A host file read and written in place of TARVO.INI (tarvoini check --file); empty: TARVO.INI.
  std::string otherFile;
  // Told while another program holds the folder's lock (DirectoryLock); false gives up.
  LockWaitNotice lockWaiting;
  // The first write of the run that changes an existing file keeps it as TARVO.BAK.
  bool keepBackup = false;
  // Told what went wrong after the file was written, when the write stands (TARVO.BAK could
  // not be put in place; the next run finishes it).
  std::function<void(const std::string&)> warning = {};
  // How long a read waits for a file that another program is writing (platform/settled_read.h).
  SettleBounds settle = {};
  // Told of each file that a save killed after its swap left beside TARVO.INI (host path): it
  // is kept, since it may hold another program's write.
  std::function<void(const std::string&)> displacedKept = {};
};

// Whether this run kept TARVO.BAK: decided by its first write.
struct BackupState {
  bool decided = false;
  bool kept = false;
};

class Config {
 public:
  explicit Config(HostFileSystem files, StoreOptions options = {});

  HostFileSystem Files;
  StoreOptions Options;

  StationSettings Station;
  std::array<TncEntry, kTncTableSize> TncTable{};
  std::int32_t TncCount = 0;
  Directories Dirs;
  DisplaySettings Display;
  LanguageSettings Language;
  ExtraSettings Extra;
  MailboxSettings Mailbox;
  FHeader FHeaderText;
  TClosedTimeCol ClosedTimes{10, 10};
  std::array<ColorEntry, kColorCount> ColorTable = InitialColorTable();
  SoundSettings Sound;

  // The file of the user action that runs now (RunAction); null between actions.
  mutable TIniFile* Action = nullptr;
  mutable BackupState Backup;
  // The host folders that reading would have made had readOnly not kept it from making them
  // (as lexically normal paths): a dry run finds them as the real run does.
  mutable std::vector<std::string> FoldersNotMade;

  std::string ConfigFilePath() const { return Dirs.GetProgramDir() + "TARVO.INI"; }
  // Every settings record back to its initial values, as before the first load.
  void ResetSettings();
  // Every settings record as `other` holds it.
  void CopySettingsFrom(const Config& other);
};

inline constexpr std::string_view kEndOfBlock = "END OF BLOCK";

// The host path of a file or folder that may be made or replaced: where it is, in any letter
// case, or where it would be made; empty on no drive. A folder that could not be listed or
// searched throws IniReadError: nothing is made beside a name it may hold in another case.
std::string HostPathToWrite(const Config& config, const std::string& windowsPath);

// A transaction's file at `hostPath`, reached through the store's options: their reader,
// writer, lock notice and findings.
IniTransactionFile TransactionFileOf(const Config& config, std::string hostPath, std::string shownPath);
// The configuration file (or the options' other file) as a transaction's file. Throws
// IniReadError when the drive letters cannot be listed.
IniTransactionFile ConfigTransactionFile(const Config& config);
// One section operation: within a user action (RunAction) it works on the action's file;
// alone it is an action of its own. Throws IniReadError, IniWriteError or IniInputError.
void RunOperation(const Config& config, const std::function<void(TIniFile&)>& body);
// One user action: `body` runs its section operations on one reading of the file, then the
// file is replaced once (nothing is written when nothing changed, or when `body` throws).
// When another program changed the file meanwhile, `body` runs again from a new read, with the
// settings records put back as they were before the first run. The first write of a run with
// keepBackup keeps the file as read as TARVO.BAK. With readOnly, nothing is written. Within an
// action `body` simply runs. Throws IniReadError, IniWriteError or IniInputError.
void RunAction(Config& config, const std::function<void(TIniFile&)>& body);

// Runs `body` as RunAction does, but writes nothing and takes no lock: the file as read and
// as the action would write it. Throws as RunAction does.
struct DryRun {
  std::string before, after;
};
DryRun RunDryAction(const Config& config, const std::function<void(TIniFile&)>& body);

// Makes `ini` the file of the config's action for as long as it lives.
class ActionScope {
 public:
  ActionScope(const Config& config, TIniFile* ini) : config_(config), outer_(config.Action) { config_.Action = ini; }
  ~ActionScope() { config_.Action = outer_; }
  ActionScope(const ActionScope&) = delete;
  ActionScope& operator=(const ActionScope&) = delete;

 private:
  const Config& config_;
  TIniFile* outer_;
};

// A read of the action's file that leaves no trace there, for as long as it lives: what it
// would add to the file is forgotten, and what it finds goes to `findings` (null: nowhere).
// Without an action (null `ini`) it does nothing.
class TracelessRead {
 public:
  TracelessRead(TIniFile* ini, Findings* findings)
      : ini_(ini),
        outer_(ini != nullptr ? ini->FindingsTarget() : nullptr),
        adds_(ini != nullptr ? ini->ReadAddsCount() : 0) {
    if (ini_ != nullptr) ini_->SetFindings(findings);
  }
  ~TracelessRead() {
    if (ini_ == nullptr) return;
    ini_->DropReadAddsFrom(adds_);
    ini_->SetFindings(outer_);
  }
  TracelessRead(const TracelessRead&) = delete;
  TracelessRead& operator=(const TracelessRead&) = delete;

 private:
  TIniFile* ini_;
  Findings* outer_;
  std::size_t adds_;
};

std::int32_t ReadIntegerInRange(TIniFile& ini, std::string_view section, std::string_view key, std::int32_t def,
                                std::int32_t min, std::int32_t max);
// The text cut to `width` characters; a cut is reported against the key.
std::string CutReported(TIniFile& ini, std::string_view section, std::string_view key, std::string text,
                        std::size_t width);
// Read string, cut to `width` characters; the cut is reported.
std::string ReadText(TIniFile& ini, std::string_view section, std::string_view key, std::string_view def,
                     std::size_t width);
void SplitAtSeparator(std::string& text, std::string_view separator, std::string& head);
// Whether the program reads the section or knows it and leaves it alone, in any letter case.
// A section the program reads and writes (STATION, DEVICE, ...), in any letter case.
bool IsOwnSection(std::string_view name);
// The same, or one it knows and leaves alone (BEACON..., MAIN, VALIDCALL, SFILE, SETTINGS).
bool IsKnownSection(std::string_view name);
bool ListUserSections(const Config& config, std::vector<std::string>* list);

}  // namespace trv

#include "config/sections/free_section.h"
#include "config/sections/station_section.h"
