#include "ui/page_binder.h"

#include <QCheckBox>
#include <QComboBox>

#include "support/text.h"
#include "ui/controls.h"
#include "ui/setting_tooltip.h"
#include "ui/text_convert.h"
#include "ui/widgets/checked_number_edit.h"

namespace trv {
namespace {

std::int32_t Shown(std::int64_t value, const CatalogueEntry& e) {
  return static_cast<std::int32_t>(value * e.shownScale / e.shownFactor);
}

// A bracketed text (the FHeader) is edited without its brackets.
std::string Unbracketed(std::string text, const CatalogueEntry& e) {
  return e.bracketed && text.size() >= 2 ? text.substr(1, text.size() - 2) : text;
}

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

QCheckBox* PageBinder::Bind(QCheckBox* box, std::string_view section, std::string_view key) {
  bindings_.push_back({Described(box, section, key),
                       [box](const CatalogueEntry& e, Config& c) { box->setChecked(e.get(c) == "yes"); },
                       [box](const CatalogueEntry& e, Config& c) { e.put(c, box->isChecked() ? "yes" : "no"); }});
  return box;
}

CheckedNumberEdit* PageBinder::Bind(CheckedNumberEdit* edit, std::string_view section, std::string_view key) {
  CatalogueEntry entry = Described(edit, section, key);
  edit->SetRange({Shown(std::stoll(entry.defaultValue), entry), Shown(entry.min, entry), Shown(entry.max, entry)});
  edit->SetTyping(static_cast<int>(entry.typingWidth), true);
  bindings_.push_back({std::move(entry),
                       [edit](const CatalogueEntry& e, Config& c) {
                         edit->SetValue(Shown(std::stoll(e.get(c)), e));
                         edit->CheckedValue();
                       },
                       [edit](const CatalogueEntry& e, Config& c) {
                         e.put(c, std::to_string(std::int64_t{edit->CheckedValue()} * e.shownFactor / e.shownScale));
                       }});
  return edit;
}

LimitedLineEdit* PageBinder::Bind(LimitedLineEdit* edit, std::string_view section, std::string_view key,
                                  WhenEmpty empty) {
  CatalogueEntry entry = Described(edit, section, key);
  const std::size_t typed = entry.typingWidth != 0 ? entry.typingWidth : entry.width;
  edit->SetTyping(typed != 0 ? static_cast<int>(typed) : LimitedLineEdit::kUnlimited, entry.typedUpper);
  bindings_.push_back(
      {std::move(entry),
       [edit](const CatalogueEntry& e, Config& c) { edit->SetProgramText(FromWindows(Unbracketed(e.get(c), e))); },
       [edit, empty](const CatalogueEntry& e, Config& c) {
         std::string text = ToWindows(edit->text());
         if (e.width != 0) text = CutTo(text, e.width);
         if (text.empty() && empty == WhenEmpty::StoreDefault) text = Unbracketed(e.defaultValue, e);
         e.put(c, e.bracketed ? "[" + text + "]" : text);
       }});
  return edit;
}

QComboBox* PageBinder::Bind(QComboBox* box, std::string_view section, std::string_view key) {
  bindings_.push_back({Described(box, section, key),
                       [box](const CatalogueEntry& e, Config& c) { SelectNumber(box, std::stoi(e.get(c))); },
                       [box](const CatalogueEntry& e, Config& c) {
                         if (box->currentIndex() >= 0) e.put(c, std::to_string(SelectedNumber(box, 0)));
                       }});
  return box;
}

void PageBinder::Fill() const {
  for (const Binding& b : bindings_) b.fill(b.entry, config_);
}

void PageBinder::Store() const {
  for (const Binding& b : bindings_) b.store(b.entry, config_);
}

}  // namespace trv
