#pragma once
// What TARVO.INI holds for the keys the program owns: every key value and key list that
// loading reads. The window takes it once it has loaded the file and again before OK writes,
// so that a change another program made in between is noticed. Keys the program does not
// read never count: OK keeps them as they are anyway.
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "config/ini_file.h"

namespace trv {

class Config;

class OwnedValues {
 public:
  // A read-only load of every section into a second settings object over the same file;
  // nothing is written or created. What that load finds goes to `findings` when given, with
  // the line numbers of the file as it is now. Throws IniReadError.
  static OwnedValues Read(const Config& config, Findings* findings = nullptr);

  // The keys whose value differs from `before`, as "[SECTION] KEY" ("[SECTION]" when the
  // section's list of keys differs); empty when the file still holds what it held.
  std::vector<std::string> ChangedSince(const OwnedValues& before) const;
  bool operator==(const OwnedValues&) const = default;

 private:
  using Id = std::tuple<FileLookup::Kind, std::string, std::string>;
  std::map<Id, std::optional<std::string>> values_;
};

}  // namespace trv
