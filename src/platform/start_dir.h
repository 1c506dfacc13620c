#pragma once
// Where the program was started from, as the user sees it: symbolic links are not resolved,
// so a link in Tarvo's folder to an installed program names Tarvo's folder.
#include <string>
#include <string_view>

namespace trv {

// The host directory of the path the program was started by (`argv0`): a path with a slash is
// taken from the working directory, a bare name is looked up in `pathVariable` the way a
// shell does. Empty when the name cannot be found.
std::string StartDirectory(std::string_view argv0, std::string_view pathVariable, std::string_view workingDir);

}  // namespace trv
