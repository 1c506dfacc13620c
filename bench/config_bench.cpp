// The store on generated files of 4 KB, 1 MB and 10 MB, each beside its floor. Load all and
// save all are one action each: one read, one parse, and for a changed file one write.
// - load all + save all with every section changed, beside two reads, two parses and one
//   atomic write of the file;
// - load all + save all of an up-to-date file, beside two reads and two parses.
// And the INI layer alone on 1 MB: parse, get, set.
#include <benchmark/benchmark.h>

#include "bench_files.h"
#include "config/ini_document.h"
#include "platform/atomic_file_writer.h"

using namespace trv;
using bench::BenchDir;

namespace {

constexpr int kActions = 2;  // load all, save all

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

// What load all + save all of a changed file need at least: each action reads and parses the
// file, save all writes it once.
void BM_Floor_ReadParseEachActionWriteOnce(benchmark::State& state) {
  BenchDir dir(static_cast<std::size_t>(state.range(0)));
  const std::string path = dir.IniPath();
  for (auto _ : state) {
    for (int action = 0; action < kActions; ++action) {
      const std::string bytes = bench::ReadAll(path);
      benchmark::DoNotOptimize(IniDocument::Parse(bytes));
      if (action == kActions - 1) DefaultFileWriter().Replace(path, bytes, bytes, IdentityOf(path));
    }
  }
  ReportBytes(state, dir, 1);
}
BENCHMARK(BM_Floor_ReadParseEachActionWriteOnce)->Apply(SizeArgs);

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

void BM_Floor_ReadParseEachAction(benchmark::State& state) {
  BenchDir dir(static_cast<std::size_t>(state.range(0)));
  const std::string path = dir.IniPath();
  for (auto _ : state) {
    for (int action = 0; action < kActions; ++action)
      benchmark::DoNotOptimize(IniDocument::Parse(bench::ReadAll(path)));
  }
  ReportBytes(state, dir, 1);
}
BENCHMARK(BM_Floor_ReadParseEachAction)->Apply(SizeArgs);

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
