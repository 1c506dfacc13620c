#pragma once
// Temporary program directories and file helpers for the tests.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "config/store/config.h"
#include "platform/atomic_file_writer.h"

namespace trv::test {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "trvtest.XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// A file of tests/data/ini, byte for byte.
// The names in `dir` that start with a dot (what our writers make beside a file), sorted.
inline std::vector<std::string> HiddenFiles(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir))
    if (e.path().filename().string()[0] == '.') names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Sets the file's modification time.
inline void SetModified(const std::string& path, std::chrono::system_clock::time_point when) {
  const auto since = when.time_since_epoch();
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
  const timespec times[2] = {
      {0, UTIME_OMIT},
      {static_cast<time_t>(seconds.count()),
       static_cast<long>(std::chrono::duration_cast<std::chrono::nanoseconds>(since - seconds).count())}};
  ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

inline std::string IniFixture(const std::string& name) { return ReadFile(TEST_DATA_DIR "/ini/" + name); }

// A program directory C:\ mapped onto a temporary folder, with its TARVO.INI.
class ProgramDir {
 public:
  explicit ProgramDir(const std::string& ini = {}, bool withFile = true) {
    if (withFile) WriteFile(IniPath(), ini);
  }
  std::string IniPath() const { return dir / "TARVO.INI"; }
  std::string Ini() const { return ReadFile(IniPath()); }
  void SetIni(const std::string& bytes) const { WriteFile(IniPath(), bytes); }
  HostFileSystem Files() const { return HostFileSystem(DriveTable({{'C', dir.path().string()}}), "C:\\"); }
  // Reads never wait for a file to settle; a test of that makes its Config itself.
  Config MakeConfig(StoreOptions options = {}) const {
    options.settle = SettleBounds::None();
    return Config(Files(), std::move(options));
  }

  TempDir dir;
};

// `flock DIR sleep 600` in another process, as long as the guard lives: the folder's lock held
// the way another of our processes (or the user's shell) holds it.
class ForeignFolderLock {
 public:
  explicit ForeignFolderLock(const std::string& dir) {
    pid_ = ::fork();
    if (pid_ == 0) {
      ::setpgid(0, 0);  // a group of its own: flock and its sleep end together
      ::execlp("flock", "flock", dir.c_str(), "sleep", "600", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int i = 0; i < 500 && ::flock(fd, LOCK_EX | LOCK_NB) == 0; ++i) {  // until the other one has it
      ::flock(fd, LOCK_UN);
      ::usleep(10'000);
    }
    ::close(fd);
  }
  ~ForeignFolderLock() { Release(); }
  ForeignFolderLock(const ForeignFolderLock&) = delete;
  ForeignFolderLock& operator=(const ForeignFolderLock&) = delete;
  void Release() {
    if (pid_ <= 0) return;
    ::kill(-pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_;
};

// A file held (flock) by another process as long as the guard lives, as a writer holds its
// temporary file.
class HeldFile {
 public:
  explicit HeldFile(const std::string& path) {
    int ready[2];
    if (::pipe(ready) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
      const char done = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
      (void)!::write(ready[1], &done, 1);
      ::pause();
      ::_exit(0);
    }
    char done = 'n';
    (void)!::read(ready[0], &done, 1);
    ::close(ready[0]);
    ::close(ready[1]);
  }
  ~HeldFile() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

 private:
  pid_t pid_ = -1;
};

// What a scripted writer does; by default it passes everything to the real writer.
struct WriterScript {
  int passes = -1;            // replacements let through before each further one is refused as a
                              // full disk refuses it (ENOSPC); -1: none is refused
  bool refuseCopies = false;  // every backup copy refused (ENOSPC)
  int interferences = 0;      // replacements before which `interfere` runs (another program's write)
  std::function<void()> interfere = {};
};

// The one writer fake of the tests: counts the replacements that reach it and does what its
// script says; the test may change the script between operations.
class ScriptedWriter : public FileWriter {
 public:
  explicit ScriptedWriter(WriterScript s = {}) : script(std::move(s)) {}
  WriteResult Replace(const std::string& path, std::string_view bytes, std::string_view previous,
                      const FileIdentity& read) override {
    ++calls;
    if (script.interferences > 0 && script.interfere) {
      --script.interferences;
      script.interfere();
    }
    if (script.passes == 0) return WriteResult{WriteResult::Outcome::Refused, ENOSPC};
    if (script.passes > 0) --script.passes;
    return DefaultFileWriter().Replace(path, bytes, previous, read);
  }
  WriteResult WriteCopy(const std::string& path, std::string_view bytes, const std::string& like) override {
    if (script.refuseCopies) return WriteResult{WriteResult::Outcome::Refused, ENOSPC};
    return FileWriter::WriteCopy(path, bytes, like);
  }
  WriterScript script;
  int calls = 0;
};

}  // namespace trv::test
