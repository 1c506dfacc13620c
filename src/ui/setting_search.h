#pragma once
// Finding a setting in the main window: a search field (Ctrl+F), the matching settings with
// their pages listed under it as the user types, and going to the one taken. A setting is found
// by its field's label, the sentence its tooltip says and its key ("TIMEOUT", "[MAILBOX]
// TIMEOUT", "MAILBOX TIMEOUT"), in the window's language and in English. The index is made from
// the settings' declarations and the pages' field names, so a page is built only when a match
// on it is taken.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "config/settings/setting_catalogue.h"

class QLineEdit;
class QListWidget;
class QTabWidget;

namespace trv {

class Config;

// Where a setting is edited: the tab, the field (by its object name) and, for a setting held in
// a list (a TNC's field, a colour, a wave file, a directory), the list line to select first.
struct SettingPlace {
  int page = 0;
  QString field;
  QString list;
  int row = -1;
  bool operator==(const SettingPlace&) const = default;
};

struct SettingMatch {
  QString label;  // the field's label, with the list line it belongs to
  QString page;   // the tab's caption
  QString key;    // "[MAILBOX] TIMEOUT"
  SettingPlace place;
};

// Every setting the window edits, in tab order. `pages`: the tab captions.
class SettingIndex {
 public:
  SettingIndex(const Config& config, const QStringList& pages);

  // Best first: a whole key, then labels that begin with the words, labels that hold them,
  // keys that hold them, and then every setting whose texts hold all the words.
  std::vector<SettingMatch> Find(const QString& words) const;
  std::vector<SettingMatch> All() const;

 private:
  struct Entry {
    SettingMatch match;
    QStringList labels;  // as found: no mnemonics, case folded
    QStringList keys;    // "mailbox timeout" and "timeout"
    QString texts;       // all the words it can be found by
  };
  void Add(int page, const char* field, const QString& list, int row, const QStringList& labels, const QString& shown,
           const std::vector<std::string>& names);
  void AddLabelled(int page, const char* field, const char* context, const char* label, const char* name);

  SettingCatalogue catalogue_;
  QStringList pages_;
  std::vector<Entry> entries_;
};

// The search field above the pages and its list of matches.
class SettingSearch : public QWidget {
  Q_OBJECT

 public:
  SettingSearch(const Config& config, QTabWidget& tabs, QWidget* window);

  QLineEdit* Field() const { return field_; }
  // Opens the page, selects the list line, moves the focus to the field and highlights it.
  void Go(const SettingPlace& place);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowMatches();
  void PlaceList();
  void TakeCurrent();
  void Hide();
  void Highlight(QWidget* field);
  bool FieldKey(QKeyEvent* key);
  bool ListKey(QKeyEvent* key);

  const Config& config_;
  QTabWidget& tabs_;
  QLineEdit* field_;
  QListWidget* list_;  // over the window, under the field
  std::vector<SettingMatch> matches_;
};

}  // namespace trv
