// The store on generated files of 4 KB, 1 MB and 10 MB, each beside its floor:
// - load all + save all with every section changed, beside reading and writing the file once
//   per section operation with the same atomic write (18 reads and 18 writes), and beside
//   what the operations need at least (9 reads for load all, 9 reads and 9 writes for save all);
// - load all + save all of an up-to-date file, beside reading the file once per operation.
// And the INI layer alone on 1 MB: parse, get, set.
#include <benchmark/benchmark.h>

#include "bench_files.h"
#include "config/file_writer.h"
#include "config/ini_document.h"

using namespace trv;
using bench::BenchDir;

namespace {

constexpr int kSectionOperations = 18;  // 9 in load all, 9 in save all

void SizeArgs(benchmark::internal::Benchmark* b) {
  b->Arg(4 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond)->UseRealTime();
}

void ReportBytes(benchmark::State& state, const BenchDir& dir, int passes) {
  state.SetBytesProcessed(state.iterations() * passes * static_cast<int64_t>(dir.FileSize()));
}

// A value in every section that differs between odd and even rounds.
void ChangeEverySection(Config& c, bool odd) {
  c.Station.Call = odd ? "DK0AA" : "DL1ABC";
  c.Dirs.SetReadDir(odd ? "C:\\READ2\\" : "C:\\READ\\");
  c.Display.MaxRXLines = odd ? 900 : 1000;
  c.ColorTable[0].Fg = odd ? 3 : 14;
  c.Sound.WaveFiles[0] = odd ? "C:\\WAV\\A.WAV" : "C:\\WAV\\B.WAV";
  c.Extra.Prompt = odd ? "de %Call >" : "(%CCALL ) de %Call >";
  c.Mailbox.DefaultBoard = odd ? "ALLE" : "";
  c.Language.Output = odd ? "ENGLISH" : "DEUTSCH";
  c.TncTable[0].Qrg = odd ? 145.0 : 144.8;
}

void BM_LoadAllSaveAllChanged(benchmark::State& state) {
  BenchDir dir(static_cast<std::size_t>(state.range(0)));
  bool odd = false;
  for (auto _ : state) {
    Config config = dir.MakeConfig();
    LoadAll(config);
    ChangeEverySection(config, odd = !odd);
    SaveAll(config);
  }
  ReportBytes(state, dir, 1);
}
BENCHMARK(BM_LoadAllSaveAllChanged)->Apply(SizeArgs);

void BM_Floor_ReadAndWriteEachOperation(benchmark::State& state) {
  BenchDir dir(static_cast<std::size_t>(state.range(0)));
  const std::string path = dir.IniPath();
  for (auto _ : state) {
    for (int op = 0; op < kSectionOperations; ++op) {
      const std::string bytes = bench::ReadAll(path);
      DefaultFileWriter().Replace(path, bytes, bytes, IdentityOf(path));
    }
  }
  ReportBytes(state, dir, 1);
}
BENCHMARK(BM_Floor_ReadAndWriteEachOperation)->Apply(SizeArgs);

// What load all + save all of a changed file need at least: each operation reads the file,
// and each of save all's writes it.
void BM_Floor_ReadEachWriteEachSave(benchmark::State& state) {
  BenchDir dir(static_cast<std::size_t>(state.range(0)));
  const std::string path = dir.IniPath();
  for (auto _ : state) {
    for (int op = 0; op < kSectionOperations; ++op) {
      const std::string bytes = bench::ReadAll(path);
      if (op >= kSectionOperations / 2) DefaultFileWriter().Replace(path, bytes, bytes, IdentityOf(path));
    }
  }
  ReportBytes(state, dir, 1);
}
BENCHMARK(BM_Floor_ReadEachWriteEachSave)->Apply(SizeArgs);

void BM_LoadAllSaveAllUnchanged(benchmark::State& state) {
  BenchDir dir(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    Config config = dir.MakeConfig();
    LoadAll(config);
    SaveAll(config);
  }
  ReportBytes(state, dir, 1);
}
BENCHMARK(BM_LoadAllSaveAllUnchanged)->Apply(SizeArgs);

void BM_Floor_ReadEachOperation(benchmark::State& state) {
  BenchDir dir(static_cast<std::size_t>(state.range(0)));
  const std::string path = dir.IniPath();
  for (auto _ : state) {
    for (int op = 0; op < kSectionOperations; ++op) benchmark::DoNotOptimize(bench::ReadAll(path).size());
  }
  ReportBytes(state, dir, 1);
}
BENCHMARK(BM_Floor_ReadEachOperation)->Apply(SizeArgs);

// The INI layer alone on 1 MB.
const std::string& OneMegabyte() {
  static const std::string ini = bench::GeneratedIni(1 << 20);
  return ini;
}

void BM_IniParse(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(IniDocument::Parse(OneMegabyte()));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(OneMegabyte().size()));
}
BENCHMARK(BM_IniParse)->Unit(benchmark::kMillisecond);

// A key of the last section: every header is passed.
void BM_IniGet(benchmark::State& state) {
  const IniDocument doc = IniDocument::Parse(OneMegabyte());
  const std::string last = doc.SectionNames().back();
  for (auto _ : state) benchmark::DoNotOptimize(doc.RawValue(last, "0"));
}
BENCHMARK(BM_IniGet)->Unit(benchmark::kMicrosecond);

// A changed value in the first section, and the file made again.
void BM_IniSetAndSerialize(benchmark::State& state) {
  IniDocument doc = IniDocument::Parse(OneMegabyte());
  bool odd = false;
  for (auto _ : state) {
    doc.SetValue("STATION", "CALL", (odd = !odd) ? "DK0AA" : "DL1ABC");
    benchmark::DoNotOptimize(doc.Serialize());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(OneMegabyte().size()));
}
BENCHMARK(BM_IniSetAndSerialize)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
