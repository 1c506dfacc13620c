#pragma once
// Binds a page's fields to the settings they show, one line per field naming the setting by its
// section and key. From the setting's one declaration the binder gives the field its limits
// (range, typing width, capitals), its tooltip and its screen-reader description; Fill shows
// the records' values in the fields and Store takes them back.
#include <functional>
#include <string_view>
#include <vector>

#include "config/setting_catalogue.h"

class QCheckBox;
class QComboBox;
class QWidget;

namespace trv {

class CheckedNumberEdit;
class Config;
class LimitedLineEdit;

class PageBinder {
 public:
  explicit PageBinder(Config& config) : config_(config) {}

  // What a text field left empty stores.
  enum class WhenEmpty { StoreEmpty, StoreDefault };

  // Each gives back the field, so that a page makes and binds it in one line.
  QCheckBox* Bind(QCheckBox* box, std::string_view section, std::string_view key);
  // Shown in the file's unit (minutes for seconds kept); an unusable entry gives the default.
  CheckedNumberEdit* Bind(CheckedNumberEdit* edit, std::string_view section, std::string_view key);
  // Stored cut to the width the reader keeps.
  LimitedLineEdit* Bind(LimitedLineEdit* edit, std::string_view section, std::string_view key,
                        WhenEmpty empty = WhenEmpty::StoreEmpty);
  // A list whose entries carry the numbers they stand for; while it has no selection, Store
  // keeps the value.
  QComboBox* Bind(QComboBox* box, std::string_view section, std::string_view key);
  // Only the tooltip and description, for a field whose page moves its value itself.
  void Describe(QWidget* field, std::string_view section, std::string_view key) const;

  void Fill() const;
  void Store() const;

 private:
  struct Binding {
    CatalogueEntry entry;
    std::function<void(const CatalogueEntry&, Config&)> fill, store;
  };
  CatalogueEntry Described(QWidget* field, std::string_view section, std::string_view key) const;

  Config& config_;
  std::vector<Binding> bindings_;
};

}  // namespace trv
