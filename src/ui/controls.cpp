#include "ui/controls.h"

#include <QCheckBox>
#include <QListWidget>

#include "config/store/saved_forms.h"
#include "platform/host_files.h"
#include "ui/text_convert.h"

namespace trv {

void AddNumbered(QComboBox* box, const QString& text, int number) { box->addItem(text, number); }

int SelectedNumber(const QComboBox* box, int fallback) {
  return box->currentIndex() < 0 ? fallback : box->currentData().toInt();
}

void SelectNumber(QComboBox* box, int number) { box->setCurrentIndex(box->findData(number)); }

bool SelectByPrefix(QComboBox* box, const QString& prefix) {
  const auto index = FirstWithPrefix(EntriesInWindows(box), ToWindows(prefix));
  box->setCurrentIndex(index ? static_cast<int>(*index) : -1);
  return index.has_value();
}

std::vector<std::string> EntriesInWindows(const QComboBox* box) {
  std::vector<std::string> entries;
  for (int i = 0; i < box->count(); ++i) entries.push_back(ToWindows(box->itemText(i)));
  return entries;
}

void OnRealChange(QCheckBox* box, const std::function<void(bool)>& handler) {
  QObject::connect(box, &QCheckBox::toggled, box, handler);
}

int SelectedRow(const QListWidget* list) {
  return list->currentItem() != nullptr && list->currentItem()->isSelected() ? list->currentRow() : -1;
}

int FillComboFromMask(QComboBox* box, const HostFileSystem& files, const std::string& windowsDir,
                      const std::string& mask) {
  box->setUpdatesEnabled(false);
  box->clear();
  const FileList list = ListedFiles(files, windowsDir, mask);
  for (const auto& name : list.names) box->addItem(FromWindows(name));
  box->setCurrentIndex(box->count() > 0 ? 0 : -1);
  box->setUpdatesEnabled(true);
  return list.error;
}

}  // namespace trv
