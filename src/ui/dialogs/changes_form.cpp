#include "ui/dialogs/changes_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "config/ini/ini_document.h"
#include "config/store/config.h"
#include "config/store/save_merge.h"
#include "ui/layout_builders.h"
#include "ui/text_convert.h"

namespace trv {
namespace {

constexpr int kRoleChange = Qt::UserRole + 1;  // the index in the changes shown
constexpr int kListWidth = 640;
constexpr int kListHeight = 260;

QString FromFile(const std::string& text) { return FromWindows(text); }

// The settings of the window by their keys; a setting held in a list line names its line.
std::map<QString, SettingMatch> SettingsByKey(const SettingIndex& index) {
  std::map<QString, SettingMatch> byKey;
  for (const SettingMatch& match : index.All())
    for (const QString& key : match.key.split(", ", Qt::SkipEmptyParts)) byKey.emplace(key, match);
  return byKey;
}

}  // namespace

std::vector<PendingChange> PendingChanges(const Config& config, const SaveImage& loaded, const SaveImage& window,
                                          const SettingIndex& index) {
  const std::map<QString, SettingMatch> settings = SettingsByKey(index);
  std::vector<PendingChange> changes;
  RunOperation(config, [&](TIniFile& ini) {
    // A key the file lacks reads as its default: OK adding it changes nothing.
    const SaveImage read = SaveImage::OfFile(config);
    Findings* const outer = ini.FindingsTarget();
    ini.SetFindings(nullptr);  // reading told its own findings already
    const auto compare = [&](const std::string& section, const std::string& key, const std::string& value,
                             const std::string& asRead, bool typed) {
      const std::string written(TrimIniBlanks(value));
      const std::string now = ini.HasKey(section, key) ? ini.ReadString(section, key, "") : asRead;
      if (now == value || now == written) return;
      PendingChange change;
      change.key = QString::fromStdString("[" + section + "] " + key);
      change.inFile = FromFile(now);
      change.written = FromFile(written);
      change.typed = typed;
      if (const auto it = settings.find(change.key); it != settings.end()) {
        change.page = it->second.page;
        change.setting = it->second.label;
        change.place = it->second.place;
      }
      changes.push_back(std::move(change));
    };
    for (const IniWrite& write : window.Writes()) {
      const bool typed = window.ValueOf(write) != loaded.ValueOf(write);
      if (!write.WholeSection()) {
        compare(write.section, write.key, write.value, read.ValueOf(write).value_or(""), typed);
        continue;
      }
      // A whole section (the TNC list): key by key, typed where the key's line differs.
      const auto keysOf = [&write](const SaveImage& image) {
        std::map<std::string, std::string> keys;
        for (const IniWrite& w : image.Writes())
          if (w.section == write.section && w.WholeSection()) keys.insert(w.keys.begin(), w.keys.end());
        return keys;
      };
      const auto before = keysOf(loaded), asRead = keysOf(read);
      for (const auto& [key, value] : write.keys) {
        const auto it = before.find(key);
        const auto r = asRead.find(key);
        compare(write.section, key, value, r != asRead.end() ? r->second : std::string(),
                it == before.end() || it->second != value);
      }
    }
    ini.SetFindings(outer);
  });
  return changes;
}

ChangesForm::ChangesForm(std::function<std::vector<PendingChange>()> list, std::function<void()> revertAll,
                         QWidget* parent)
    : QDialog(parent),
      listChanges_(std::move(list)),
      revertAll_(std::move(revertAll)),
      list_(Named(new QTreeWidget, "Changes_List")),
      summary_(Named(new QLabel, "Changes_Summary")) {
  setObjectName("ChangesForm");
  setWindowTitle(tr("What OK writes"));
  list_->setAccessibleName(tr("Changes OK writes"));
  list_->setHeaderLabels({tr("Page"), tr("Setting"), tr("Key"), tr("In the file"), tr("New value")});
  list_->setRootIsDecorated(false);
  list_->setItemsExpandable(false);
  list_->setAllColumnsShowFocus(true);
  list_->setMinimumSize(kListWidth, kListHeight);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  summary_->setWordWrap(true);
  connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { Take(item); });

  auto* revert = Named(new QPushButton(tr("&Revert all")), "Changes_Btn_RevertAll");
  revert->setToolTip(tr("Puts every value typed in the window back to the value in the file."));
  auto* close = Named(new QPushButton(tr("&Close")), "Changes_Btn_Close");
  for (QPushButton* button : {revert, close}) button->setAutoDefault(false);  // Return takes a line
  connect(revert, &QPushButton::clicked, this, [this] {
    revertAll_();
    Fill();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(revert);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  Fill();
}

// The typed values first, then what OK writes in its own form, each under its heading.
void ChangesForm::Fill() {
  changes_ = listChanges_();
  list_->clear();
  const auto group = [this](bool typed, const QString& heading) {
    QTreeWidgetItem* top = nullptr;
    for (std::size_t i = 0; i < changes_.size(); ++i) {
      const PendingChange& c = changes_[i];
      if (c.typed != typed) continue;
      if (top == nullptr) {
        top = new QTreeWidgetItem(list_, {heading});
        top->setFirstColumnSpanned(true);
        top->setFlags(Qt::ItemIsEnabled);
        QFont bold = top->font(0);
        bold.setBold(true);
        top->setFont(0, bold);
      }
      auto* item = new QTreeWidgetItem(top, {c.page, c.setting, c.key, c.inFile, c.written});
      item->setData(0, kRoleChange, static_cast<int>(i));
      item->setToolTip(0, c.place ? tr("Return or a double click goes to the field.") : QString());
    }
    if (top != nullptr) top->setExpanded(true);
  };
  group(true, tr("Your edits"));
  group(false, tr("Written in OK's form without an edit"));
  summary_->setText(changes_.empty() ? tr("OK writes nothing: the file holds every value the window shows.")
                                     : tr("OK writes these values into TARVO.INI."));
  if (QTreeWidgetItem* first = list_->topLevelItemCount() > 0 ? list_->topLevelItem(0)->child(0) : nullptr)
    list_->setCurrentItem(first);
}

void ChangesForm::Take(QTreeWidgetItem* item) {
  const QVariant index = item->data(0, kRoleChange);
  if (!index.isValid()) return;  // a heading
  const PendingChange& change = changes_[index.toInt()];
  if (!change.place) return;
  chosen_ = change.place;
  accept();
}

}  // namespace trv
