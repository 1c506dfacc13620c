#include "config/owned_values.h"

#include <set>

#include "config/config.h"
#include "config/ini_errors.h"
#include "config/sections.h"

namespace trv {
namespace {

std::string KeyName(const std::tuple<FileLookup::Kind, std::string, std::string>& id) {
  const auto& [kind, section, key] = id;
  if (kind == FileLookup::Kind::SectionNames) return "the list of sections";
  if (kind == FileLookup::Kind::KeyNames) return "[" + section + "]";
  return "[" + section + "] " + key;
}

}  // namespace

OwnedValues OwnedValues::Read(const Config& config, Findings* findings) {
  FileLookups lookups;
  StoreOptions options;
  options.readOnly = true;
  options.reader = config.Options.reader;
  options.otherFile = config.Options.otherFile;
  options.lookups = &lookups;
  options.findings = findings;
  Config probe(config.Files, std::move(options));
  LoadAllSections(probe, {}, [](const StoreError&) { throw; });
  OwnedValues owned;
  for (FileLookup& lookup : lookups)
    owned.values_.emplace(Id{lookup.kind, std::move(lookup.section), std::move(lookup.key)}, std::move(lookup.value));
  return owned;
}

std::vector<std::string> OwnedValues::ChangedSince(const OwnedValues& before) const {
  std::set<Id> ids;
  for (const auto& [id, value] : values_) ids.insert(id);
  for (const auto& [id, value] : before.values_) ids.insert(id);
  std::vector<std::string> changed;
  for (const Id& id : ids) {
    const auto now = values_.find(id);
    const auto then = before.values_.find(id);
    // A key that only one of the two loads looked at: the other load took another path.
    if (now == values_.end() || then == before.values_.end() || now->second != then->second)
      changed.push_back(KeyName(id));
  }
  return changed;
}

}  // namespace trv
