#pragma once
#include <stdexcept>
#include <string>

namespace trv {

// The file system refused a write: "nach <path> kann nicht geschrieben werden".
class IniWriteError : public std::runtime_error {
 public:
  explicit IniWriteError(const std::string& path)
      : std::runtime_error("nach " + path + " kann nicht geschrieben werden") {}
};

// A name or value that would change the file's structure (line breaks, NUL, '=' in a key name ...).
class IniInputError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

}  // namespace trv
