// Load all + save all on a generated 1 MB TARVO.INI, against the floor of reading and
// writing that file once per section operation.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/config.h"
#include "config/file_writer.h"
#include "config/sections.h"

namespace fs = std::filesystem;
using namespace trv;

namespace {

std::string GeneratedFile();

// A temporary program directory holding the generated TARVO.INI.
struct BenchDir {
  BenchDir() {
    std::string pattern = (fs::temp_directory_path() / "trvbench.XXXXXX").string();
    path = ::mkdtemp(pattern.data());
    ini = (path / "TARVO.INI").string();
    std::ofstream(ini, std::ios::binary) << GeneratedFile();
  }
  ~BenchDir() { fs::remove_all(path); }
  fs::path path;
  std::string ini;
};

// About 1 MB: every section of the program plus many user blocks.
std::string GeneratedFile() {
  std::string ini = "[STATION]\r\nCALL=DL1ABC\r\nQTH=JN58TD\r\n[DEVICE]\r\n";
  for (int i = 0; i < 9; ++i)
    ini += "TNC" + std::to_string(i) + "=1,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\n";
  ini += "TNC9=END OF BLOCK\r\n[EXTRA]\r\nTPRI=3\r\n[MAILBOX]\r\nCLOSEDTIME=2230-0600,1200-1315\r\n";
  for (int block = 0; ini.size() < 1'000'000; ++block) {
    ini += "[BLOCK" + std::to_string(block) + "]\r\n";
    for (int line = 0; line < 20; ++line)
      ini += std::to_string(line) + "=ESC I DL1ABC-" + std::to_string(line) + " some command text\r\n";
  }
  return ini;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void BM_LoadAllSaveAll(benchmark::State& state) {
  BenchDir dir;
  bool flip = false;
  for (auto _ : state) {
    Config config(HostFileSystem(DriveTable({{'C', dir.path.string()}}), "C:\\"));
    LoadAll(config);
    config.Station.Call = (flip = !flip) ? "DK0AA" : "DL1ABC";  // at least one section really changes
    SaveAll(config);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(dir.ini)));
}
BENCHMARK(BM_LoadAllSaveAll)->Unit(benchmark::kMillisecond);

// Load all + save all of a file that is up to date: every operation finds nothing to write.
void BM_LoadAllSaveAllUnchanged(benchmark::State& state) {
  BenchDir dir;
  {
    Config first(HostFileSystem(DriveTable({{'C', dir.path.string()}}), "C:\\"));
    LoadAll(first);
    SaveAll(first);
  }
  for (auto _ : state) {
    Config config(HostFileSystem(DriveTable({{'C', dir.path.string()}}), "C:\\"));
    LoadAll(config);
    SaveAll(config);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(dir.ini)));
}
BENCHMARK(BM_LoadAllSaveAllUnchanged)->Unit(benchmark::kMillisecond);

// 18 section operations (9 reads, 9 writes), each reading the file once and writing it once.
void BM_FloorReadWritePerOperation(benchmark::State& state) {
  BenchDir dir;
  for (auto _ : state) {
    for (int op = 0; op < 18; ++op) {
      const std::string bytes = ReadAll(dir.ini);
      DefaultFileWriter().Replace(dir.ini, bytes, bytes, IdentityOf(dir.ini));
      benchmark::DoNotOptimize(bytes.data());
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(dir.ini)));
}
BENCHMARK(BM_FloorReadWritePerOperation)->Unit(benchmark::kMillisecond);

// Reading alone: the file read once for each of the 18 section operations.
void BM_FloorReadOnlyPerOperation(benchmark::State& state) {
  BenchDir dir;
  for (auto _ : state) {
    for (int op = 0; op < 18; ++op) benchmark::DoNotOptimize(ReadAll(dir.ini).size());
  }
}
BENCHMARK(BM_FloorReadOnlyPerOperation)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
