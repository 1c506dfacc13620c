#pragma once
// The DISPLAY and LANGUAGE sections.
#include "config/ini/ini_write.h"

namespace trv {

class Config;

void ReadDisplaySection(Config& config);
// The keys the section is written with, from the records as they are.
IniWrites DisplaySectionWrites(const Config& config);
void ReadLanguageSection(Config& config);
// The keys the section is written with, from the records as they are.
IniWrites LanguageSectionWrites(const Config& config);

}  // namespace trv
