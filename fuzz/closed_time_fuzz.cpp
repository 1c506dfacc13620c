// Fuzzes the closed-time reader through the store: any bytes as the CLOSEDTIME value of the
// MAILBOX section. The windows read are written back, and reading that file gives the same
// windows; an unchanged save writes nothing.
#include <cstdint>
#include <string>

#include "config/ini/ini_document.h"
#include "config/ini/ini_file.h"
#include "config/sections/mailbox_section.h"
#include "config/store/sections.h"
#include "fuzz_dir.h"

namespace {

using trv::fuzz::Broken;

std::string WindowsRead(const trv::fuzz::FuzzDir& dir) {
  trv::Config config = dir.MakeConfig();
  trv::ReadMailboxSection(config);
  return trv::ClosedTimeValue(config.ClosedTimes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string value(reinterpret_cast<const char*>(data), size);
  if (value.find_first_of(std::string_view("\r\n", 2)) != std::string::npos) return 0;  // one line only
  trv::fuzz::FuzzDir dir("[MAILBOX]\r\nCLOSEDTIME=" + value + "\r\n");
  trv::Config config = dir.MakeConfig();
  trv::ReadMailboxSection(config);
  // Written as a setting: without the blanks at its ends, as the terminal's reader drops them.
  const std::string windows(trv::TrimIniBlanks(trv::ClosedTimeValue(config.ClosedTimes)));
  // A list longer than a value can be is cut when read back; the dialog never makes one.
  if (windows.size() > trv::kMaxValueLength) return 0;
  trv::WriteSection(config, trv::SectionId::Mailbox);
  if (WindowsRead(dir) != windows) Broken("the closed times read back differently");
  const std::string saved = dir.Ini();
  trv::Config again = dir.MakeConfig();
  trv::ReadMailboxSection(again);
  trv::WriteSection(again, trv::SectionId::Mailbox);
  if (dir.Ini() != saved) Broken("an unchanged save changed the file");
  return 0;
}
