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

  // Host path (UTF-8) of a Windows path; empty for an unmapped drive or a UNC path.
  std::optional<std::string> ToHost(std::string_view windowsPath) const;
  // The same; `error` is set to the errno of a folder on the way that could not be searched
  // for a name in another letter case.
  std::optional<std::string> ToHost(std::string_view windowsPath, int& error) const;
  // Creates the directory and its missing parents; an existing one, an unmapped drive or a
  // failure is passed over. `made` (when given) gets the host folders it made, outermost first.
  void CreateDirectory(std::string_view windowsPath, std::vector<std::string>* made = nullptr) const;
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
  // ToHost; `folder` is set when the path is a folder as it is named (not when it is there
  // only in another letter case).
  std::optional<std::string> ToHost(std::string_view windowsPath, int& error, bool* folder) const;
  DriveTable drives_;
  std::string programDir_;
};

// Matches a name against a mask of * and ?, without regard to case.
bool MatchesMask(std::string_view name, std::string_view mask);

// The program directory as a Windows path: the executable's directory through the drive
// table; empty when that directory has no exact Windows form (WindowsFormOfDirectory says why).
std::string ProgramDirOfHostExecutable(const DriveTable& drives, const std::string& executableHostPath);

}  // namespace trv
