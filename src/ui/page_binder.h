#pragma once
// Binds a page's fields to the settings they show, one line per field naming the setting by its
// section and key. From the setting's one declaration the binder gives the field its limits
// (range, typing width, capitals), its tooltip and its screen-reader description; Fill shows
// the records' values in the fields and Store takes them back. Each bound field is marked
// when it no longer holds the value Fill showed (OK would write another), and its context menu
// resets it to the default or reverts it to the value Fill showed. A box whose setting needs
// another flag bound here is enabled exactly while that flag's box is ticked; its tick stays as
// it is.
#include <QPointer>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings/setting_catalogue.h"

class QCheckBox;
class QComboBox;
class QWidget;

namespace trv {

class CheckedNumberEdit;
class Config;
class FieldMark;
class LimitedLineEdit;

class PageBinder {
 public:
  explicit PageBinder(Config& config) : config_(config) {}
  // The fields keep pointers to their bindings.
  PageBinder(const PageBinder&) = delete;
  PageBinder& operator=(const PageBinder&) = delete;

  // Each gives back the field, so that a page makes and binds it in one line.
  QCheckBox* Bind(QCheckBox* box, std::string_view section, std::string_view key);
  // Shown in the file's unit (minutes for seconds kept); an unusable entry gives the default.
  CheckedNumberEdit* Bind(CheckedNumberEdit* edit, std::string_view section, std::string_view key);
  // Stored as the declaration says OK stores a text (SavedText): cut to the width the reader
  // keeps, an empty callsign as the default callsign.
  LimitedLineEdit* Bind(LimitedLineEdit* edit, std::string_view section, std::string_view key);
  // A list whose entries carry the numbers they stand for; while it has no selection, Store
  // keeps the value.
  QComboBox* Bind(QComboBox* box, std::string_view section, std::string_view key);
  // Only the tooltip and description, for a field whose page moves its value itself.
  void Describe(QWidget* field, std::string_view section, std::string_view key) const;

  // Also takes the values shown as the ones loaded: nothing is marked changed.
  void Fill();
  void Store() const;
  // Enables each box whose setting needs another bound box exactly while that box is ticked
  // (Fill and a click on that box do it too).
  void EnableDependents() const;

 private:
  // How a field shows and stores its value; values are passed in the form the entry's get
  // gives them.
  struct Access {
    QWidget* field;
    std::function<void(const CatalogueEntry&, const std::string&)> show;
    // What Store would put for the field now, without touching the field (`loaded`: the
    // record's value, which a list without a selection keeps), compared without the blanks
    // at its ends, which OK does not write.
    std::function<std::string(const CatalogueEntry&, const std::string& loaded)> shown;
    // What `shown` gives after `show` of the value.
    std::function<std::string(const CatalogueEntry&, const std::string& value, const std::string& loaded)> formOf;
    std::function<void(const CatalogueEntry&, Config&)> store;
  };
  struct Binding {
    CatalogueEntry entry;
    Access access;
    bool filled = false;
    std::string loaded;       // the record's value at Fill
    std::string loadedShown;  // `shown` right after Fill
    QPointer<FieldMark> mark;
    std::string Shown() const { return access.shown(entry, loaded); }
  };
  CatalogueEntry Described(QWidget* field, std::string_view section, std::string_view key) const;
  // Adds the binding with its mark and context menu; `watch` calls the function it is given
  // whenever the field's value changes.
  void Add(CatalogueEntry entry, Access access, const std::function<void(std::function<void()>)>& watch);
  // Ties the box just bound to the bound box its setting needs, and the bound boxes whose
  // settings need it to it.
  void TieDependents(QCheckBox* box);
  bool AtDefault(const Binding& b) const;
  void Remark(const Binding& b) const;

  Config& config_;
  std::vector<Binding> bindings_;
};

}  // namespace trv
