#include "ui/page_binder.h"

#include <QCheckBox>
#include <QComboBox>

#include "support/text.h"
#include "ui/controls.h"
#include "ui/field_marks.h"
#include "ui/field_reset_menu.h"
#include "ui/record_defaults.h"
#include "ui/setting_tooltip.h"
#include "ui/text_convert.h"
#include "ui/widgets/checked_number_edit.h"

namespace trv {
namespace {

std::int32_t Shown(std::int64_t value, const CatalogueEntry& e) {
  return static_cast<std::int32_t>(value * e.shownScale / e.shownFactor);
}

std::string Kept(std::int32_t shown, const CatalogueEntry& e) {
  return std::to_string(std::int64_t{shown} * e.shownFactor / e.shownScale);
}

// What a text field stores for its text.
std::string StoredText(const CatalogueEntry& e, const QString& shown) { return SavedText(e, ToWindows(shown)); }

}  // namespace

CatalogueEntry PageBinder::Described(QWidget* field, std::string_view section, std::string_view key) const {
  CatalogueEntry entry = DeclaredSetting(section, key);
  field->setToolTip(SettingToolTip(entry));
  field->setAccessibleDescription(SettingDescription(entry));
  return entry;
}

void PageBinder::Describe(QWidget* field, std::string_view section, std::string_view key) const {
  Described(field, section, key);
}

void PageBinder::Add(CatalogueEntry entry, Access access, const std::function<void(std::function<void()>)>& watch) {
  const std::size_t i = bindings_.size();
  QWidget* field = access.field;
  Binding binding;
  binding.entry = std::move(entry);
  binding.access = std::move(access);
  binding.mark = new FieldMark(field);
  bindings_.push_back(std::move(binding));
  watch([this, i] { Remark(bindings_[i]); });
  FieldUndo undo;
  undo.reset = [this, i] { bindings_[i].access.show(bindings_[i].entry, bindings_[i].entry.defaultValue); };
  undo.revert = [this, i] { bindings_[i].access.show(bindings_[i].entry, bindings_[i].loaded); };
  undo.atDefault = [this, i] { return AtDefault(bindings_[i]); };
  undo.asLoaded = [this, i] { return !bindings_[i].filled || bindings_[i].Shown() == bindings_[i].loadedShown; };
  AddFieldResetMenu(field, std::move(undo));
}

bool PageBinder::AtDefault(const Binding& b) const {
  return !HasDefault(b.entry) || b.Shown() == b.access.formOf(b.entry, b.entry.defaultValue, b.loaded);
}

void PageBinder::Remark(const Binding& b) const {
  if (!b.filled || b.mark == nullptr) return;
  b.mark->Set(b.Shown() != b.loadedShown, !AtDefault(b));
}

QCheckBox* PageBinder::Bind(QCheckBox* box, std::string_view section, std::string_view key) {
  Add(Described(box, section, key),
      {.field = box,
       .show = [box](const CatalogueEntry&, const std::string& v) { box->setChecked(v == "yes"); },
       .shown = [box](const CatalogueEntry&, const std::string&) -> std::string {
         return box->isChecked() ? "yes" : "no";
       },
       .formOf = [](const CatalogueEntry&, const std::string& v, const std::string&) -> std::string {
         return v == "yes" ? "yes" : "no";
       },
       .store = [box](const CatalogueEntry& e, Config& c) { e.put(c, box->isChecked() ? "yes" : "no"); }},
      [box](std::function<void()> changed) { QObject::connect(box, &QCheckBox::toggled, box, changed); });
  TieDependents(box);
  return box;
}

void PageBinder::TieDependents(QCheckBox* box) {
  const CatalogueEntry& bound = bindings_.back().entry;
  const auto tie = [](QCheckBox* master, QWidget* dependent) {
    QObject::connect(master, &QCheckBox::toggled, dependent, [dependent](bool on) { dependent->setEnabled(on); });
  };
  for (const Binding& b : bindings_) {
    auto* other = qobject_cast<QCheckBox*>(b.access.field);
    if (other == nullptr || other == box || b.entry.section != bound.section) continue;
    if (b.entry.needs == bound.key) tie(box, other);
    if (bound.needs == b.entry.key) tie(other, box);
  }
}

void PageBinder::EnableDependents() const {
  for (const Binding& b : bindings_) {
    if (b.entry.needs.empty()) continue;
    for (const Binding& m : bindings_)
      if (auto* master = qobject_cast<QCheckBox*>(m.access.field);
          master != nullptr && m.entry.section == b.entry.section && m.entry.key == b.entry.needs)
        b.access.field->setEnabled(master->isChecked());
  }
}

CheckedNumberEdit* PageBinder::Bind(CheckedNumberEdit* edit, std::string_view section, std::string_view key) {
  CatalogueEntry entry = Described(edit, section, key);
  edit->SetRange({Shown(std::stoll(entry.defaultValue), entry), Shown(entry.min, entry), Shown(entry.max, entry)});
  edit->SetTyping(static_cast<int>(entry.typingWidth), true);
  Add(std::move(entry),
      {.field = edit,
       .show =
           [edit](const CatalogueEntry& e, const std::string& v) {
             edit->SetValue(Shown(std::stoll(v), e));
             edit->CheckedValue();
           },
       .shown =
           [edit](const CatalogueEntry& e, const std::string&) {
             return Kept(edit->UsableValue().value_or(Shown(std::stoll(e.defaultValue), e)), e);
           },
       .formOf = [](const CatalogueEntry& e, const std::string& v,
                    const std::string&) { return Kept(Shown(std::stoll(v), e), e); },
       .store =
           [edit](const CatalogueEntry& e, Config& c) {
             e.put(c, std::to_string(std::int64_t{edit->CheckedValue()} * e.shownFactor / e.shownScale));
           }},
      [edit](std::function<void()> changed) { QObject::connect(edit, &QLineEdit::textChanged, edit, changed); });
  return edit;
}

LimitedLineEdit* PageBinder::Bind(LimitedLineEdit* edit, std::string_view section, std::string_view key) {
  CatalogueEntry entry = Described(edit, section, key);
  const std::size_t typed = entry.typingWidth != 0 ? entry.typingWidth : entry.width;
  edit->SetTyping(typed != 0 ? static_cast<int>(typed) : LimitedLineEdit::kUnlimited, entry.typedUpper);
  const auto compared = [](const std::string& stored) { return std::string(TrimControls(stored)); };
  Add(std::move(entry),
      {.field = edit,
       .show = [edit](const CatalogueEntry& e,
                      const std::string& v) { edit->SetProgramText(FromWindows(Unbracketed(e, v))); },
       .shown = [edit, compared](const CatalogueEntry& e,
                                 const std::string&) { return compared(StoredText(e, edit->text())); },
       .formOf =  // the text the field shows for `v`, as it would store it
       [compared](const CatalogueEntry& e, const std::string& v, const std::string&) {
         return compared(StoredText(e, FromWindows(Unbracketed(e, v))));
       },
       .store = [edit](const CatalogueEntry& e, Config& c) { e.put(c, StoredText(e, edit->text())); }},
      [edit](std::function<void()> changed) { QObject::connect(edit, &QLineEdit::textChanged, edit, changed); });
  return edit;
}

QComboBox* PageBinder::Bind(QComboBox* box, std::string_view section, std::string_view key) {
  Add(Described(box, section, key),
      {.field = box,
       .show = [box](const CatalogueEntry&, const std::string& v) { SelectNumber(box, std::stoi(v)); },
       .shown =
           [box](const CatalogueEntry&, const std::string& loaded) {
             return box->currentIndex() >= 0 ? std::to_string(SelectedNumber(box, 0)) : loaded;
           },
       .formOf =
           [box](const CatalogueEntry&, const std::string& v, const std::string& loaded) {
             return box->findData(std::stoi(v)) >= 0 ? std::to_string(std::stoi(v)) : loaded;
           },
       .store =
           [box](const CatalogueEntry& e, Config& c) {
             if (box->currentIndex() >= 0) e.put(c, std::to_string(SelectedNumber(box, 0)));
           }},
      [box](std::function<void()> changed) { QObject::connect(box, &QComboBox::currentIndexChanged, box, changed); });
  return box;
}

// The values shown now are the ones loaded, in the form OK writes them: a field that shows a
// value in capitals has not changed it.
void PageBinder::Fill() {
  for (Binding& b : bindings_) {
    b.loaded = b.entry.get(config_);
    b.access.show(b.entry, b.loaded);
    b.loadedShown = b.Shown();
    b.filled = true;
    Remark(b);
  }
  EnableDependents();  // also where a box keeps the tick it had
}

void PageBinder::Store() const {
  for (const Binding& b : bindings_) b.access.store(b.entry, config_);
}

}  // namespace trv
