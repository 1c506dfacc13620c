#pragma once
// What a setting takes, for the shell's completion of tarvoini set NAME <Tab>.
#include <string>

#include "cli/commands.h"

namespace trv {

// tarvoini names NAME: the values NAME takes, one a line: yes and no for a flag, each allowed
// value where there is a list, else its value now as get prints it (in the unit the window
// shows, which a typed number takes too).
int ValuesCommand(const std::string& programDir, const std::string& name, CommandStreams io);

}  // namespace trv
