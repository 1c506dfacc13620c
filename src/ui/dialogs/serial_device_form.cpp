#include "ui/dialogs/serial_device_form.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/layout_builders.h"

namespace trv {

SerialDeviceForm::SerialDeviceForm(int port, const std::vector<SerialDevice>& devices, QWidget* parent)
    : QDialog(parent), devices_(devices) {
  setObjectName("SerialDeviceForm");
  setWindowTitle(tr("Map COM %1").arg(port));
  list_ = Named(new QListWidget, "SerialDeviceList");
  for (const SerialDevice& device : devices_) list_->addItem(QFile::decodeName(device.label.c_str()));
  list_->setCurrentRow(0);
  list_->setAccessibleName(tr("Serial devices"));
  auto* caption = new QLabel(tr("&Serial device for COM %1:").arg(port));
  caption->setBuddy(list_);
  const OkAbortRow buttons = MakeOkAbortRow(this, "SerialDevicePanel", tr("&Cancel"));
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons.panel);
  list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(QString(48, 'x')));
}

QString SerialDeviceForm::ChosenPath() const {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(devices_.size())) return {};
  return QFile::decodeName(devices_[static_cast<std::size_t>(row)].path.c_str());
}

}  // namespace trv
