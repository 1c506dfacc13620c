#pragma once
// The EXTRA section's options and module switches (the sound and mailbox password keys of
// the same section belong to their own readers).
#include "config/ini/ini_write.h"

namespace trv {

class Config;

void ReadExtraSection(Config& config);
// The keys the section is written with, from the records as they are.
IniWrites ExtraSectionWrites(const Config& config);

}  // namespace trv
