#pragma once
// The verbs of tarvoini. Each returns the exit status:
// 0 success, 1 not found or findings, 2 usage error, 3 the file could not be written.
#include <ostream>
#include <string>
#include <vector>

namespace trv {

enum ExitStatus { kOk = 0, kNotFound = 1, kUsage = 2, kWriteFailed = 3 };

struct CommandStreams {
  std::ostream& out;
  std::ostream& err;
};

// `programDir` is a host path.
int ShowCommand(const std::string& programDir, bool json, CommandStreams io);
int CheckCommand(const std::string& programDir, CommandStreams io);
int ResaveCommand(const std::string& programDir, CommandStreams io);
// args: the words after "ini".
int IniCommand(const std::vector<std::string>& args, CommandStreams io);

}  // namespace trv
