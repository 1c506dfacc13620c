#pragma once
// The serial device a COM port maps to: picked from the devices present or typed (a pty,
// /dev/rfcomm0), or the port's mapping removed.
#include <QDialog>
#include <QString>
#include <vector>

#include "platform/wine_ports.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace trv {

class SerialDeviceForm : public QDialog {
  Q_OBJECT

 public:
  // `mapped`: the port has a registry value now, which Unmap removes.
  SerialDeviceForm(int port, const std::vector<SerialDevice>& devices, bool mapped, QWidget* parent = nullptr);
  // The host path of the chosen or typed device, without blanks at its ends; empty when there
  // is none.
  QString ChosenPath() const;
  // True when the dialog was closed with Unmap.
  bool UnmapChosen() const { return unmap_; }

 private:
  std::vector<SerialDevice> devices_;
  QListWidget* list_;
  QLineEdit* path_;
  QPushButton* unmapButton_;
  bool unmap_ = false;
};

}  // namespace trv
