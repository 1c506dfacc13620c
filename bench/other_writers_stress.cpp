// Other programs write TARVO.INI beside tarvoini for a while, and what is lost is counted.
// A rename writer (an editor's save: read, change, new file renamed over the old) and an
// in-place writer (the terminal program: read, change, cut the file, pause, write it anew)
// take turns with each other, not with us; `tarvoini set` and `tarvoini apply` run in a loop
// meanwhile. Each foreign write adds a key of its own; at the end every key the rename writer
// added must be there (our replacement never takes the place of a write it did not read), and
// the comment, the command blocks, [BEACON1] and the foreign section must be there (no read
// caught half way through the in-place write was ever saved). The in-place writer's own write
// can land in a file we have already replaced (the race the documentation names): those are
// counted apart.
//   other_writers_stress [SECONDS [TARVOINI]]   60 s and the tarvoini built beside it by default;
//   exit status 0 when nothing was lost that counts
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const std::string kStart =
    "; Tarvo settings kept by hand\r\n[STATION]\r\nCALL=DL1ABC\r\nQTH=JN58TD\r\n[DEVICE]\r\n"
    "TNC0=1,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n[DEFINI]\r\n"
    "0=ESC M UISC\r\n1=ESC I DL1ABC\r\n[DEFDEI]\r\n0=ESC JHOST0\r\n[BEACON1]\r\nTEXT=Tarvo station\r\n"
    "[PROFILE]\r\nkeep=1\r\n";
const char* const kMarks[] = {"; Tarvo settings kept by hand\r\n", "[DEFINI]\r\n0=ESC M UISC\r\n",
                              "[DEFDEI]\r\n0=ESC JHOST0\r\n", "[BEACON1]\r\nTEXT=Tarvo station\r\n",
                              "[PROFILE]\r\nkeep=1\r\n"};

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The text with a key added at its end, under a section of the writer's own.
std::string WithKey(std::string text, const std::string& section, const std::string& key) {
  if (text.find("[" + section + "]") == std::string::npos) text += "[" + section + "]\r\n";
  return text + key + "=1\r\n";  // the section is the last one: each writer keeps it there
}

struct Count {
  std::atomic<int> writes{0}, runs{0}, failed{0};
  std::atomic<int> byStatus[8] = {};  // failed runs by exit status (7: killed or higher)
  std::string Failures() const {
    std::string text = std::to_string(failed) + " failed";
    for (int s = 1; s < 8; ++s)
      if (byStatus[s] > 0) text += ", exit " + std::to_string(s) + ": " + std::to_string(byStatus[s]);
    return text;
  }
};

class Stress {
 public:
  Stress(std::string tarvoini, fs::path dir) : tarvoini_(std::move(tarvoini)), dir_(std::move(dir)) {}

  void Run(std::chrono::seconds length) {
    std::ofstream(ini(), std::ios::binary) << kStart;
    std::ofstream(dir_ / "settings.json") << "{\"StationSettings\": {\"Qth\": \"JO31AD\"}}";
    const auto end = std::chrono::steady_clock::now() + length;
    std::vector<std::thread> threads;
    threads.emplace_back([&] { Loop(end, [&](int n) { RenameWrite(n); }); });
    threads.emplace_back([&] { Loop(end, [&](int n) { InPlaceWrite(n); }); });
    // set changes the locator each time, apply puts its own back
    threads.emplace_back([&] {
      Ours(end, set_, [](int n) {
        return std::vector<std::string>{"set", "StationSettings.Qth", n % 2 ? "JO31AB" : "JO31AC"};
      });
    });
    threads.emplace_back([&] {
      Ours(end, apply_, [&](int) { return std::vector<std::string>{"apply", (dir_ / "settings.json").string()}; });
    });
    for (auto& t : threads) t.join();
  }

  // The report; whether nothing was lost that counts.
  bool Report() {
    const std::string now = Read(ini());
    int renameLost = 0, inPlaceLost = 0, marksLost = 0;
    for (int n = 0; n < renamed_.writes; ++n)
      renameLost += now.find("R" + std::to_string(n) + "=1") == std::string::npos;
    for (int n = 0; n < inPlace_.writes; ++n)
      inPlaceLost += now.find("P" + std::to_string(n) + "=1") == std::string::npos;
    for (const char* mark : kMarks) marksLost += now.find(mark) == std::string::npos;
    std::cout << "rename writer: " << renamed_.writes << " writes, " << renameLost << " lost\n"
              << "in-place writer: " << inPlace_.writes << " writes, " << inPlaceLost
              << " lost (its write landed in a file already replaced)\n"
              << "tarvoini set: " << set_.runs << " runs, " << set_.Failures() << "\n"
              << "tarvoini apply: " << apply_.runs << " runs, " << apply_.Failures() << "\n"
              << "parts of the file lost (a half-written read saved): " << marksLost << "\n";
    return renameLost == 0 && marksLost == 0;
  }

 private:
  fs::path ini() const { return dir_ / "TARVO.INI"; }

  template <class Write>
  void Loop(std::chrono::steady_clock::time_point end, Write write) {
    std::mt19937 random(std::random_device{}());
    for (int n = 0; std::chrono::steady_clock::now() < end; ++n) {
      std::this_thread::sleep_for(std::chrono::milliseconds(30 + random() % 120));
      const std::lock_guard<std::mutex> turn(foreign_);  // the other program's own turns
      write(n);
    }
  }

  void RenameWrite(int n) {
    const std::string text = WithKey(Read(ini()), "RENAMED", "R" + std::to_string(n));
    const fs::path temp = dir_ / "their.tmp";
    std::ofstream(temp, std::ios::binary) << text;
    fs::rename(temp, ini());
    ++renamed_.writes;
  }

  void InPlaceWrite(int n) {
    const std::string text = WithKey(Read(ini()), "INPLACE", "P" + std::to_string(n));
    std::FILE* file = std::fopen(ini().c_str(), "wb");  // cut to nothing
    if (file == nullptr) return;
    std::this_thread::sleep_for(3ms);
    std::fwrite(text.data(), 1, text.size() / 2, file);  // half, then the rest
    std::fflush(file);
    std::this_thread::sleep_for(2ms);
    std::fwrite(text.data() + text.size() / 2, 1, text.size() - text.size() / 2, file);
    std::fclose(file);
    ++inPlace_.writes;
  }

  // Runs tarvoini with the words `words(n)` for the n-th run, again and again until `end`.
  template <class Words>
  void Ours(std::chrono::steady_clock::time_point end, Count& count, Words words) {
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    std::mt19937 random(std::random_device{}());
    for (int n = 0; std::chrono::steady_clock::now() < end; ++n) {
      std::this_thread::sleep_for(std::chrono::milliseconds(random() % 40));  // the lock is not fair
      std::vector<std::string> args = words(n);
      args.insert(args.begin(), {tarvoini_, "--dir", dir_.string()});
      std::vector<char*> argv;
      for (auto& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      pid_t pid = 0;
      int status = 0;
      if (::posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) != 0) break;
      ::waitpid(pid, &status, 0);
      ++count.runs;
      if (WIFEXITED(status) && WEXITSTATUS(status) == 0) continue;
      ++count.failed;
      ++count.byStatus[WIFEXITED(status) ? std::min(WEXITSTATUS(status), 7) : 7];
    }
    posix_spawn_file_actions_destroy(&quiet);
  }

  std::string tarvoini_;
  fs::path dir_;
  std::mutex foreign_;
  Count renamed_, inPlace_, set_, apply_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc > 3) {
    std::cerr << "usage: other_writers_stress [SECONDS [TARVOINI]]\n";
    return 2;
  }
  std::string pattern = (fs::temp_directory_path() / "trvstress.XXXXXX").string();
  const fs::path dir = ::mkdtemp(pattern.data());
  Stress stress(argc == 3 ? argv[2] : TRV_TARVOINI, dir);
  stress.Run(std::chrono::seconds(argc >= 2 ? std::atoi(argv[1]) : 60));
  const bool kept = stress.Report();
  fs::remove_all(dir);
  return kept ? 0 : 1;
}
