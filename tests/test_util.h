#pragma once
// Temporary program directories and file helpers for the tests.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "config/config.h"
#include "config/file_writer.h"

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
  Config MakeConfig(StoreOptions options = {}) const { return Config(Files(), std::move(options)); }

  TempDir dir;
};

// Refuses every write after the first `allowed` ones, as a full disk does.
class FailingWriter : public FileWriter {
 public:
  explicit FailingWriter(int allowed = 0) : allowed_(allowed) {}
  WriteResult Replace(const std::string& path, std::string_view bytes, std::string_view previous,
                      const FileIdentity& read) override {
    ++calls;
    if (allowed_-- > 0) return DefaultFileWriter().Replace(path, bytes, previous, read);
    return WriteResult{WriteResult::Outcome::Refused, ENOSPC};
  }
  int calls = 0;

 private:
  int allowed_;
};

}  // namespace trv::test
