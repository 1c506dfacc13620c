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

// `args` are shell words; `env` goes before the command (VAR=value ...); it runs in `workDir`
// when one is given, with `input` (a file) as its standard input. A run that hangs is ended after a minute. $WINEPREFIX
// names no prefix and $HOME is an empty folder of the test's, so that neither ~/.wine nor the folder the window
// remembers plays a part unless a test says otherwise.
inline Result RunTarvoIni(const TempDir& tmp, const std::string& args, const std::string& env = {},
                          const std::string& workDir = {}, const std::string& input = "/dev/null") {
  const std::string out = tmp / "out.txt", err = tmp / "err.txt";
  const std::string command = (workDir.empty() ? "" : "cd '" + workDir + "' && ") + "WINEPREFIX='" +
                              (tmp / "no-wine-prefix") + "' HOME='" + (tmp / "home") + "' XDG_CONFIG_HOME= " + env +
                              " timeout 60 " + std::string(TARVOINI_PATH) + " " + args + " >" + out + " 2>" + err +
                              " <'" + input + "'";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
}

// LD_PRELOAD of the test shim, after the sanitizer runtime where the tests are built with one.
inline std::string ShimPreload() {
  const std::string first = PRELOAD_FIRST;
  return "LD_PRELOAD='" + (first.empty() ? "" : first + " ") + EIO_SHIM_PATH + "'";
}

}  // namespace trv::test
