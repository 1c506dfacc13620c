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

DirectoryTree::DirectoryTree(QWidget* parent) : QTreeView(parent) {
  setHeaderHidden(true);
  setUniformRowHeights(true);
}

void DirectoryTree::BuildModel() {
  const QuietScope quiet(quiet_);
  model_ = new QFileSystemModel(this);
  // Hidden directories too: a configured directory may be one.
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives | QDir::Hidden);
  filter_ = new DriveRootFilter(model_, this);
  setModel(filter_);
  // The folders above the current directory come in while the tree is shown: it stays in view.
  connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& dir) {
    const QString current = CurrentPath();
    if (!centreCurrent_ || !IsBelow(current, dir)) return;
    doItemsLayout();
    scrollTo(currentIndex(), PositionAtCenter);
  });
  for (int column = 1; column < model_->columnCount(); ++column) hideColumn(column);
  if (root_.isEmpty()) return;
  ShowRoot();
  if (!current_.isEmpty() && current_ != root_) ShowItem(current_);
}

void DirectoryTree::SetRoot(const QString& hostRoot, const QString& label) {
  const QuietScope quiet(quiet_);
  root_ = QDir::cleanPath(hostRoot);
  label_ = label;
  current_ = QFileInfo(root_).isDir() ? root_ : QString();
  if (model_ != nullptr) ShowRoot();
}

void DirectoryTree::ShowRoot() {
  model_->setRootPath(root_);
  filter_->SetRoot(root_, label_);
  const QModelIndex rootItem = IndexOf(root_);
  setRootIndex(rootItem.parent());
  setCurrentIndex(rootItem);
  expand(rootItem);
}

const QString& DirectoryTree::Root() const { return root_; }

bool DirectoryTree::ShowPath(const QString& hostPath) {
  const QuietScope quiet(quiet_);
  QString path = QDir::cleanPath(hostPath);
  const bool inside = path == root_ || IsBelow(path, root_);
  bool exact = inside;
  if (!inside) path = root_;
  while (path != root_ && !QFileInfo(path).isDir()) {
    path = QFileInfo(path).path();
    exact = false;
  }
  if (model_ != nullptr) return ShowItem(path).isValid() && exact;
  const bool shown = QFileInfo(path).isDir();  // what the tree would have an item for
  current_ = shown ? path : QString();
  return exact && shown;
}

QModelIndex DirectoryTree::ShowItem(const QString& path) {
  const QModelIndex item = IndexOf(path);
  setCurrentIndex(item);
  centreCurrent_ = true;
  expand(item);
  scrollTo(item, PositionAtCenter);
  return item;
}

QString DirectoryTree::CurrentPath() const {
  if (model_ == nullptr) return current_;
  const QModelIndex current = currentIndex();
  return current.isValid() ? model_->filePath(filter_->mapToSource(current)) : QString();
}

void DirectoryTree::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTreeView::currentChanged(current, previous);
  if (quiet_) return;
  centreCurrent_ = false;  // the user moved on
  emit CurrentDirectoryChanged();
}

// A directory shown while the page was hidden is centred once the tree has its size.
void DirectoryTree::showEvent(QShowEvent* event) {
  if (model_ == nullptr) BuildModel();
  QTreeView::showEvent(event);
  scrollTo(currentIndex(), PositionAtCenter);
}

QModelIndex DirectoryTree::IndexOf(const QString& hostPath) const {
  return filter_->mapFromSource(model_->index(hostPath));
}

}  // namespace trv
