#pragma once
// One walk over every record that load all fills, named as the records and fields are
// named; the readable listing and the JSON output are two visitors of it.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/sections/copied_sections.h"

namespace trv {

class Config;

class SettingsVisitor {
 public:
  virtual ~SettingsVisitor() = default;
  // An empty name stands for an item of the enclosing list.
  virtual void BeginRecord(std::string_view name) = 0;
  virtual void EndRecord() = 0;
  virtual void BeginList(std::string_view name) = 0;
  virtual void EndList() = 0;
  virtual void Text(std::string_view name, const std::string& windowsText) = 0;
  virtual void Integer(std::string_view name, long long value) = 0;
  virtual void Real(std::string_view name, double value) = 0;
  virtual void Flag(std::string_view name, bool value) = 0;
};

// `userSections` are the names ListUserSections gives.
// `blocks`: command blocks with their lines, visited as the record "Blocks" (show --json --portable).
using CommandBlocks = std::vector<std::pair<std::string, std::vector<std::string>>>;
// `sections`: the file's sections in order, visited as the list "Sections" of records with a
// "Name" and, for those that travel with their lines, "Lines".
void VisitSettings(Config& config, const std::vector<std::string>& userSections, SettingsVisitor& visitor,
                   const CommandBlocks* blocks = nullptr, const std::vector<CopiedSection>* sections = nullptr);

}  // namespace trv
