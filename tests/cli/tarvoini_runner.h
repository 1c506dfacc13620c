#pragma once
// Runs the tarvoini program as a script does: its exit status and what it printed.
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "test_util.h"

namespace trv::test {

struct Result {
  int status;
  std::string out;
  std::string err;
};

// `args` are shell words; `env` goes before the command (VAR=value ...). A run that hangs is
// ended after a minute. $WINEPREFIX names no prefix, so that ~/.wine plays no part unless a
// test says otherwise.
inline Result RunTarvoIni(const TempDir& tmp, const std::string& args, const std::string& env = {}) {
  const std::string out = tmp / "out.txt", err = tmp / "err.txt";
  const std::string command = "WINEPREFIX='" + (tmp / "no-wine-prefix") + "' " + env + " timeout 60 " +
                              std::string(TARVOINI_PATH) + " " + args + " >" + out + " 2>" + err + " </dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
}

// LD_PRELOAD of the test shim, after the sanitizer runtime where the tests are built with one.
inline std::string ShimPreload() {
  const std::string first = PRELOAD_FIRST;
  return "LD_PRELOAD='" + (first.empty() ? "" : first + " ") + EIO_SHIM_PATH + "'";
}

}  // namespace trv::test
