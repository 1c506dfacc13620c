// Writes a generated TARVO.INI of about SIZE bytes to PATH, as the benchmarks use it.
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "bench_files.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_ini SIZE PATH\n";
    return 2;
  }
  std::ofstream(argv[2], std::ios::binary) << trv::bench::GeneratedIni(std::strtoull(argv[1], nullptr, 10));
  return 0;
}
