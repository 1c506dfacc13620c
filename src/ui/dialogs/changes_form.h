#pragma once
// What OK will write, before it writes: each key whose value OK changes in TARVO.INI, with its
// page, its setting, the file's value and the new one. The values typed in the window are listed
// apart from those OK changes without an edit (a call in small letters, an empty call). A double
// click or Return on a line goes to its field; "Revert all" puts the typed values back.
#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "ui/setting_search.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace trv {

class Config;
class SaveImage;

struct PendingChange {
  QString page, setting;  // empty for a key no field shows
  QString key;            // "[MAILBOX] TIMEOUT"
  QString inFile;         // what the file holds now; "(none)" when it has no such key
  QString written;        // what OK writes
  bool typed = false;     // the window's value is not the one loaded: an edit, not OK's own form
  std::optional<SettingPlace> place;
};

// The keys OK writes with a value other than the one the file holds now (read as the store reads
// it), from `window` (what OK writes) against `loaded` (what OK would write from the file as
// loaded). `index` names the page and setting of a key. Throws the store's errors.
std::vector<PendingChange> PendingChanges(const Config& config, const SaveImage& loaded, const SaveImage& window,
                                          const SettingIndex& index);

class ChangesForm : public QDialog {
  Q_OBJECT

 public:
  // `list` gives the changes as they are now; `revertAll` puts the typed values back.
  ChangesForm(std::function<std::vector<PendingChange>()> list, std::function<void()> revertAll,
              QWidget* parent = nullptr);

  // The line whose field to go to, once the dialog closed by a double click or Return.
  const std::optional<SettingPlace>& Chosen() const { return chosen_; }
  QTreeWidget* List() const { return list_; }

 private:
  void Fill();
  void Take(QTreeWidgetItem* item);

  std::function<std::vector<PendingChange>()> listChanges_;
  std::function<void()> revertAll_;
  std::vector<PendingChange> changes_;
  QTreeWidget* list_;
  QLabel* summary_;
  std::optional<SettingPlace> chosen_;
};

}  // namespace trv
