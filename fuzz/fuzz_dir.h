#pragma once
// A fresh temporary program directory C:\ for one fuzz input, on a RAM disk where there is
// one (an fsync there costs nothing), removed again with everything load all made in it.
#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "config/store/config.h"

namespace trv::fuzz {

class FuzzDir {
 public:
  explicit FuzzDir(const std::string& ini) {
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string pattern = (base / "trvfuzz.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
    std::ofstream(IniPath(), std::ios::binary) << ini;
  }
  ~FuzzDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  FuzzDir(const FuzzDir&) = delete;
  FuzzDir& operator=(const FuzzDir&) = delete;

  std::string IniPath() const { return (path_ / "TARVO.INI").string(); }
  std::string Ini() const {
    std::ifstream in(IniPath(), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  Config MakeConfig() const { return Config(HostFileSystem(DriveTable({{'C', path_.string()}}), "C:\\")); }

 private:
  std::filesystem::path path_;
};

// Ends the run with a message libFuzzer shows beside the input that broke a property.
[[noreturn]] inline void Broken(const char* property) {
  std::fprintf(stderr, "broken property: %s\n", property);
  std::abort();
}

}  // namespace trv::fuzz
