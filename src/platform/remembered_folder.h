#pragma once
// The program folder that the window remembers, in a plain file that tarvoini reads too:
// $XDG_CONFIG_HOME/trvcfg/folder (by default ~/.config/trvcfg/folder), holding the host path
// in UTF-8 on one line.
#include <optional>
#include <string>

namespace trv {

// The file's path from the given $XDG_CONFIG_HOME and $HOME: the first when it is a full path,
// else the second's .config; empty when neither names a folder.
std::string RememberedFolderFile(const char* xdgConfigHomeEnv, const char* homeEnv);
// The same with the variables of this process.
std::string RememberedFolderFile();

// The folder the file names; nothing when the file is missing, unreadable or names no folder
// (a line that is empty or no full path).
std::optional<std::string> ReadRememberedFolder(const std::string& file);

// Writes `folder` (a full host path) as the file's one line, in one step, making the file's
// folder where it is missing. False when that fails or the path cannot stand on one line.
bool WriteRememberedFolder(const std::string& file, const std::string& folder);

}  // namespace trv
