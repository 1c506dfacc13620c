#pragma once
// Generated TARVO.INI files of a given size in a temporary program directory, for the
// benchmarks: every section the program owns, then user blocks up to the size; or the
// program's first sections, then sections it does not know, of short lines.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "config/store/config.h"
#include "config/store/sections.h"

namespace trv::bench {

// Every owned section complete, as load all + save all leave a file, then blocks of commands.
inline std::string GeneratedIni(std::size_t size) {
  std::string ini =
      "; Tarvo settings\r\n[STATION]\r\nCALL=DL1ABC\r\nQTH=JN58TD\r\n[DEVICE]\r\n"
      "TNC0=1,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\n"
      "TNC1=316,120,57600,4,1,0,438.125,KISSINI,DEFDEI,1,1,TNC2.TNC\r\nTNC2=END OF BLOCK\r\n";
  for (int block = 0; ini.size() < size; ++block) {
    ini += "[BLOCK" + std::to_string(block) + "]\r\n";
    for (int line = 0; line < 20 && ini.size() < size; ++line)
      ini += std::to_string(line) + "=ESC I DL1ABC-" + std::to_string(line % 16) + " some command text\r\n";
  }
  return ini;
}

// A file grown with the settings of other programs: the station and the TNCs, then sections
// the program does not know, of eight short lines each, up to the size. Resave adds the
// program's other sections to it, so a resave of it always changes the file.
inline std::string UnknownSectionsIni(std::size_t size) {
  std::string ini =
      "; Tarvo settings\r\n[STATION]\r\nCALL=DL1ABC\r\n[DEVICE]\r\n"
      "TNC0=1,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n";
  for (int section = 0; ini.size() < size; ++section) {
    ini += "[TOOL" + std::to_string(section) + "]\r\n";
    for (int line = 0; line < 8 && ini.size() < size; ++line)
      ini += "Key" + std::to_string(line) + "=" + std::to_string(section * 8 + line) + "\r\n";
  }
  return ini;
}

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// A temporary program directory C:\ holding a generated TARVO.INI, by default one that load
// all has completed (so load all alone writes nothing).
class BenchDir {
 public:
  explicit BenchDir(std::size_t size) : BenchDir(GeneratedIni(size)) {}
  explicit BenchDir(const std::string& ini, bool completed = true) {
    std::string pattern = (std::filesystem::temp_directory_path() / "trvbench.XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
    std::ofstream(IniPath(), std::ios::binary) << ini;
    if (!completed) return;
    Config first = MakeConfig();
    LoadAll(first);
    SaveAll(first);
  }
  ~BenchDir() { std::filesystem::remove_all(path_); }
  BenchDir(const BenchDir&) = delete;
  BenchDir& operator=(const BenchDir&) = delete;

  std::string IniPath() const { return (path_ / "TARVO.INI").string(); }
  std::size_t FileSize() const { return std::filesystem::file_size(IniPath()); }
  const std::filesystem::path& Path() const { return path_; }
  Config MakeConfig(StoreOptions options = {}) const {
    return Config(HostFileSystem(DriveTable({{'C', path_.string()}}), "C:\\"), std::move(options));
  }

 private:
  std::filesystem::path path_;
};

}  // namespace trv::bench
