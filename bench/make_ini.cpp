// Writes a generated TARVO.INI of about SIZE bytes to PATH, as the benchmarks use it: the
// program's sections and user blocks, or with --unknown-sections mostly sections the program
// does not know, of short lines.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string_view>

#include "bench_files.h"

int main(int argc, char** argv) {
  const bool unknown = argc == 4 && std::string_view(argv[1]) == "--unknown-sections";
  if (argc != 3 && !unknown) {
    std::cerr << "usage: make_ini [--unknown-sections] SIZE PATH\n";
    return 2;
  }
  const std::size_t size = std::strtoull(argv[argc - 2], nullptr, 10);
  std::ofstream(argv[argc - 1], std::ios::binary)
      << (unknown ? trv::bench::UnknownSectionsIni(size) : trv::bench::GeneratedIni(size));
  return 0;
}
