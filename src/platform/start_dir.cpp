#include "platform/start_dir.h"

#include <unistd.h>

#include <filesystem>

namespace trv {
namespace fs = std::filesystem;
namespace {

// Made absolute and cleaned by its text alone, so that no link is followed.
fs::path Lexical(std::string_view path, std::string_view workingDir) {
  fs::path p(path);
  if (p.is_relative()) p = fs::path(workingDir) / p;
  return p.lexically_normal();
}

std::string DirectoryOf(const fs::path& file) {
  std::string dir = file.parent_path().string();
  return dir.empty() ? "/" : dir;
}

}  // namespace

std::string StartDirectory(std::string_view argv0, std::string_view pathVariable, std::string_view workingDir) {
  if (argv0.empty()) return {};
  if (argv0.find('/') != std::string_view::npos) return DirectoryOf(Lexical(argv0, workingDir));
  while (true) {
    const std::size_t colon = pathVariable.find(':');
    std::string_view dir = pathVariable.substr(0, colon);
    if (dir.empty()) dir = ".";  // an empty PATH entry is the working directory
    const fs::path candidate = Lexical(std::string(dir) + "/" + std::string(argv0), workingDir);
    if (::access(candidate.c_str(), X_OK) == 0 && !fs::is_directory(candidate)) return DirectoryOf(candidate);
    if (colon == std::string_view::npos) return {};
    pathVariable.remove_prefix(colon + 1);
  }
}

}  // namespace trv
