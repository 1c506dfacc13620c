#include "config/store/sections.h"

#include "config/ini/ini_errors.h"
#include "config/sections/color_sound_section.h"
#include "config/sections/device_section.h"
#include "config/sections/dir_section.h"
#include "config/sections/display_section.h"
#include "config/sections/extra_section.h"
#include "config/sections/mailbox_section.h"
#include "config/store/config.h"
#include "config/store/saved_forms.h"

namespace trv {

const std::array<SectionStep, 9>& SectionSteps() {
  static const std::array<SectionStep, 9> steps = {{
      {SectionId::Station, "STATION", ReadStationSection, StationSectionWrites},
      {SectionId::Dir, kDirSection, ReadDirSection, DirSectionWrites},
      {SectionId::Display, "DISPLAY", ReadDisplaySection, DisplaySectionWrites},
      {SectionId::Color, kColorSection, ReadColorSection, ColorSectionWrites},
      {SectionId::Sound, kSoundSection, ReadSoundSection, SoundSectionWrites},
      {SectionId::Extra, "EXTRA", ReadExtraSection, ExtraSectionWrites},
      {SectionId::Mailbox, "MAILBOX", ReadMailboxSection, MailboxSectionWrites},
      {SectionId::Language, "LANGUAGE", ReadLanguageSection, LanguageSectionWrites},
      {SectionId::Device, kDeviceSection, ReadDeviceSection, DeviceSectionWrites},
  }};
  return steps;
}

void LoadAllSections(Config& config, const std::function<void(SectionId)>& afterRead,
                     const std::function<void(const StoreError&)>& onError) {
  // A step's own error is reported and the later steps run; a read error ends load all.
  auto run = [&](const std::function<void()>& part) {
    try {
      part();
    } catch (const IniReadError&) {
      throw;
    } catch (const StoreError& e) {
      onError(e);
    }
  };
  try {
    RunAction(config, [&](TIniFile&) {  // a run again starts from the records as they were
      for (const SectionStep& step : SectionSteps()) {
        run([&] { step.read(config); });
        if (afterRead) run([&] { afterRead(step.id); });
      }
    });
  } catch (const StoreError& e) {  // a read error, or the keys reading adds refused
    onError(e);
  }
}

std::vector<std::string> LoadAll(Config& config, const std::function<void(SectionId)>& afterRead) {
  std::vector<std::string> errors;
  LoadAllSections(config, afterRead, [&](const StoreError& e) { errors.emplace_back(e.what()); });
  return errors;
}

IniWrites AllSectionWrites(const Config& config) {
  IniWrites all;
  for (const SectionStep& step : SectionSteps()) {
    IniWrites writes = step.writes(config);
    all.insert(all.end(), std::make_move_iterator(writes.begin()), std::make_move_iterator(writes.end()));
  }
  return all;
}

void WriteSection(const Config& config, SectionId id) {
  for (const SectionStep& step : SectionSteps())
    if (step.id == id) {
      const IniWrites writes = step.writes(config);
      RunOperation(config, [&](TIniFile& ini) {
        for (const IniWrite& write : writes) ini.Apply(write);
      });
    }
}

void SaveAll(Config& config, const std::function<void(SectionId)>& beforeWrite) {
  if (beforeWrite)
    for (const SectionStep& step : SectionSteps()) beforeWrite(step.id);
  RunAction(config, [&](TIniFile& ini) {
    ApplySavedForms(config);  // the records as OK writes them
    for (const IniWrite& write : AllSectionWrites(config)) ini.Apply(write);
  });
}

}  // namespace trv
