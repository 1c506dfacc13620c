#include "config/sections.h"

#include <stdexcept>

#include "config/color_sound_section.h"
#include "config/config.h"
#include "config/device_section.h"
#include "config/dir_section.h"
#include "config/display_section.h"
#include "config/extra_section.h"
#include "config/mailbox_section.h"

namespace trv {

const std::array<SectionStep, 9>& SectionSteps() {
  static const std::array<SectionStep, 9> steps = {{
      {SectionId::Station, "STATION", ReadStationSection, WriteStationSection},
      {SectionId::Dir, "DIR", ReadDirSection, WriteDirSection},
      {SectionId::Display, "DISPLAY", ReadDisplaySection, WriteDisplaySection},
      {SectionId::Color, "COLOR", ReadColorSection, WriteColorSection},
      {SectionId::Sound, "SOUND", ReadSoundSection, WriteSoundSection},
      {SectionId::Extra, "EXTRA", ReadExtraSection, WriteExtraSection},
      {SectionId::Mailbox, "MAILBOX", ReadMailboxSection, WriteMailboxSection},
      {SectionId::Language, "LANGUAGE", ReadLanguageSection, WriteLanguageSection},
      {SectionId::Device, "DEVICE", ReadDeviceSection, WriteDeviceSection},
  }};
  return steps;
}

std::vector<std::string> LoadAll(Config& config, const std::function<void(SectionId)>& afterRead) {
  std::vector<std::string> errors;
  for (const SectionStep& step : SectionSteps()) {
    try {
      step.read(config);
    } catch (const std::exception& e) {
      errors.emplace_back(e.what());
    }
    if (!afterRead) continue;
    try {
      afterRead(step.id);
    } catch (const std::exception& e) {
      errors.emplace_back(e.what());
    }
  }
  return errors;
}

void SaveAll(Config& config, const std::function<void(SectionId)>& beforeWrite) {
  for (const SectionStep& step : SectionSteps()) {
    if (beforeWrite) beforeWrite(step.id);
    step.write(config);
  }
}

}  // namespace trv
