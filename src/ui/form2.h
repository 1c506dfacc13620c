#pragma once
// The main settings window: eleven pages, OK and Abort. Creating it loads every section
// and fills the pages; OK stores the pages and saves every section in the same order.
#include <QDialog>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "config/store/edit_session.h"
#include "ui/dialogs/changes_form.h"
#include "ui/translated.h"

class QLabel;
class QTabWidget;

namespace trv {

class Config;
class LoadNotice;
class ReplacementNotice;
class SettingSearch;
class ModalWindows;
class PageSlot;
class SettingsPage;
class TabMarks;
class TEditSectionForm;
enum class SectionId;

// An error to show: the program's text and the system's reason (may be empty).
struct WindowError {
  std::string text;
  std::string cause;
  bool operator==(const WindowError&) const = default;
};

inline const char* const kApplicationTitle = QT_TRANSLATE_NOOP("trv", "Configruation program for Tarvo");

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  TForm2(Config& config, ModalWindows& modals, QWidget* parent = nullptr);

  // Errors met while loading (refused colour-key writes); shown once the window is up.
  const std::vector<WindowError>& LoadErrors() const { return loadErrors_; }
  // The edit-section dialog, made at its first use.
  TEditSectionForm& EditSection();
  // The pages built so far, in tab order: a page is built when its tab is first shown.
  std::vector<SettingsPage*> Pages() const;

  void Btn_OKClick();
  void Btn_AbortClick();
  // Reads the file again into the pages; the changes made in the window are lost.
  void Reload();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;

 private:
  enum class Building { AtStart, OnFirstShow };
  struct Tab {
    PageSlot* slot;
    QString caption;
    Building building;
  };
  std::vector<Tab> MakeTabs();
  void BuildPages();
  void BuildFrame();
  void AddPageKeys();
  // Shows the page `step` tabs on, round the end; the focus goes with the page.
  void TurnPage(int step);
  void LoadPages();
  // Merges the window onto the file; false when the window stays open.
  bool Save();
  bool SaveOverVanishedFile(const FileVanished& vanished);
  bool SaveOverEmptiedFile();
  void TellKeptFile(const std::string& hostPath);
  QLabel* BuildFileLabel() const;
  void PageBuilt(SettingsPage& page);
  void FillPages(SectionId id);
  void StorePages(SectionId id);
  // Esc and the window's close button: the window closes at once when nothing changed, or as
  // the user decides.
  void Leave();
  // True when OK would write a value other than the one of the file as loaded.
  bool Changed();
  // "Changes...": what OK writes, and going to a field from there.
  void ShowChanges();
  std::vector<PendingChange> ListChanges();
  // Puts every typed value of the built pages back to the value in the file.
  void RevertEdits();
  void ShowLoadErrors();
  void TellRefusedFolder();

  Config& config_;
  ModalWindows& modals_;
  TEditSectionForm* editSection_ = nullptr;
  QTabWidget* tabs_;
  SettingSearch* search_ = nullptr;
  TabMarks* tabMarks_ = nullptr;  // what changed, on the tabs; its switch in the frame
  LoadNotice* notice_;
  ReplacementNotice* replacements_;
  std::vector<PageSlot*> slots_;  // in tab order
  bool loadedOnce_ = false;       // pages built from now on are filled from the records
  std::vector<WindowError> loadErrors_;
  bool unreadable_ = false;         // a read error at load: nothing may be written
  EditSession session_{config_};    // the records as loaded and OK's base
  std::set<SaveConflict> decided_;  // conflicts the user chose to write over
  std::set<std::string> keptTold_;  // files left by stopped saves that the user was told of
  bool closing_ = false;            // accept or reject is closing the window
};

}  // namespace trv
