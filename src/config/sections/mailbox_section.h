#pragma once
// The MAILBOX section, with the FHeader, the closed-time list and PWBOX of the EXTRA section.
#include <cstdint>
#include <string>

#include "config/ini/ini_write.h"

namespace trv {

class Config;
class TClosedTimeCol;

void ReadMailboxSection(Config& config);
// The keys the section is written with, from the records as they are.
IniWrites MailboxSectionWrites(const Config& config);

// The CLOSEDTIME value of a list: "2230-0600,1200-1315". Every window reads back as itself.
std::string ClosedTimeValue(const TClosedTimeCol& list);
// Whether the list with this window added still fits in the value the next read takes whole.
bool ClosedTimeFits(TClosedTimeCol& list, std::int32_t from, std::int32_t to);
// One time of a window as the file holds it: HHMM, or for a negative time its 32 bits in
// hexadecimal ("$FFFFFFFB"), since a dash would end the start time.
std::string ClosedTimeText(std::int32_t time);

}  // namespace trv
