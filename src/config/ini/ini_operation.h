#pragma once
// One transaction on the INI file, from the lock to its release. Our own processes serialise
// their writing transactions by the folder's lock; a writer that does not lock (the terminal
// program rewrites the file in place, an editor renames its copy over it) is caught when the
// new file has taken the file's place and what it displaced is not the file read: the two
// swap back and the transaction runs again from the read.
#include <functional>
#include <string>

#include "config/ini/ini_file.h"
#include "platform/directory_lock.h"

namespace trv {

class FileReader;
class FileWriter;

inline constexpr int kOperationAttempts = 5;

// The file a transaction works on, and how it reaches the disk.
struct IniTransactionFile {
  std::string hostPath;  // empty: on no drive of this machine (reads as missing, refuses writes)
  std::string shownPath;
  FileReader& reader;
  FileWriter& writer;
  LockWaitNotice lockWaiting = {};  // told while another program holds the folder's lock
  Findings* findings = nullptr;     // what reading finds; a run that is not the last finds nothing
  SettleBounds settle = {};         // how long a read waits for a file being written
  // Told of each displaced file a killed run left that is kept (host path).
  std::function<void(const std::string&)> keptDisplaced = {};
};

enum class IniTransactionKind {
  // Takes the folder's lock, finishes or removes what killed runs left, writes what the body
  // changed, and runs again when another program wrote the file meanwhile.
  Write,
  // No lock: removes the temporary files killed runs left when the folder is free at once;
  // nothing is written.
  Read,
  // As Read, but the body's writes go into the text of the file, which is never written.
  DryRun,
};

struct IniTransactionSteps {
  std::function<void(TIniFile&)> body;
  // Writes what the body changed (Write only); a plain Commit when empty.
  std::function<TIniFile::CommitResult(TIniFile&)> write = {};
  // Before a run again: puts back what the lost run changed outside the file.
  std::function<void()> again = {};
};

// Lock, sweep, read, body, write, release: the one way the store reads and changes the file.
// The read waits for a file that another program is writing (file.settle).
// Reading happens at the body's first call that needs the file. When the write finds the file
// changed, runs again from the read, at most kOperationAttempts times; then throws
// IniWriteError and leaves the file as the other writer left it. Throws FolderLockError,
// IniReadError, IniWriteError, IniInputError, and whatever the steps throw.
void RunIniTransaction(const IniTransactionFile& file, IniTransactionKind kind, const IniTransactionSteps& steps);

}  // namespace trv
