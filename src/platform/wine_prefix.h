#pragma once
// Which Wine prefix a program folder belongs to. Bottles, PlayOnLinux and Lutris keep one
// prefix per program, so the folder's own surroundings come before $WINEPREFIX and ~/.wine.
#include <string>
#include <string_view>

namespace trv {

// True when `dir` holds both dosdevices/ and drive_c/, as every Wine prefix does.
bool IsWinePrefix(const std::string& dir);

// The nearest folder at or above `hostDir` that is a Wine prefix, else `winePrefixEnv` when set
// and not empty, else `homeEnv`/.wine; empty when none of them can be named. The last two are
// returned whether or not they exist: IsWinePrefix tells.
std::string WinePrefixFor(std::string_view hostDir, const char* winePrefixEnv, const char* homeEnv);

// The same with $WINEPREFIX and $HOME of this process.
std::string WinePrefixFor(std::string_view hostDir);

}  // namespace trv
