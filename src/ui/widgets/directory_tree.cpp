#include "ui/widgets/directory_tree.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QSortFilterProxyModel>

namespace trv {
namespace {

bool IsBelow(const QString& path, const QString& root) {
  return root == "/" ? path != "/" : path.startsWith(root + '/');
}

// Restores the flag on leaving the scope.
class QuietScope {
 public:
  explicit QuietScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~QuietScope() { flag_ = old_; }
  QuietScope(const QuietScope&) = delete;
  QuietScope& operator=(const QuietScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

}  // namespace

// Keeps the drive's root, the directories above it (so the root has a place to hang from)
// and everything below it; the root is shown under the drive's name.
class DriveRootFilter : public QSortFilterProxyModel {
 public:
  DriveRootFilter(QFileSystemModel* files, QObject* parent) : QSortFilterProxyModel(parent), files_(files) {
    setSourceModel(files);
  }
  void SetRoot(const QString& root, const QString& label) {
    root_ = root;
    label_ = label;
    invalidateFilter();
  }
  const QString& Root() const { return root_; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::DisplayRole && index.column() == 0 && files_->filePath(mapToSource(index)) == root_) return label_;
    return QSortFilterProxyModel::data(index, role);
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const QString path = files_->filePath(files_->index(row, 0, parent));
    return path == root_ || IsBelow(path, root_) || IsBelow(root_, path);
  }

 private:
  QFileSystemModel* files_;
  QString root_;
  QString label_;
};

DirectoryTree::DirectoryTree(QWidget* parent)
    : QTreeView(parent), model_(new QFileSystemModel(this)), filter_(new DriveRootFilter(model_, this)) {
  // Hidden directories too: a configured directory may be one.
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives | QDir::Hidden);
  setModel(filter_);
  for (int column = 1; column < model_->columnCount(); ++column) hideColumn(column);
  setHeaderHidden(true);
  setUniformRowHeights(true);
}

void DirectoryTree::SetRoot(const QString& hostRoot, const QString& label) {
  const QuietScope quiet(quiet_);
  const QString root = QDir::cleanPath(hostRoot);
  model_->setRootPath(root);
  filter_->SetRoot(root, label);
  const QModelIndex rootItem = IndexOf(root);
  setRootIndex(rootItem.parent());
  setCurrentIndex(rootItem);
  expand(rootItem);
}

const QString& DirectoryTree::Root() const { return filter_->Root(); }

bool DirectoryTree::ShowPath(const QString& hostPath) {
  const QuietScope quiet(quiet_);
  QString path = QDir::cleanPath(hostPath);
  const QString& root = Root();
  const bool inside = path == root || IsBelow(path, root);
  bool exact = inside;
  if (!inside) path = root;
  while (path != root && !QFileInfo(path).isDir()) {
    path = QFileInfo(path).path();
    exact = false;
  }
  const QModelIndex item = IndexOf(path);
  setCurrentIndex(item);
  expand(item);
  scrollTo(item, PositionAtCenter);
  return exact && item.isValid();
}

QString DirectoryTree::CurrentPath() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? model_->filePath(filter_->mapToSource(current)) : QString();
}

void DirectoryTree::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTreeView::currentChanged(current, previous);
  if (!quiet_) emit CurrentDirectoryChanged();
}

// A directory shown while the page was hidden is centred once the tree has its size.
void DirectoryTree::showEvent(QShowEvent* event) {
  QTreeView::showEvent(event);
  scrollTo(currentIndex(), PositionAtCenter);
}

QModelIndex DirectoryTree::IndexOf(const QString& hostPath) const {
  return filter_->mapFromSource(model_->index(hostPath));
}

}  // namespace trv
