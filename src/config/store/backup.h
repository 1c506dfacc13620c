#pragma once
// TARVO.BAK: the file as it was before this run first changed it (RunAction keeps it, with
// keepBackup), and the way back to it.
#include <string>

namespace trv {

class Config;

// The backup beside TARVO.INI, as a Windows path.
std::string BackupFilePath(const Config& config);

// Puts TARVO.BAK back as TARVO.INI and keeps the file it replaces as TARVO.BAK, so a second
// restore undoes the first. False when there is no TARVO.BAK. The two files swap names in one
// step where the file system can; elsewhere the replaced file is kept in a journal until the
// backup holds it, and a run killed half way is finished by the next one. At every moment the
// current file is in TARVO.INI, TARVO.BAK or that journal. A refused write leaves both files
// as they were; throws IniReadError or IniWriteError.
bool RestoreBackup(const Config& config);

}  // namespace trv
