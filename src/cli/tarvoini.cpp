// tarvoini: shows, checks and re-saves TARVO.INI the way the configuration program reads
// and writes it, and gets and sets raw INI keys.
#include <malloc.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "cli/port_commands.h"
#include "cli/value_hints.h"
#include "support/last_handler.h"
#include "support/version.h"

namespace {

constexpr const char* kHelp = R"(Usage:
  tarvoini [--dir DIR] show [--raw] [--json [--portable] [--changed]]
                                       print the settings as read from the file
  tarvoini [--dir DIR] check [--file FILE]
                                       list every value that loading drops, replaces, clamps or cuts
  tarvoini [--dir DIR] ports           list COM 1 to 9 with the devices the next Wine start maps
  tarvoini [--dir DIR] ports map COMn DEVICE | unmap COMn
                                       map COM n to a host device in the Wine prefix, or unmap it
  tarvoini [--dir DIR] resave [--dry-run]
                                       load and save every section, as OK in the dialog does
  tarvoini [--dir DIR] restore         put TARVO.BAK back, keeping the current file as TARVO.BAK
  tarvoini [--dir DIR] names           list the names of the settings (as show prints them)
  tarvoini [--dir DIR] names NAME      list the values NAME takes (yes/no, its allowed values, or its value now)
  tarvoini [--dir DIR] get [--raw] NAME
                                       print one setting
  tarvoini [--dir DIR] set [--dry-run] NAME VALUE [NAME VALUE ...]
                                       set settings, checked as the dialog checks them
  tarvoini [--dir DIR] apply [--dry-run] [--replace-blocks] [FILE.json | -]
                                       set every setting a show --json output names
  tarvoini [--dir DIR] tnc [--dry-run] add | del N
                                       add a TNC or delete TNC N (numbered from 0)
  tarvoini [--dir DIR] --init COMMAND  the same without TARVO.INI: starts a new station folder
  tarvoini [--dir DIR] --quiet | --verbose COMMAND
                                       without or with the line naming the station found
  tarvoini ini get FILE SECTION KEY [DEFAULT]
  tarvoini ini set FILE SECTION KEY VALUE
  tarvoini ini del FILE SECTION [KEY]
  tarvoini ini sections FILE
  tarvoini ini keys FILE SECTION
  tarvoini --help | --version

DIR is Tarvo's program folder, which holds TARVO.INI. Without --dir, tarvoini takes the current
folder when it holds TARVO.INI (in any letter case), else the nearest folder above it that does
(the search stops at a folder it cannot list and where another file system begins), else the
folder trvcfg remembers (the one chosen in its folder question, kept in
$XDG_CONFIG_HOME/trvcfg/folder, by default ~/.config/trvcfg/folder). Then every command that
writes (and its --dry-run) names the folder on stderr, as in
  tarvoini: station /home/x/.wine/drive_c/TARVO (remembered by trvcfg)
--quiet drops that line; with --verbose the commands that only read say it too. A folder
without TARVO.INI is refused with exit status 2 and nothing is created in it. --init starts a
new station folder on purpose: it takes DIR, or else the current folder (never one above it),
without TARVO.INI, and
the writing commands then make TARVO.INI and the working folders there; for them a DIR that
is not there yet is made when the folder above it exists. An empty TARVO.INI (cut by the
terminal program and not written again within two seconds) is written over by set, apply,
tnc and resave only with --init (else exit status 4). restore, check --file
and the ini verbs name their files and are never refused. show, check, get, names and ports
never create a file or folder.

check prints one line per finding, TARVO.INI:LINE: [SECTION] KEY: what happens and why;
line 0 stands for a key or section that is not in the file yet. With --file it checks FILE
(e.g. TARVO.BAK) as the TARVO.INI of DIR (default: the folder of FILE). check also lists
each TNC whose COM port the next Wine start leaves unmapped or maps to a device that does not
exist, FILE: [DEVICE] TNCn: COM n ...

The Wine prefix of DIR is the nearest folder above it holding dosdevices/ and drive_c/, else
$WINEPREFIX, else ~/.wine. ports lists COM 1 to 9 as the next Wine start in it maps them:
first the values under Software\Wine\Ports in its system.reg, then the /dev/ttyS*, ttyUSB*
and ttyACM* devices it finds, then links left in its dosdevices folder. ports map sets
"COMn"="DEVICE" under Software\Wine\Ports in system.reg and ports unmap removes the port's
value, as the Map... button of the TNC page does; the rest of system.reg stays byte for byte.
n is 1 to 9; DEVICE is a full host path in printable ASCII and need not exist yet (a pty,
/dev/rfcomm0). Both are refused while Wine runs in the prefix (exit status 3) and when
system.reg is missing or cannot be read (4) or replaced (3). A device that does not exist,
that you may not open, or that is another COM port as well is said on stderr.
The ini verbs work on any INI file with the same rules; values are passed as the file's
bytes (Windows-1252), unchanged.

Before the first write of a resave (or an OK in the dialog) that changes TARVO.INI, the file
as it was is kept as TARVO.BAK beside it; nothing is kept when nothing changes or when there
was no file. restore puts TARVO.BAK back and keeps the file it replaces as TARVO.BAK, so a
second restore undoes the first.

Settings are named as show prints them, record and field joined by a dot, list items
numbered from 0 in brackets: StationSettings.Call, MailboxSettings.Timeout, TncTable[0].Port,
SoundSettings.WaveFiles[2]; letter case does not matter. show, get and show --json print
values as the dialog shows them: times with their unit (MailboxSettings.Timeout 15min,
ExtraSettings.PollDelay 100ms, ExtraSettings.UtcOffset -1h), times of day as HH:MM, ports as
COM 3 or SIRQ 3C, baud rates as 9600 Baud, the host mode as WA8DED or TNC3S, colours by name
(yellow, dark blue) beside the name of their screen element; a value the dialog cannot show
(an offset between whole hours) as the file's own number. With --raw they print every number
as the file holds it. set and apply take each of these forms, other units of time (30m,
1800s) and the file's own number, which is a bare number (MailboxSettings.Timeout 15 is 15
minutes, as TIMEOUT=15 in the file). Flags take yes or no (also true, false, 1, 0); a QRG
may have a decimal comma. set, apply and tnc check every value first (range, allowed
values, width, letter case as the dialog converts it, a value the dialog can show) and refuse
a bad one with exit status 2 and nothing written, as they refuse a value that the next read
would cut or read otherwise (a bare wave file name is read with the wave directory in front,
and the whole must fit 255 characters); then they write every change as OK in the dialog
writes it (so a resave right after changes nothing) in one step, only the keys whose value
changes, keeping TARVO.BAK as resave does. A refused set, apply or tnc writes nothing at
all: no TARVO.INI, no TARVO.BAK, no working folder. Fields derived from others (such as
ColorTable[0].FgEnabled) are read-only.
A command block's name (TncTable[0].IniBlock, a name under Blocks) may not be a section of
the program or one it keeps (STATION, DEVICE, DIR, DISPLAY, LANGUAGE, EXTRA, MAILBOX, COLOR,
SOUND, BEACON..., MAIN, VALIDCALL, SFILE, SETTINGS) in any letter case, nor hold a comma or
square brackets; an empty block field of a TNC stands for DEFINI or DEFDEI. A TNC line read
with such a name keeps it.
show --json --portable writes folders and wave files below the program folder relative to
it and adds the command blocks the TNCs name under Blocks (a block whose name cannot be a
command block is left out, said on stderr); apply places relative folders and wave files
below its own program folder and writes the blocks, refusing (exit status 2, naming them) to
replace a block held here with other lines unless --replace-blocks is given. It also carries
the file's sections in their order under Sections: the sections the program leaves alone
(BEACON..., MAIN, VALIDCALL, SFILE, SETTINGS) and your own with their KEY=VALUE lines, the
others by name only; apply writes those lines the same way (refusing differing ones unless
--replace-blocks), and a folder without TARVO.INI (--init) gets the source's section order and
the whole file, as resave writes it. show --json --changed prints only the values that differ
from those of a station without TARVO.INI (lists whole), as small a copy as there is.
apply reads FILE.json, or standard input for - (also when no file is named and standard
input is no terminal). Each value must have the JSON type of its setting: a string for a
text, a number or the string of one of its forms for a number, true or false (or a word set
takes) for a flag, a list for a list, an object for a record, and Blocks an object of lists
of strings; another type, null, or a whole that is not an object is refused with exit status
2 naming the setting. apply takes the TNC list (up to ten TNCs, as reading takes them) and
the closed-time list whole (an empty list empties it) and gives back a value as it was read
unchecked, so show --json fed back changes nothing; it reads JSON nested at most 64 levels
deep. --dry-run writes nothing: it prints the
difference as a unified diff and exits with 0 when nothing would change, 1 when something
would. The commands that write wait for another program's lock on the folder, saying so
after a second, at most ten seconds.

DIR must have an exact Windows path (Windows-1252 names, no character that Windows forbids
in names, at most 255 characters); otherwise nothing is read or written.

Other programs may write the file at the same time: tarvoini processes take turns, and an
operation that finds the file changed before its own write starts again from the read.

Exit status: 0 success, 1 not found or findings (also: restore without a TARVO.BAK),
2 usage error (also a value that cannot be written, a folder without TARVO.INI, or a DIR
without an exact Windows path), 3 the file could not be written, 4 the file could not be read
(also when TARVO.INI is not a regular file, and when a folder that exists cannot be listed:
the program folder, LANGUAGE, DRIVER.TNC, the prefix's dosdevices; for ports also a system.reg
that is not a regular file or is larger than 64 MB), 5 an unexpected error (a fault in
tarvoini, said as "unexpected error: ..."; the file is left as it was or as written in one
step). Errors 3 and 4 print the system's reason after the message. Numbers in arguments are
whole decimal numbers (tnc del 02 is TNC 2).

Examples:
  tarvoini --dir ~/.wine/drive_c/TARVO check
  tarvoini check --file ~/.wine/drive_c/TARVO/TARVO.BAK
  tarvoini --dir ~/.wine/drive_c/TARVO restore
  tarvoini --dir ~/.wine/drive_c/TARVO ports
  tarvoini ports map COM3 /dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0
  tarvoini show --json --portable | tarvoini --dir ~/club/TARVO --init apply -
  tarvoini set StationSettings.Call DL1ABC MailboxSettings.Timeout 30min
  tarvoini set --dry-run TncTable[0].Port 3 TncTable[0].Baud 9600
  tarvoini resave --dry-run
  tarvoini get DisplaySettings.MaxRXLines
  tarvoini tnc add
  tarvoini ini get TARVO.INI STATION CALL NOCALL
  tarvoini ini set TARVO.INI STATION CALL DL1ABC
  tarvoini ini del TARVO.INI MYBLOCK
  tarvoini ini keys TARVO.INI DEVICE
)";

using Dir = const std::string&;

int Usage(const std::string& hint) {
  std::cerr << "tarvoini: " << hint << " (see tarvoini --help)\n";
  return trv::kUsage;
}

int Run(int argc, char** argv) {
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
  bool init = false, quiet = false, verbose = false;
  while (!args.empty() &&
         (args[0] == "--dir" || args[0] == "--init" || args[0] == "--quiet" || args[0] == "--verbose")) {
    if (args[0] != "--dir") {
      (args[0] == "--init" ? init : args[0] == "--quiet" ? quiet : verbose) = true;
      args.erase(args.begin());
      continue;
    }
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
  // The command as typed, run on the folder found below once its words are known to be right.
  std::function<int(const std::string&)> command;
  std::vector<std::string> rest(args.begin() + 1, args.end());
  const bool dryRun = !rest.empty() && rest[0] == "--dry-run";
  if (verb == "show") {
    trv::ShowForm form;
    bool known = true;  // each option once, --portable only with --json
    for (const std::string& a : rest) {
      bool* option = a == "--json"       ? &form.json
                     : a == "--portable" ? &form.portable
                     : a == "--raw"      ? &form.raw
                     : a == "--changed"  ? &form.changed
                                         : nullptr;
      known = known && option != nullptr && !std::exchange(*option, true);
    }
    if (known && (form.json || (!form.portable && !form.changed)))
      command = [&, form](Dir d) { return trv::ShowCommand(d, form, io); };
  }
  if (verb == "check" && args.size() == 1) command = [&](Dir d) { return trv::CheckCommand(d, {}, io); };
  if (verb == "ports" && args.size() == 1) command = [&](Dir d) { return trv::PortsCommand(d, io); };
  if (verb == "ports" && args.size() > 1) {
    if (const std::string wrong = trv::PortsChangeUsage(rest); !wrong.empty()) return Usage(wrong);
    command = [&](Dir d) { return trv::PortsChangeCommand(d, rest, io); };
  }
  if (verb == "resave" && args.size() == 1) command = [&](Dir d) { return trv::ResaveCommand(d, init, io); };
  if (verb == "resave" && args.size() == 2 && dryRun)
    command = [&](Dir d) { return trv::ResaveDryRunCommand(d, init, io); };
  if (verb == "names" && args.size() == 1) command = [&](Dir d) { return trv::NamesCommand(d, io); };
  if (verb == "names" && args.size() == 2) command = [&](Dir d) { return trv::ValuesCommand(d, args[1], io); };
  if (verb == "get" && args.size() == 2) command = [&](Dir d) { return trv::GetCommand(d, args[1], false, io); };
  if (verb == "get" && args.size() == 3 && (args[1] == "--raw" || args[2] == "--raw"))
    command = [&](Dir d) { return trv::GetCommand(d, args[args[1] == "--raw" ? 2 : 1], true, io); };
  if (verb == "set" || verb == "apply" || verb == "tnc") {
    if (dryRun) rest.erase(rest.begin());
    if (verb == "set") command = [&](Dir d) { return trv::SetCommand(d, rest, dryRun, init, io); };
    if (verb == "tnc") command = [&](Dir d) { return trv::TncCommand(d, rest, dryRun, init, io); };
    bool replaceBlocks = false, dry = dryRun;  // apply's options, in either order
    while (verb == "apply" && !rest.empty() && (rest[0] == "--replace-blocks" || rest[0] == "--dry-run")) {
      (rest[0] == "--dry-run" ? dry : replaceBlocks) = true;
      rest.erase(rest.begin());
    }
    if (verb == "apply" && rest.empty() && isatty(STDIN_FILENO) == 0) rest.emplace_back("-");  // a pipe or a file
    if (verb == "apply" && rest.size() != 1) return Usage("apply needs one FILE.json, or - for standard input");
    if (verb == "apply")
      command = [&, replaceBlocks, dry](Dir d) { return trv::ApplyCommand(d, rest[0], dry, replaceBlocks, init, io); };
  }
  if (verb == "restore" && args.size() == 1) command = [&](Dir d) { return trv::RestoreCommand(d, io); };
  if (!command) return Usage("unknown command '" + verb + "'");
  // restore puts back a TARVO.BAK where TARVO.INI may be missing.
  const trv::FolderChoice folder = trv::ChooseFolder(dir, init, verb != "restore");
  if (!folder.refusal.empty()) {
    std::cerr << folder.refusal << "\n";
    return trv::kUsage;
  }
  // For a command that writes, --init makes the folder it is given when its parent is there;
  // one left empty (the command refused, or a dry run) goes again.
  const bool writes = verb == "set" || verb == "apply" || verb == "tnc" || verb == "resave";
  // A folder found rather than named is said, for the commands that write (or show what they
  // would write) always, for the others when asked.
  const bool changes = writes || verb == "restore" || (verb == "ports" && args.size() > 1);
  if (!folder.origin.empty() && !quiet && (changes || verbose)) std::cerr << trv::StationLine(folder) << "\n";
  std::error_code ec;
  const bool made = init && writes && !dir.empty() && std::filesystem::create_directory(dir, ec);
  const int status = command(folder.dir);
  if (made && std::filesystem::is_empty(dir, ec)) std::filesystem::remove(dir, ec);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  trv::InstallLastHandler("tarvoini");
  try {
    return Run(argc, argv);
  } catch (...) {
    return trv::ReportUnexpectedError("tarvoini");
  }
}
