// tarvoini: shows, checks and re-saves TARVO.INI the way the configuration program reads
// and writes it, and gets and sets raw INI keys.
#include <malloc.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/port_commands.h"
#include "support/version.h"

namespace {

constexpr const char* kHelp = R"(Usage:
  tarvoini [--dir DIR] show [--json]   print the settings as the configuration program loads them
  tarvoini [--dir DIR] check [--file FILE]
                                       list every value that loading drops, replaces, clamps or cuts
  tarvoini [--dir DIR] ports           list COM 1 to 9 with the devices the next Wine start maps
  tarvoini [--dir DIR] resave          load and save every section, as OK in the dialog does
  tarvoini [--dir DIR] restore         put TARVO.BAK back, keeping the current file as TARVO.BAK
  tarvoini ini get FILE SECTION KEY [DEFAULT]
  tarvoini ini set FILE SECTION KEY VALUE
  tarvoini ini del FILE SECTION [KEY]
  tarvoini ini sections FILE
  tarvoini ini keys FILE SECTION
  tarvoini --help | --version

DIR is the program directory holding TARVO.INI (default: the current directory).
check prints one line per finding, TARVO.INI:LINE: [SECTION] KEY: what happens and why;
line 0 stands for a key or section that is not in the file yet. With --file it checks FILE
(e.g. TARVO.BAK) as the TARVO.INI of DIR (default: the folder of FILE). check also lists
each TNC whose COM port the next Wine start leaves unmapped or maps to a device that does not
exist, FILE: [DEVICE] TNCn: COM n ...

The Wine prefix of DIR is the nearest folder above it holding dosdevices/ and drive_c/, else
$WINEPREFIX, else ~/.wine. ports lists COM 1 to 9 as the next Wine start in it maps them:
first the values under Software\Wine\Ports in its system.reg, then the /dev/ttyS*, ttyUSB*
and ttyACM* devices it finds, then links left in its dosdevices folder.
The ini verbs work on any INI file with the same rules; values are passed as the file's
bytes (Windows-1252), unchanged.

Before the first write of a resave (or an OK in the dialog) that changes TARVO.INI, the file
as it was is kept as TARVO.BAK beside it; nothing is kept when nothing changes or when there
was no file. restore puts TARVO.BAK back and keeps the file it replaces as TARVO.BAK, so a
second restore undoes the first.

DIR must have an exact Windows path (Windows-1252 names, no character that Windows forbids
in names, at most 255 characters); otherwise nothing is read or written.

Other programs may write the file at the same time: tarvoini processes take turns, and an
operation that finds the file changed before its own write starts again from the read.

Exit status: 0 success, 1 not found or findings (also: restore without a TARVO.BAK),
2 usage error (also a value that cannot be written, or a DIR without an exact Windows path),
3 the file could not be written, 4 the file could not be read (also when TARVO.INI is not a
regular file). Errors 3 and 4 print the system's reason after the message.

Examples:
  tarvoini --dir ~/.wine/drive_c/TARVO check
  tarvoini check --file ~/.wine/drive_c/TARVO/TARVO.BAK
  tarvoini --dir ~/.wine/drive_c/TARVO restore
  tarvoini --dir ~/.wine/drive_c/TARVO ports
  tarvoini show --json
  tarvoini ini get TARVO.INI STATION CALL NOCALL
  tarvoini ini set TARVO.INI STATION CALL DL1ABC
  tarvoini ini del TARVO.INI MYBLOCK
  tarvoini ini keys TARVO.INI DEVICE
)";

int Usage(const std::string& hint) {
  std::cerr << "tarvoini: " << hint << " (see tarvoini --help)\n";
  return trv::kUsage;
}

}  // namespace

int main(int argc, char** argv) {
  // Each operation holds the file a few times over and frees it again; from the system and
  // back at once, so a large file's buffers are not kept (glibc would raise this threshold).
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
  std::vector<std::string> args(argv + 1, argv + argc);
  const trv::CommandStreams io{std::cout, std::cerr};
  if (args.empty()) return Usage("a command is needed");
  if (args[0] == "--help" || args[0] == "-h") {
    std::cout << kHelp;
    return trv::kOk;
  }
  if (args[0] == "--version") {
    std::cout << "tarvoini " << trv::kProgramVersion << "\n";
    return trv::kOk;
  }
  if (args[0] == "ini") return trv::IniCommand({args.begin() + 1, args.end()}, io);

  std::string dir;
  if (args[0] == "--dir") {
    if (args.size() < 2) return Usage("--dir needs a directory");
    dir = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) return Usage("a command is needed");
  const std::string& verb = args[0];
  if (verb == "check" && args.size() == 3 && args[1] == "--file") {
    const std::string folder = std::filesystem::path(args[2]).parent_path().string();
    return trv::CheckCommand(!dir.empty() ? dir : !folder.empty() ? folder : ".", args[2], io);
  }
  if (dir.empty()) dir = ".";
  if (verb == "show" && args.size() == 1) return trv::ShowCommand(dir, false, io);
  if (verb == "show" && args.size() == 2 && args[1] == "--json") return trv::ShowCommand(dir, true, io);
  if (verb == "check" && args.size() == 1) return trv::CheckCommand(dir, {}, io);
  if (verb == "ports" && args.size() == 1) return trv::PortsCommand(dir, io);
  if (verb == "resave" && args.size() == 1) return trv::ResaveCommand(dir, io);
  if (verb == "restore" && args.size() == 1) return trv::RestoreCommand(dir, io);
  return Usage("unknown command '" + verb + "'");
}
