#pragma once
// The exact Windows form of a host directory. The program directory must have one: a
// directory whose Windows path would name another place or one Windows cannot open (a name
// outside Windows-1252, a character Windows does not allow in names, a device name such as
// CON or LPT1.TXT, a name ending in a dot or a blank, a path over 255 characters) is
// refused, and nothing is read or written. Only the names below the drive's root are in the
// Windows path: the host folders above it (a home folder named michał) do not matter.
#include <string>
#include <string_view>

#include "platform/drive_table.h"

namespace trv {

struct WindowsDirectory {
  std::string path;     // with a trailing backslash; empty when there is none
  std::string problem;  // why there is none, in words
};

// Why a name (Windows-1252) cannot be a Windows file name ("has no Windows form", a device
// name, a trailing dot or blank), or empty when it can.
std::string WindowsNameProblem(std::string_view name);

// `hostDir` may be relative (to the working directory); it is made absolute and its
// symlinks are resolved first.
WindowsDirectory WindowsFormOfDirectory(const DriveTable& drives, const std::string& hostDir);

}  // namespace trv
