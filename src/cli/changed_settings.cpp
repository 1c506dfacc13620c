#include "cli/changed_settings.h"

#include <vector>

namespace trv {
namespace {

// The place of each value of a visit: record names joined by '.', list items numbered.
class Places {
 public:
  void Begin(std::string_view name, bool list) {
    const std::string place = Of(name);
    frames_.push_back({place, list, 0});
  }
  void End() { frames_.pop_back(); }
  bool InList() const {
    for (const Frame& f : frames_)
      if (f.list) return true;
    return false;
  }
  std::string Of(std::string_view name) {
    if (frames_.empty()) return std::string(name);
    Frame& top = frames_.back();
    if (top.list) return top.place + "[" + std::to_string(top.items++) + "]";
    return top.place.empty() ? std::string(name) : top.place + "." + std::string(name);
  }

 private:
  struct Frame {
    std::string place;
    bool list;
    std::size_t items;
  };
  std::vector<Frame> frames_;
};

class Recorder : public SettingsVisitor {
 public:
  explicit Recorder(ValuesByPlace& values) : values_(values) {}
  void BeginRecord(std::string_view name) override { places_.Begin(name, false); }
  void EndRecord() override { places_.End(); }
  void BeginList(std::string_view name) override { places_.Begin(name, true); }
  void EndList() override { places_.End(); }
  void Text(std::string_view name, const std::string& text) override { values_[places_.Of(name)] = "t" + text; }
  void Integer(std::string_view name, long long value) override {
    values_[places_.Of(name)] = "i" + std::to_string(value);
  }
  void Real(std::string_view name, double value) override { values_[places_.Of(name)] = "r" + std::to_string(value); }
  void Flag(std::string_view name, bool value) override { values_[places_.Of(name)] = value ? "f1" : "f0"; }

 private:
  ValuesByPlace& values_;
  Places places_;
};

class ChangedFilter : public SettingsVisitor {
 public:
  ChangedFilter(const ValuesByPlace& defaults, SettingsVisitor& next) : defaults_(defaults), next_(next) {}
  void BeginRecord(std::string_view name) override {
    places_.Begin(name, false);
    next_.BeginRecord(name);
  }
  void EndRecord() override {
    places_.End();
    next_.EndRecord();
  }
  void BeginList(std::string_view name) override {
    places_.Begin(name, true);
    next_.BeginList(name);
  }
  void EndList() override {
    places_.End();
    next_.EndList();
  }
  void Text(std::string_view name, const std::string& text) override {
    if (Changed(name, "t" + text)) next_.Text(name, text);
  }
  void Integer(std::string_view name, long long value) override {
    if (Changed(name, "i" + std::to_string(value))) next_.Integer(name, value);
  }
  void Real(std::string_view name, double value) override {
    if (Changed(name, "r" + std::to_string(value))) next_.Real(name, value);
  }
  void Flag(std::string_view name, bool value) override {
    if (Changed(name, value ? "f1" : "f0")) next_.Flag(name, value);
  }

 private:
  // Lists travel whole (apply takes a list as a whole): only a record's values are left out.
  bool Changed(std::string_view name, const std::string& value) {
    const bool listed = places_.InList();
    const auto it = defaults_.find(places_.Of(name));
    return listed || it == defaults_.end() || it->second != value;
  }

  const ValuesByPlace& defaults_;
  SettingsVisitor& next_;
  Places places_;
};

}  // namespace

ValuesByPlace RecordValues(Config& config) {
  ValuesByPlace values;
  Recorder recorder(values);
  VisitSettings(config, {}, recorder);
  return values;
}

std::unique_ptr<SettingsVisitor> OnlyChanged(const ValuesByPlace& defaults, SettingsVisitor& next) {
  return std::make_unique<ChangedFilter>(defaults, next);
}

}  // namespace trv
