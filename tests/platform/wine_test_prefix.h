#pragma once
// Wine prefixes and serial devices for the tests, laid out as Wine and udev lay them out:
// dosdevices links, the registry file of tests/data/wine-prefix, /dev nodes and by-id links.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "platform/wine_ports.h"
#include "test_util.h"

namespace trv::test {

inline std::string WineRegistryFixture() { return ReadFile(std::string(TEST_DATA_DIR) + "/wine-prefix/system.reg"); }

// A prefix as wineboot leaves it, with the fixture's registry and the given comN links.
inline std::string MakeWinePrefix(const TempDir& dir, const std::map<int, std::string>& links = {}) {
  namespace fs = std::filesystem;
  const std::string prefix = dir / "prefix";
  fs::create_directories(prefix + "/drive_c");
  fs::create_directories(prefix + "/dosdevices");
  fs::create_directory_symlink("../drive_c", prefix + "/dosdevices/c:");
  fs::create_directory_symlink("/", prefix + "/dosdevices/z:");
  for (const auto& [n, target] : links) fs::create_symlink(target, prefix + "/dosdevices/com" + std::to_string(n));
  WriteFile(prefix + "/system.reg", WineRegistryFixture());
  return prefix;
}

// Device and server folders inside `dir`.
inline SerialHost SerialHostIn(const TempDir& dir) {
  SerialHost host;
  host.devDir = dir / "dev";
  host.byIdDir = dir / "dev/serial/by-id";
  host.sysTtyDir = dir / "sys";
  host.tempDir = dir / "tmp";
  std::filesystem::create_directories(host.byIdDir);
  std::filesystem::create_directories(host.tempDir);
  return host;
}

// The server folder of upstream Wine for `prefix`: <temp>/.wine-<uid>/server-<dev>-<inode>.
inline std::string WineServerFolder(const std::string& prefix, const SerialHost& host) {
  struct stat st {};
  ::stat(prefix.c_str(), &st);
  char name[64];
  std::snprintf(name, sizeof name, "server-%llx-%llx", static_cast<unsigned long long>(st.st_dev),
                static_cast<unsigned long long>(st.st_ino));
  return host.tempDir + "/.wine-" + std::to_string(host.uid) + "/" + name;
}

// A child process holds the lock file as a running wineserver does (a process sees no
// conflict with its own locks).
class ServerLock {
 public:
  explicit ServerLock(const std::string& lockFile) {
    int ready[2];
    if (::pipe(ready) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT, 0600);
      struct flock lock {};
      lock.l_type = F_WRLCK;
      ::fcntl(fd, F_SETLK, &lock);
      (void)!::write(ready[1], "x", 1);
      ::pause();
      ::_exit(0);
    }
    char c;
    (void)!::read(ready[0], &c, 1);
    ::close(ready[0]);
    ::close(ready[1]);
  }
  ~ServerLock() {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  ServerLock(const ServerLock&) = delete;
  ServerLock& operator=(const ServerLock&) = delete;

 private:
  pid_t pid_ = -1;
};

}  // namespace trv::test
