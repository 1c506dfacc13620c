#pragma once
// A tree of the directories of one drive, on host paths. The drive's root is the one top
// item, shown under the drive's name; its subdirectories load in the background as they
// are opened. The directories are read from the first time the tree is shown: before, the
// root and the current directory are only kept, with the same answers.
#include <QString>
#include <QTreeView>

class QFileSystemModel;

namespace trv {

class DriveRootFilter;

class DirectoryTree : public QTreeView {
  Q_OBJECT

 public:
  explicit DirectoryTree(QWidget* parent = nullptr);

  // Shows the directories below `hostRoot`; the root itself is named `label` ("C:\").
  void SetRoot(const QString& hostRoot, const QString& label);
  const QString& Root() const;
  // Makes the directory the current one, opened and scrolled into view; a path that is not
  // an existing directory below the root shows its nearest existing parent instead. Returns
  // whether the path itself is shown. Sends no change notice: the caller asked for it.
  bool ShowPath(const QString& hostPath);
  // The current directory as a host path; empty when there is none.
  QString CurrentPath() const;

 signals:
  // The user made another directory the current one.
  void CurrentDirectoryChanged();

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void showEvent(QShowEvent* event) override;

 private:
  QModelIndex IndexOf(const QString& hostPath) const;
  // Reads the directories and shows the root and current directory kept so far.
  void BuildModel();
  void ShowRoot();
  // Makes the item of the path current, opened and scrolled into view.
  QModelIndex ShowItem(const QString& path);

  QFileSystemModel* model_ = nullptr;  // none until the tree is first shown
  DriveRootFilter* filter_ = nullptr;
  QString root_;
  QString label_;
  QString current_;             // the current directory while there is no model
  bool quiet_ = false;          // the program is moving the current directory
  bool centreCurrent_ = false;  // the program's current directory is kept in view as folders load
};

}  // namespace trv
