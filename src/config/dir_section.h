#pragma once
// The DIR section: the seven working directories. Reading creates them, with the fixed
// directories under the program directory and the mailbox directory.
namespace trv {

class Config;

void ReadDirSection(Config& config);
void WriteDirSection(Config& config);

}  // namespace trv
