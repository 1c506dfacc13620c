// The store on generated files of 4 KB, 1 MB and 10 MB, each beside its floor. Load all and
// save all are one action each: one read, one parse, and for a changed file one write.
// - load all + save all with every section changed, beside two reads, two parses and one
//   atomic write of the file;
// - load all + save all of an up-to-date file, beside two reads and two parses.
// And the INI layer alone on 1 MB: parse, get, set.
// tarvoini resave on a 10 MB file made mostly of sections the program does not know, of short
// lines: up to date beside reading the file once, changed beside one read and one atomic
// write; and the peak memory of a `tarvoini resave` process on such a file of 100 MB.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "bench_files.h"
#include "config/ini/ini_document.h"
#include "config/ini/ini_errors.h"
#include "platform/atomic_file_writer.h"
#include "platform/file_reader.h"

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

// 10 MB of small sections the program does not know: the parse is mostly finding headers.
void BM_IniParseManySections(benchmark::State& state) {
  static const std::string ini = bench::UnknownSectionsIni(10 << 20);
  for (auto _ : state) {
    state.PauseTiming();
    std::string bytes = ini;
    state.ResumeTiming();
    benchmark::DoNotOptimize(IniDocument::Parse(std::move(bytes)));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(ini.size()));
}
BENCHMARK(BM_IniParseManySections)->Unit(benchmark::kMillisecond);

// The least a parse of the same bytes must do: go through them once for the brackets.
void BM_Floor_FindBrackets(benchmark::State& state) {
  static const std::string ini = bench::UnknownSectionsIni(10 << 20);
  for (auto _ : state) {
    std::size_t brackets = 0;
    for (std::size_t at = ini.find('['); at != std::string::npos; at = ini.find('[', at + 1)) ++brackets;
    benchmark::DoNotOptimize(brackets);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(ini.size()));
}
BENCHMARK(BM_Floor_FindBrackets)->Unit(benchmark::kMillisecond);

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

// tarvoini resave, in this process: one action reads every section and writes them all, and
// the file as read is kept as TARVO.BAK when it changes.
void Resave(const BenchDir& dir) {
  StoreOptions options;
  options.keepBackup = true;
  Config config = dir.MakeConfig(std::move(options));
  RunAction(config, [&](TIniFile&) {
    config.ResetSettings();
    LoadAllSections(config, {}, [](const StoreError&) { throw; });
    SaveAll(config);
  });
}

// A program directory with the file as generated, which every resave changes, and a link to
// it that puts it back in a moment: a write never changes the file it replaces.
class GeneratedDir {
 public:
  explicit GeneratedDir(std::size_t size) : dir_(bench::UnknownSectionsIni(size), false) {
    kept_ = (dir_.Path() / "GENERATED.INI").string();
    if (::link(dir_.IniPath().c_str(), kept_.c_str()) != 0) std::abort();
  }
  const BenchDir& Dir() const { return dir_; }
  void PutBack() const {
    ::unlink(dir_.IniPath().c_str());
    if (::link(kept_.c_str(), dir_.IniPath().c_str()) != 0) std::abort();
  }

 private:
  BenchDir dir_;
  std::string kept_;
};

void ResaveArgs(benchmark::internal::Benchmark* b) { b->Arg(10 << 20)->Unit(benchmark::kMillisecond)->UseRealTime(); }

void BM_ResaveUpToDate(benchmark::State& state) {
  GeneratedDir generated(static_cast<std::size_t>(state.range(0)));
  Resave(generated.Dir());
  for (auto _ : state) Resave(generated.Dir());
  ReportBytes(state, generated.Dir(), 1);
}
BENCHMARK(BM_ResaveUpToDate)->Apply(ResaveArgs);

void BM_Floor_ReadOnce(benchmark::State& state) {
  GeneratedDir generated(static_cast<std::size_t>(state.range(0)));
  Resave(generated.Dir());
  for (auto _ : state) benchmark::DoNotOptimize(DefaultFileReader().Read(generated.Dir().IniPath()));
  ReportBytes(state, generated.Dir(), 1);
}
BENCHMARK(BM_Floor_ReadOnce)->Apply(ResaveArgs);

void BM_ResaveChanged(benchmark::State& state) {
  GeneratedDir generated(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    generated.PutBack();
    state.ResumeTiming();
    Resave(generated.Dir());
  }
  ReportBytes(state, generated.Dir(), 1);
}
BENCHMARK(BM_ResaveChanged)->Apply(ResaveArgs);

// One read and one atomic write of the file, by the writer the store uses.
void BM_Floor_ReadOnceWriteOnce(benchmark::State& state) {
  GeneratedDir generated(static_cast<std::size_t>(state.range(0)));
  Resave(generated.Dir());
  const std::string path = generated.Dir().IniPath();
  for (auto _ : state) {
    const FileContents read = DefaultFileReader().Read(path);
    DefaultFileWriter().Replace(path, read.bytes, read.bytes, read.identity);
  }
  ReportBytes(state, generated.Dir(), 1);
}
BENCHMARK(BM_Floor_ReadOnceWriteOnce)->Apply(ResaveArgs);

// The peak resident memory (kB) of `tarvoini --dir DIR resave` run as a child process. Forked,
// not spawned sharing this process's memory, so that only the child's own peak counts.
long ResavePeakKb(const BenchDir& dir) {
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::execl(TRV_TARVOINI, "tarvoini", "--dir", dir.Path().c_str(), "resave", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  struct rusage usage {};
  if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  return usage.ru_maxrss;
}

// Peak memory of tarvoini resave on a 100 MB file: changed (arg 1) and up to date (arg 0).
// peak_MB is the highest of the runs, limit_MB twice the file and 20 MB.
void BM_ResavePeakMemory(benchmark::State& state) {
  const bool changed = state.range(1) != 0;
  GeneratedDir generated(static_cast<std::size_t>(state.range(0)));
  if (!changed) Resave(generated.Dir());
  long peakKb = 0;
  for (auto _ : state) {
    if (changed) {
      state.PauseTiming();
      generated.PutBack();
      state.ResumeTiming();
    }
    const long kb = ResavePeakKb(generated.Dir());
    if (kb < 0) {
      state.SkipWithError("tarvoini resave failed");
      break;
    }
    peakKb = std::max(peakKb, kb);
  }
  const double fileMb = static_cast<double>(generated.Dir().FileSize()) / (1 << 20);
  state.counters["file_MB"] = fileMb;
  state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024;
  state.counters["limit_MB"] = 2 * fileMb + 20;
}
BENCHMARK(BM_ResavePeakMemory)
    ->Args({100 << 20, 1})
    ->Args({100 << 20, 0})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

// `tarvoini set` and, at once, `tarvoini get` of the same folder, as a script runs them, on a
// file last changed a second before: the get finds a file changed a moment ago and looks once
// more before it trusts the read.
int RunTarvoini(const BenchDir& dir, const std::string& args) {
  const std::string command =
      std::string(TRV_TARVOINI) + " --dir '" + dir.Path().string() + "' " + args + " >/dev/null 2>&1";
  return std::system(command.c_str());
}

// The file's last change made a second old, outside the timing.
void AgeFile(benchmark::State& state, const BenchDir& dir) {
  state.PauseTiming();
  struct timespec old[2];
  ::clock_gettime(CLOCK_REALTIME, &old[0]);
  old[0].tv_sec -= 1;
  old[1] = old[0];
  ::utimensat(AT_FDCWD, dir.IniPath().c_str(), old, 0);
  state.ResumeTiming();
}

void SetThenGet(benchmark::State& state, bool ageBetween) {
  BenchDir dir(4096);
  int n = 0;
  for (auto _ : state) {
    AgeFile(state, dir);
    RunTarvoini(dir, "set StationSettings.Qth JN" + std::to_string(10 + n++ % 80) + "AA");
    if (ageBetween) AgeFile(state, dir);
    RunTarvoini(dir, "get StationSettings.Qth");
  }
}

void BM_TarvoiniSetThenGet(benchmark::State& state) { SetThenGet(state, false); }
BENCHMARK(BM_TarvoiniSetThenGet)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with the file a second old again when get reads it: the gain is the difference.
void BM_Floor_TarvoiniSetThenGetOfASettledFile(benchmark::State& state) { SetThenGet(state, true); }
BENCHMARK(BM_Floor_TarvoiniSetThenGetOfASettledFile)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
