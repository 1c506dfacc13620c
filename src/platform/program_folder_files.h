#pragma once
// What the program folder holds for the store: its TARVO.INI, and whether the folder and the
// file take writes. On host paths (UTF-8).
#include <string>
#include <vector>

namespace trv {

// The names of the entries that are TARVO.INI without regard to case and are no directories
// (a dangling link counts), ordered by name; empty when the folder cannot be listed.
std::vector<std::string> ConfigFileNames(const std::string& hostDir);
bool HasConfigFile(const std::string& hostDir);

// Why the folder or its TARVO.INI refuses writes, in the system's words ("Operation not
// permitted"); empty when neither does.
std::string FolderWriteRefusal(const std::string& hostDir);

}  // namespace trv
