#include "ui/held_field_marks.h"

#include <QWidget>
#include <algorithm>

#include "config/store/config.h"
#include "ui/field_marks.h"
#include "ui/field_reset_menu.h"
#include "ui/pages/settings_page.h"
#include "ui/record_defaults.h"

namespace trv {
HeldFieldMarks::HeldFieldMarks(Config& config, SettingsPage* page, Page how)
    : QObject(page), config_(config), page_(std::move(how)) {
  setObjectName("HeldFieldMarks");
}

HeldFieldMarks::~HeldFieldMarks() = default;

void HeldFieldMarks::Add(const std::vector<QWidget*>& widgets, std::function<std::vector<std::string>()> names,
                         bool byMouse) {
  const std::size_t i = fields_.size();
  Field field;
  field.names = std::move(names);
  for (QWidget* widget : widgets) {
    field.marks.emplace_back(new FieldMark(widget));
    FieldUndo undo;
    undo.reset = [this, i] { Reset(fields_[i]); };
    undo.revert = [this, i] { Revert(fields_[i]); };
    undo.atDefault = [this, i] {
      Update();
      return !fields_[i].notDefault;
    };
    undo.asLoaded = [this, i] {
      Update();
      return !fields_[i].changed || !fields_[i].revertible;
    };
    undo.byMouse = byMouse;
    AddFieldResetMenu(widget, std::move(undo));
  }
  fields_.push_back(std::move(field));
}

void HeldFieldMarks::SetList(QWidget* list) { listMark_ = new FieldMark(list); }

void HeldFieldMarks::Loaded() {
  loaded_ = std::make_unique<Config>(config_);
  Config form = config_;
  ApplyForm(form, page_.section);
  loadedForm_.clear();
  for (const CatalogueEntry& e : page_.settings(form))
    if (Writable(e)) loadedForm_[e.name] = e.get(form);
  filled_ = true;
}

HeldFieldMarks::Now HeldFieldMarks::Compute() const {
  Now now;
  auto raw = std::make_unique<Config>(config_);
  if (page_.storeShown) page_.storeShown(*raw);
  now.settings = page_.settings(*raw);
  now.defaults = std::make_unique<Config>(*raw);
  for (const CatalogueEntry& e : now.settings)
    if (Writable(e) && HasDefault(e)) PutValue(e, *now.defaults, e.defaultValue);
  ApplyForm(*now.defaults, page_.section);
  ApplyForm(*raw, page_.section);
  now.form = std::move(raw);
  return now;
}

const CatalogueEntry* HeldFieldMarks::Find(const std::string& name) const {
  const auto it = std::find_if(catalogue_.begin(), catalogue_.end(),
                               [&](const CatalogueEntry& e) { return e.name == name && Writable(e); });
  return it == catalogue_.end() ? nullptr : &*it;
}

void HeldFieldMarks::Update() {
  // While the page is being destroyed its fields still send signals: it is no longer a page
  // then, and its fields may be gone.
  if (quiet_ > 0 || !filled_ || qobject_cast<SettingsPage*>(parent()) == nullptr) return;
  const Now now = Compute();
  catalogue_ = now.settings;
  const auto differs = [&](const CatalogueEntry& e) {
    const auto it = loadedForm_.find(e.name);
    return it == loadedForm_.end() || e.get(*now.form) != it->second;
  };
  const auto notDefault = [&](const CatalogueEntry& e) {
    return HasDefault(e) && e.get(*now.form) != e.get(*now.defaults);
  };
  for (Field& field : fields_) {
    field.changed = field.notDefault = false;
    field.revertible = true;
    for (const std::string& name : field.names())
      if (const CatalogueEntry* e = Find(name)) {
        field.revertible = field.revertible && loadedForm_.count(name) != 0;
        field.changed = field.changed || differs(*e);
        field.notDefault = field.notDefault || notDefault(*e);
      }
    for (FieldMark* mark : field.marks)
      if (mark != nullptr) mark->Set(field.changed, field.notDefault);
  }
  if (listMark_ == nullptr) return;
  bool changed = false, anyNotDefault = false;
  std::size_t held = 0;
  for (const CatalogueEntry& e : now.settings) {
    if (!Writable(e)) continue;
    held += loadedForm_.count(e.name);
    changed = changed || differs(e);
    anyNotDefault = anyNotDefault || notDefault(e);
  }
  changed = changed || held != loadedForm_.size();  // an entry the window deleted
  listMark_->Set(changed, anyNotDefault);
}

void HeldFieldMarks::PutAndShow(const std::function<void()>& put) {
  if (page_.storeShown) page_.storeShown(config_);
  put();
  const Quiet quiet(*this);
  page_.showAgain();
}

void HeldFieldMarks::Reset(const Field& field) {
  PutAndShow([&] {
    const Now now = Compute();
    for (const std::string& name : field.names())
      for (const CatalogueEntry& e : now.settings)
        if (e.name == name && Writable(e) && HasDefault(e)) PutValue(e, config_, e.get(*now.defaults));
  });
}

void HeldFieldMarks::Revert(const Field& field) {
  if (!loaded_) return;
  PutAndShow([&] {
    const SettingCatalogue loaded = page_.settings(*loaded_);
    for (const std::string& name : field.names())
      for (const CatalogueEntry& e : loaded)
        if (e.name == name && Writable(e)) PutValue(e, config_, e.get(*loaded_));
  });
}

void HeldFieldMarks::RevertAll() {
  if (!loaded_) return;
  PutAndShow([&] {
    if (page_.revertAll) {
      page_.revertAll(*loaded_);
      return;
    }
    for (const CatalogueEntry& e : page_.settings(*loaded_))
      if (Writable(e)) PutValue(e, config_, e.get(*loaded_));
  });
}

}  // namespace trv
