#include "cli/formed_values.h"

#include <map>
#include <string>
#include <vector>

#include "config/settings/value_forms.h"

namespace trv {
namespace {

class FormedValues : public SettingsVisitor {
 public:
  FormedValues(const SettingCatalogue& catalogue, bool raw, SettingsVisitor& inner) : raw_(raw), inner_(inner) {
    for (const CatalogueEntry& e : catalogue) entries_.emplace(e.name, &e);
    path_.push_back({});
  }
  void BeginRecord(std::string_view name) override {
    path_.push_back({Named(name), 0});
    inner_.BeginRecord(name);
  }
  void EndRecord() override { End(&SettingsVisitor::EndRecord); }
  void BeginList(std::string_view name) override {
    path_.push_back({Named(name), 0});
    inner_.BeginList(name);
  }
  void EndList() override { End(&SettingsVisitor::EndList); }
  void Text(std::string_view name, const std::string& text) override {
    Named(name);
    inner_.Text(name, text);
  }
  void Integer(std::string_view name, long long value) override {
    const auto entry = entries_.find(Named(name));
    const std::string kept = std::to_string(value);
    const std::string formed = entry == entries_.end() ? kept
                               : raw_                  ? FileForm(*entry->second, kept)
                                                       : WindowForm(*entry->second, kept);
    if (formed.find_first_not_of("-0123456789") == std::string::npos)
      inner_.Integer(name, std::stoll(formed));
    else
      inner_.Text(name, formed);
  }
  void Real(std::string_view name, double value) override {
    Named(name);
    inner_.Real(name, value);
  }
  void Flag(std::string_view name, bool value) override {
    Named(name);
    inner_.Flag(name, value);
  }

 private:
  struct Level {
    std::string name;  // as the catalogue names it: "MailboxSettings.ClosedTimes[0]"
    int items = 0;     // of a list: how many were visited
  };
  // The catalogue's name of a field or record of the current level (an empty name is the next item).
  std::string Named(std::string_view name) {
    Level& level = path_.back();
    if (name.empty()) return level.name + "[" + std::to_string(level.items++) + "]";
    return level.name.empty() ? std::string(name) : level.name + "." + std::string(name);
  }
  void End(void (SettingsVisitor::*end)()) {
    path_.pop_back();
    (inner_.*end)();
  }

  bool raw_;
  SettingsVisitor& inner_;
  std::map<std::string, const CatalogueEntry*> entries_;
  std::vector<Level> path_;
};

}  // namespace

std::unique_ptr<SettingsVisitor> MakeFormedValues(const SettingCatalogue& catalogue, bool raw, SettingsVisitor& inner) {
  return std::make_unique<FormedValues>(catalogue, raw, inner);
}

}  // namespace trv
