#pragma once
// The Directory page: the seven working directories, each picked from a directory tree and a
// drive selector or typed. Every change of the path is stored at once into the selected
// directory; OK writes them with the DIR section.
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ui/pages/settings_page.h"

class QComboBox;
class QListWidget;

namespace trv {

class DirectoryTree;
class HeldFieldMarks;
class LimitedLineEdit;

// A line of the directory list: its text (translated in the "trv" context) and its DIR key.
struct DirectoryItem {
  const char* text;
  std::string_view key;
};
inline constexpr int kDirectoryItems = 7;
// In the list's order.
const std::array<DirectoryItem, kDirectoryItems>& DirectoryItems();

class DirectoryPage : public SettingsPage {
  Q_OBJECT

 public:
  explicit DirectoryPage(PageContext context, QWidget* parent = nullptr);

  void FillDirectoryPage();
  // Shows the selected item's directory in the tree, and so in the path edit.
  void Dir_Lb_DirClick();
  // Puts the tree's current directory, in its Windows form, into the path edit.
  void DirectoryListBox1Change();
  // Stores the path edit's text into the selected item's directory.
  void Dir_Edit_PathChange();

  DirectoryTree* Tree() const { return tree_; }

 signals:
  // The wave directory changed; the text is the path as the edit shows it.
  void WaveDirectoryChanged(const QString& windowsPath);

 private:
  void BuildControls();
  void FillDrives();
  void SetEditText(const QString& text);
  void FollowTypedPath();
  void AddMarks();
  // Shows the selected item's directory as the records hold it, past the tree.
  void ShowStored();
  void DriveComboBox1Change();
  // Roots the tree at the drive that holds the host path; false when no drive does.
  bool SelectDriveOf(const QString& hostPath);
  void SelectDrive(char letter);
  std::optional<QString> HostPath(const std::string& windowsPath) const;
  // The tree's current directory in its Windows form; none without one.
  std::optional<QString> TreeDirectory() const;

  QListWidget* list_;
  LimitedLineEdit* path_;
  DirectoryTree* tree_;
  QComboBox* drives_;
  HeldFieldMarks* marks_ = nullptr;
};

}  // namespace trv
