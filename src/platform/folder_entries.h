#pragma once
// The entries of a host folder, read with error codes. A folder that exists but cannot be
// listed whole (EIO on a network or FUSE share, EACCES) is an error with its reason, never an
// empty or a missing folder.
#include <string>
#include <vector>

namespace trv {

struct FolderEntries {
  std::vector<std::string> names;  // host names (bytes as on disk), without . and ..; in no order
  bool missing = false;            // there is no such folder (or it is no folder)
  int error = 0;                   // errno when the folder exists but could not be listed whole
};

FolderEntries ListFolder(const std::string& hostDir);

}  // namespace trv
