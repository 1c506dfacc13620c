#pragma once
// Everything that touches the host file system. Paths come in as Windows paths
// (Windows-1252 bytes, backslashes, optional drive letter) and are mapped to host paths
// through the drive table; each name is matched without regard to case when the exact
// name does not exist.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drive_table.h"
#include "platform/windows_form.h"

namespace trv {

// What looking a Windows path up on the host found. "Missing" only when a complete listing of
// the folder did not hold the name in any letter case; a listing or a look that failed is
// `Failed`, never missing, so that nothing is made or replaced because of it.
struct HostLookup {
  enum class State { Found, Missing, Failed, Unreachable };
  State state = State::Unreachable;  // Unreachable: an unmapped drive or a UNC path
  std::string host;                  // Found: the entry's real path; Missing: where it would be made
  int error = 0;                     // Failed: the errno of the listing or look
  bool folder = false;               // Found: it is a folder

  bool Found() const { return state == State::Found; }
  bool Failed() const { return state == State::Failed; }
};

struct FileList {
  std::vector<std::string> names;
  int error = 0;  // errno of a folder that exists but could not be listed; then `names` is empty
};

// Takes away host folders that CreateDirectory made (outermost first, as it lists them), the
// innermost first; a folder that is no longer empty stays.
void RemoveMadeFolders(const std::vector<std::string>& made);

class HostFileSystem {
 public:
  HostFileSystem(DriveTable drives, std::string programDir);

  const DriveTable& Drives() const { return drives_; }
  const std::string& ProgramDir() const { return programDir_; }

  // Finds a Windows path on the host: every name matched exactly, else without regard to case.
  HostLookup Find(std::string_view windowsPath) const;
  // Host path (UTF-8) of a Windows path, for a look that only informs; empty for an unmapped
  // drive or a UNC path. A path whose lookup failed gives its names as they are written.
  std::optional<std::string> ToHost(std::string_view windowsPath) const;
  // Creates the directory and its missing parents; an existing one, an unmapped drive or a
  // failure to create is passed over. A lookup that failed creates nothing and gives its errno.
  // `made` (when given) gets the host folders it made, outermost first.
  int CreateDirectory(std::string_view windowsPath, std::vector<std::string>* made = nullptr) const;
  // True for an existing file that is not a directory.
  bool FileExists(std::string_view windowsPath) const;
  // The same, with `error` set (and false returned) when it cannot be told: the file or a
  // folder above it exists but cannot be searched (EACCES, EIO). A name too long for the
  // host (ENAMETOOLONG: a 255-character Windows name is longer in UTF-8) is missing.
  bool FileExists(std::string_view windowsPath, int& error) const;
  // Names (Windows-1252, as on disk) of the entries of `windowsDir` that match `mask`
  // (* and ?, without regard to case) and are valid Windows file names, ordered by name
  // without regard to case. A missing folder lists nothing; one that exists but cannot be
  // listed gives its error.
  FileList ListMatching(std::string_view windowsDir, std::string_view mask) const;

 private:
  // Find for a path that is not there as it is named: a look at each name on the way.
  static HostLookup FindNameByName(const std::string& root, const std::vector<std::string>& names);
  DriveTable drives_;
  std::string programDir_;
};

// Matches a name against a mask of * and ?, without regard to case.
bool MatchesMask(std::string_view name, std::string_view mask);

// The program directory as a Windows path: the executable's directory through the drive
// table; empty when that directory has no exact Windows form (WindowsFormOfDirectory says why).
std::string ProgramDirOfHostExecutable(const DriveTable& drives, const std::string& executableHostPath);

}  // namespace trv
