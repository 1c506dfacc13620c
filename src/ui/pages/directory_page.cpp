#include "ui/pages/directory_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "config/sections/dir_section.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "support/text.h"
#include "ui/controls.h"
#include "ui/held_field_marks.h"
#include "ui/layout_builders.h"
#include "ui/setting_tooltip.h"
#include "ui/text_convert.h"
#include "ui/translated.h"
#include "ui/widgets/directory_tree.h"
#include "ui/widgets/limited_line_edit.h"
#include "ui/widgets/quiet_combo_box.h"

namespace trv {
namespace {

// In the list's own order, which is not the order of the keys in the file.
constexpr std::array<DirectoryItem, kDirectoryItems> kItems = {{
    {QT_TRANSLATE_NOOP("trv", "dir for //RPRG and //R"), "RD"},
    {QT_TRANSLATE_NOOP("trv", "dir for //WPRG and //W"), "WD"},
    {QT_TRANSLATE_NOOP("trv", "dir for mailbox"), "MD"},
    {QT_TRANSLATE_NOOP("trv", "dir for 7Plus files"), "PD"},
    {QT_TRANSLATE_NOOP("trv", "dir for wave files"), "SD"},
    {QT_TRANSLATE_NOOP("trv", "dir for import files"), "ID"},
    {QT_TRANSLATE_NOOP("trv", "dir for temporary files"), "TD"},
}};
constexpr int kPathMax = static_cast<int>(kShortStringMax);

const DirKey& DirKeyOfRow(int row) { return DirKeyOf(kItems[row].key); }
constexpr int kListWidth = 146;
constexpr int kItemMargin = 8;  // the space a list line keeps around its text

QString DriveName(char letter) { return QString("%1:\\").arg(letter); }

}  // namespace

const std::array<DirectoryItem, kDirectoryItems>& DirectoryItems() { return kItems; }

DirectoryPage::DirectoryPage(PageContext context, QWidget* parent) : SettingsPage(context, parent) {
  BuildControls();
  FillDrives();
  AddMarks();
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] { Dir_Lb_DirClick(); });
  connect(tree_, &DirectoryTree::CurrentDirectoryChanged, this, [this] { DirectoryListBox1Change(); });
  connect(tree_, &DirectoryTree::clicked, this, [this] { DirectoryListBox1Change(); });
  connect(path_, &QLineEdit::textEdited, this, [this] {
    Dir_Edit_PathChange();
    FollowTypedPath();
  });
  connect(drives_, &QComboBox::activated, this, [this] { DriveComboBox1Change(); });
  Serve(SectionId::Dir, [this] { FillDirectoryPage(); });
}

void DirectoryPage::BuildControls() {
  list_ = Named(new QListWidget, "Dir_Lb_Dir");
  const SettingCatalogue catalogue = DirectoryCatalogue(config_);
  for (const DirectoryItem& item : kItems) {
    list_->addItem(Translated(item.text));
    ShowSettingHelp(list_->item(list_->count() - 1), catalogue, "Directories." + std::string(DirKeyOf(item.key).name));
  }
  path_ = Named(new LimitedLineEdit(kPathMax, false), "Dir_Edit_Path");
  tree_ = Named(new DirectoryTree, "DirectoryListBox1");
  drives_ = Named(new QuietComboBox, "DriveComboBox1");
  list_->setAccessibleName(tr("Directories"));
  tree_->setAccessibleName(tr("Folders"));
  drives_->setAccessibleName(tr("Drive"));
  drives_->setToolTip(tr("The drive whose folders the tree above shows."));

  auto* leftColumn = new QVBoxLayout;
  leftColumn->setContentsMargins(0, 0, 0, 0);
  leftColumn->addWidget(list_);
  QWidget* left = Panel("Dir_Panel_Left", leftColumn);
  const int itemsWidth = list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + list_->spacing() + kItemMargin;
  left->setFixedWidth(std::max(kListWidth, itemsWidth));

  auto* browse = new QVBoxLayout;
  browse->setContentsMargins(0, 0, 0, 0);
  browse->addWidget(tree_, 1);
  browse->addWidget(drives_);
  auto* rightColumn = new QVBoxLayout;
  rightColumn->setContentsMargins(0, 0, 0, 0);
  rightColumn->addWidget(LabelledGroup("GroupBox6", tr("&Path"), {path_}));
  rightColumn->addWidget(Panel("Panel11", browse), 1);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(left);
  layout->addWidget(Panel("Dir_Panel_Right", rightColumn), 1);
  SetTabOrder({list_, path_, tree_, drives_});
}

// The path is marked for the directory selected, the list for all seven.
void DirectoryPage::AddMarks() {
  marks_ = new HeldFieldMarks(config_, this,
                              {.section = SectionId::Dir,
                               .settings = [](const Config& records) { return DirectoryCatalogue(records); },
                               .storeShown = {},
                               .showAgain = [this] { ShowStored(); },
                               .revertAll = {}});
  marks_->Add({path_}, [this]() -> std::vector<std::string> {
    const int row = SelectedRow(list_);
    if (row < 0) return {};
    return {"Directories." + std::string(DirKeyOfRow(row).name)};
  });
  marks_->SetList(list_);
}

void DirectoryPage::ShowStored() {
  emit WaveDirectoryChanged(FromWindows(config_.Dirs.GetWaveDir()));  // also when another line is shown
  const int row = SelectedRow(list_);
  if (row < 0) return;
  SetEditText(FromWindows((config_.Dirs.*DirKeyOfRow(row).get)()));
  FollowTypedPath();
}

void DirectoryPage::FillDrives() {
  for (char letter : config_.Files.Drives().Letters()) {
    const QString root = QString::fromStdString(*config_.Files.Drives().Root(letter));
    drives_->addItem(QString("%1:  %2").arg(letter).arg(root), QChar(letter));
  }
}

void DirectoryPage::FillDirectoryPage() {
  marks_->Loaded();
  {
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(0);
  }
  Dir_Lb_DirClick();
}

void DirectoryPage::Dir_Lb_DirClick() {
  const int row = SelectedRow(list_);
  ShowSettingHelp(path_, row < 0 ? nullptr : list_->item(row));
  if (row < 0) return;
  const std::string dir = (config_.Dirs.*DirKeyOfRow(row).get)();  // a copy: showing it stores into the same field
  const std::optional<QString> host = HostPath(dir);
  const bool shown = host && SelectDriveOf(*host) && tree_->ShowPath(*host);
  // A directory that is not on disk keeps its text; the tree shows its nearest parent.
  const std::optional<QString> treeForm = shown && !dir.empty() ? TreeDirectory() : std::nullopt;
  SetEditText(treeForm ? *treeForm : FromWindows(dir));
}

void DirectoryPage::DirectoryListBox1Change() {
  // A folder without a Windows form cannot be stored: the edit keeps what it has.
  if (const auto windows = TreeDirectory()) SetEditText(*windows);
}

std::optional<QString> DirectoryPage::TreeDirectory() const {
  const QString current = tree_->CurrentPath();
  if (current.isEmpty()) return std::nullopt;
  const auto windows = config_.Files.Drives().ToWindows(current.toStdString());
  if (!windows) return std::nullopt;
  return FromWindows(*windows);
}

void DirectoryPage::Dir_Edit_PathChange() {
  const int row = SelectedRow(list_);
  if (row < 0) return;
  const DirKey& dir = DirKeyOfRow(row);
  (config_.Dirs.*dir.set)(CutTo(ToWindows(path_->text()), kPathMax));
  if (dir.get == &Directories::GetWaveDir) emit WaveDirectoryChanged(path_->text());
  if (marks_ != nullptr) marks_->Update();
}

// Program text: stored like typed text, also when it equals what the edit shows.
void DirectoryPage::SetEditText(const QString& text) {
  path_->setText(text);
  Dir_Edit_PathChange();
}

// The tree follows a typed path (or its nearest existing parent) without touching the edit.
void DirectoryPage::FollowTypedPath() {
  const std::string typed = ToWindows(path_->text());
  if (typed.empty()) return;
  if (const auto host = HostPath(typed); host && SelectDriveOf(*host)) tree_->ShowPath(*host);
}

// Another drive switches the tree to that drive's root, which reaches the edit.
void DirectoryPage::DriveComboBox1Change() {
  if (drives_->currentIndex() < 0) return;
  const QString before = tree_->Root();
  SelectDrive(drives_->currentData().toChar().toLatin1());
  if (tree_->Root() != before) DirectoryListBox1Change();
}

bool DirectoryPage::SelectDriveOf(const QString& hostPath) {
  const auto windows = config_.Files.Drives().ToWindows(hostPath.toStdString());
  if (!windows) return false;
  SelectDrive((*windows)[0]);
  return true;
}

void DirectoryPage::SelectDrive(char letter) {
  const int index = drives_->findData(QChar(letter));
  drives_->setCurrentIndex(index);
  const auto root = config_.Files.Drives().Root(letter);
  if (index < 0 || !root) return;
  const QString hostRoot = QString::fromStdString(*root);
  if (tree_->Root() != hostRoot) tree_->SetRoot(hostRoot, DriveName(letter));
}

std::optional<QString> DirectoryPage::HostPath(const std::string& windowsPath) const {
  const auto host = config_.Files.ToHost(windowsPath);
  if (!host) return std::nullopt;
  return QString::fromStdString(*host);
}

}  // namespace trv
