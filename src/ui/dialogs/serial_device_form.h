#pragma once
// The list of serial devices present, from which the user picks the one a COM port maps to.
#include <QDialog>
#include <QString>
#include <vector>

#include "platform/wine_ports.h"

class QListWidget;

namespace trv {

class SerialDeviceForm : public QDialog {
  Q_OBJECT

 public:
  SerialDeviceForm(int port, const std::vector<SerialDevice>& devices, QWidget* parent = nullptr);
  // The host path of the chosen device; empty when none is selected.
  QString ChosenPath() const;

 private:
  std::vector<SerialDevice> devices_;
  QListWidget* list_;
};

}  // namespace trv
