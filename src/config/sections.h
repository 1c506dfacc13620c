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

// Reads every section; after each read `afterRead` runs (a page fill). A refused write of a
// reader (the colour keys it adds) or a failing `afterRead` does not keep the later steps
// from running: their error texts are returned, in order.
std::vector<std::string> LoadAll(Config& config, const std::function<void(SectionId)>& afterRead = {});
// Writes every section; before each write `beforeWrite` runs (a page store). The first
// refused write ends the sequence by throwing IniWriteError; the sections before it stay written.
void SaveAll(Config& config, const std::function<void(SectionId)>& beforeWrite = {});

}  // namespace trv
