// Fuzzes the DEVICE line reader: a line that reads as a TNC is written back by FormatTncLine
// as a line that reads as the same TNC with nothing changed, and writing that again gives
// the same line.
#include <cstdint>
#include <string>

#include "config/sections/device_section.h"
#include "fuzz_dir.h"
#include "support/text.h"

namespace {

// The default driver and some others exist; the decision depends on the name without regard
// to case, as on disk.
bool DriverExists(const std::string& name) {
  return name.size() % 2 == 1 || trv::UpperCaseAscii(name) == trv::kDefaultDriver;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const trv::TncLineResult first = trv::ParseTncLine(line, DriverExists);
  if (!first.entry) return 0;
  const std::string written = trv::FormatTncLine(*first.entry);
  const trv::TncLineResult again = trv::ParseTncLine(written, DriverExists);
  if (!again.entry) trv::fuzz::Broken("a written DEVICE line is rejected");
  if (!again.changes.empty()) trv::fuzz::Broken("a written DEVICE line is read with changes");
  if (trv::FormatTncLine(*again.entry) != written) trv::fuzz::Broken("a written DEVICE line does not read as itself");
  return 0;
}
