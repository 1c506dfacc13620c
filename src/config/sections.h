#pragma once
// The sections in the one order in which load all reads them and save all writes them.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace trv {

class Config;

enum class SectionId { Station, Dir, Display, Color, Sound, Extra, Mailbox, Language, Device };

struct SectionStep {
  SectionId id;
  std::string_view name;
  void (*read)(Config&);
  void (*write)(Config&);
};

const std::array<SectionStep, 9>& SectionSteps();

class StoreError;

// Reads every section; after each read `afterRead` runs (a page fill). Each store error of a
// step goes to `onError`, which may rethrow it (`throw;`) to end load all. A refused write
// of a reader (the colour keys it adds) does not keep the later steps from running; a read
// error ends load all, since every later step would read the same file.
void LoadAllSections(Config& config, const std::function<void(SectionId)>& afterRead,
                     const std::function<void(const StoreError&)>& onError);
// LoadAllSections collecting the error texts, in order.
std::vector<std::string> LoadAll(Config& config, const std::function<void(SectionId)>& afterRead = {});
// Runs every page store (`beforeWrite`), then checks every value of every section, then
// writes the sections in order. A value that cannot be written throws IniInputError before
// anything is written; the first refused write ends the sequence by throwing IniWriteError
// (or IniReadError), and the sections before it stay written.
void SaveAll(Config& config, const std::function<void(SectionId)>& beforeWrite = {});

}  // namespace trv
