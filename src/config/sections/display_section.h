#pragma once
// The DISPLAY and LANGUAGE sections.
namespace trv {

class Config;

void ReadDisplaySection(Config& config);
void WriteDisplaySection(Config& config);
void ReadLanguageSection(Config& config);
void WriteLanguageSection(Config& config);

}  // namespace trv
