#pragma once
// Marks and the reset menu for the fields whose page moves their values into the records
// itself: a field that shows one entry of a list at a time (a TNC's fields, the colours of a
// screen element, a wave file, a directory), and a value the page shows its own way (the UTC
// list, the garbage time over two lists, a language file). A field is marked while OK would
// write, for the entry shown, a value other than OK's form of the one loaded; the list is
// marked, and with it the page's tab, while any of its entries does. The values are compared
// as the settings' declarations read them from the records, in the form OK writes them.
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "config/settings/setting_catalogue.h"

class QWidget;

namespace trv {

class Config;
class FieldMark;
class SettingsPage;
enum class SectionId;

class HeldFieldMarks : public QObject {
  Q_OBJECT

 public:
  struct Page {
    SectionId section;
    // Every setting the page holds this way, for these records (a TNC's fields for each TNC
    // of the table).
    std::function<SettingCatalogue(const Config&)> settings;
    // Puts what the fields show into the records, as the page's store step would; empty when
    // the page stores every change at once.
    std::function<void(Config&)> storeShown;
    // Shows the records' values in the fields again, after a reset or a revert.
    std::function<void()> showAgain;
    // Puts every setting back as loaded (the TNC table, whose length changes too); empty: each
    // setting in turn.
    std::function<void(const Config& loaded)> revertAll;
  };
  HeldFieldMarks(Config& config, SettingsPage* page, Page how);
  ~HeldFieldMarks() override;

  // A field (or the widgets that edit one setting together) that edits the settings `names`
  // gives for the entry shown now (none while it shows none). With `byMouse` false, a right
  // click stays the field's own (the colour grid picks a background with it).
  void Add(const std::vector<QWidget*>& widgets, std::function<std::vector<std::string>()> names, bool byMouse = true);
  // The list whose entries the fields show: marked while any of its settings differs.
  void SetList(QWidget* list);
  // Takes the records as they are now as the ones loaded; a page calls it before it shows them.
  void Loaded();
  // Marks again from the values the fields show now.
  void Update();
  // Every setting back to the value loaded.
  void RevertAll();

  // Holds the marks while the page shows an entry; they are updated once it is shown.
  class Quiet {
   public:
    explicit Quiet(HeldFieldMarks& marks) : marks_(marks) { ++marks_.quiet_; }
    ~Quiet() {
      if (--marks_.quiet_ == 0) marks_.Update();
    }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

   private:
    HeldFieldMarks& marks_;
  };

 private:
  struct Field {
    std::vector<QPointer<FieldMark>> marks;
    std::function<std::vector<std::string>()> names;
    bool changed = false, notDefault = false;
    bool revertible = false;  // every setting it shows was loaded (not so in a TNC added since)
  };
  // The records with what the fields show, in OK's form; and with every default put in.
  struct Now {
    std::unique_ptr<Config> form, defaults;
    SettingCatalogue settings;
  };
  Now Compute() const;
  const CatalogueEntry* Find(const std::string& name) const;
  void Reset(const Field& field);
  void Revert(const Field& field);
  void PutAndShow(const std::function<void()>& put);

  Config& config_;
  Page page_;
  std::vector<Field> fields_;
  QPointer<FieldMark> listMark_;
  bool filled_ = false;
  int quiet_ = 0;
  std::unique_ptr<Config> loaded_;                 // the records as loaded
  std::map<std::string, std::string> loadedForm_;  // each setting's value as loaded, in OK's form
  SettingCatalogue catalogue_;                     // the settings as last computed
};

}  // namespace trv
