#pragma once
// Which file a path names, and in what state: another writer that replaces or rewrites the
// file changes at least one of these.
#include <sys/stat.h>
#include <sys/types.h>

#include <ctime>
#include <string>

namespace trv {

struct FileIdentity {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};
  bool regular = false;  // a regular file, not a folder, pipe or device
};

bool operator==(const FileIdentity& a, const FileIdentity& b);

// The identity of what `hostPath` names after following symlinks; a missing file has
// `exists` false.
FileIdentity IdentityOf(const std::string& hostPath);
FileIdentity IdentityOfStat(const struct stat& st);

}  // namespace trv
