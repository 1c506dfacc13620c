#pragma once
// The sections in the one order in which load all reads them and save all writes them.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini/ini_write.h"

namespace trv {

class Config;

enum class SectionId { Station, Dir, Display, Color, Sound, Extra, Mailbox, Language, Device };

struct SectionStep {
  SectionId id;
  std::string_view name;
  void (*read)(Config&);
  IniWrites (*writes)(const Config&);
};

const std::array<SectionStep, 9>& SectionSteps();

class StoreError;

// Reads every section from one reading of the file, in one action; after each read
// `afterRead` runs (a page fill). Each store error goes to `onError`, which may rethrow it
// (`throw;`) to end load all: a step's own error, a read error (which ends load all, since
// every later step would read the same file) or the refused write of what reading adds (the
// colour keys; the records stay as read).
void LoadAllSections(Config& config, const std::function<void(SectionId)>& afterRead,
                     const std::function<void(const StoreError&)>& onError);
// LoadAllSections collecting the error texts, in order.
std::vector<std::string> LoadAll(Config& config, const std::function<void(SectionId)>& afterRead = {});
// The keys save all writes from these records as they are (the saved forms not applied), in
// the order of the sections.
IniWrites AllSectionWrites(const Config& config);
// The section's keys written to the file (in the action's file, or in an action of its own).
void WriteSection(const Config& config, SectionId id);
// Runs every page store (`beforeWrite`), then writes the sections in order in one action:
// all or nothing. A value that cannot be written throws IniInputError, a refused write
// IniWriteError (or IniReadError); either way the file stays as it was.
void SaveAll(Config& config, const std::function<void(SectionId)>& beforeWrite = {});

}  // namespace trv
