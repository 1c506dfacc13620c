#include "platform/file_identity.h"

namespace trv {
namespace {

bool SameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

}  // namespace

bool operator==(const FileIdentity& a, const FileIdentity& b) {
  if (a.exists != b.exists) return false;
  if (!a.exists) return true;
  return a.device == b.device && a.inode == b.inode && a.size == b.size && SameTime(a.modified, b.modified) &&
         SameTime(a.changed, b.changed);
}

FileIdentity IdentityOfStat(const struct stat& st) {
  return FileIdentity{true, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim, S_ISREG(st.st_mode)};
}

FileIdentity IdentityOf(const std::string& hostPath) {
  struct stat st {};
  if (::stat(hostPath.c_str(), &st) != 0) return FileIdentity{};
  return IdentityOfStat(st);
}

}  // namespace trv
