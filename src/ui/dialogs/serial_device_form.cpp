#include "ui/dialogs/serial_device_form.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/layout_builders.h"

namespace trv {

SerialDeviceForm::SerialDeviceForm(int port, const std::vector<SerialDevice>& devices, bool mapped, QWidget* parent)
    : QDialog(parent), devices_(devices) {
  setObjectName("SerialDeviceForm");
  setWindowTitle(tr("Map COM %1").arg(port));
  list_ = Named(new QListWidget, "SerialDeviceList");
  for (const SerialDevice& device : devices_) list_->addItem(QFile::decodeName(device.label.c_str()));
  list_->setAccessibleName(tr("Serial devices"));
  auto* caption = new QLabel(tr("&Serial device for COM %1:").arg(port));
  caption->setBuddy(list_);
  path_ = Named(new QLineEdit, "SerialDevicePath");
  path_->setAccessibleName(tr("Device path"));
  path_->setToolTip(
      tr("The full host path of the device; a device that is not in the list can be typed, such as "
         "a pseudo-terminal or /dev/rfcomm0"));
  auto* pathCaption = new QLabel(tr("&Device path:"));
  pathCaption->setBuddy(path_);
  const OkAbortRow buttons = MakeOkAbortRow(this, "SerialDevicePanel", tr("&Cancel"));
  unmapButton_ = Named(new QPushButton(tr("&Unmap"), buttons.panel), "SerialDeviceUnmap");
  unmapButton_->setToolTip(tr("Remove the port's value from the Wine registry"));
  unmapButton_->setAutoDefault(false);
  unmapButton_->setEnabled(mapped);
  static_cast<QHBoxLayout*>(buttons.panel->layout())->insertWidget(0, unmapButton_);
  connect(unmapButton_, &QPushButton::clicked, this, [this] {
    unmap_ = true;
    accept();
  });
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row < static_cast<int>(devices_.size()))
      path_->setText(QFile::decodeName(devices_[static_cast<std::size_t>(row)].path.c_str()));
  });
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(list_, 1);
  layout->addWidget(pathCaption);
  layout->addWidget(path_);
  layout->addWidget(buttons.panel);
  list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(QString(48, 'x')));
  if (!devices_.empty()) list_->setCurrentRow(0);
  if (devices_.empty()) path_->setFocus();  // nothing to pick: the path is typed
  SetTabOrder({list_, path_, buttons.ok, buttons.abort, unmapButton_});
}

QString SerialDeviceForm::ChosenPath() const { return path_->text().trimmed(); }

}  // namespace trv
