#pragma once
// The MAILBOX section, with the FHeader, the closed-time list and PWBOX of the EXTRA section.
#include <string>

namespace trv {

class Config;
class TClosedTimeCol;

void ReadMailboxSection(Config& config);
void WriteMailboxSection(Config& config);

// The CLOSEDTIME value of a list: "2230-0600,1200-1315".
std::string ClosedTimeValue(TClosedTimeCol& list);

}  // namespace trv
