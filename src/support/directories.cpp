#include "support/directories.h"

#include "support/text.h"

namespace trv {

Directories::Directories(std::string_view programDir) : programDir_(Normalised(programDir)) {}

std::string Directories::Normalised(std::string_view dir) { return AddBackslash(CutTo(dir, kShortStringMax)); }

std::string Directories::GetTncDriverDir() const { return Join255(programDir_, "DRIVER.TNC\\"); }
std::string Directories::GetVoiceDir() const { return Join255(programDir_, "VOICE\\"); }
std::string Directories::GetFilterDir() const { return Join255(programDir_, "FILTER\\"); }
std::string Directories::GetLanguageDir() const { return Join255(programDir_, "LANGUAGE\\"); }

std::string Directories::GetMailBCDir() const { return Join255(mail_, "BC\\"); }
std::string Directories::GetMailSFDir() const { return Join255(mail_, "SF\\"); }
std::string Directories::GetMailSFExportDir() const { return Join255(mail_, "SFEXPORT\\"); }
std::string Directories::GetMailSFImportDir() const { return Join255(mail_, "SFIMPORT\\"); }
std::string Directories::GetMailHelpDir() const { return Join255(mail_, "HELP\\"); }
std::string Directories::GetMailNntpDir() const { return Join255(mail_, "NNTP\\"); }
std::string Directories::GetMailTempDir() const { return Join255(mail_, "TEMP\\"); }
std::string Directories::GetMailFbbPath() const { return Join255(mail_, "FBB"); }

}  // namespace trv
