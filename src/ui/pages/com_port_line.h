#pragma once
// The line beside the TNC page's COM port box: which host device the next Wine start maps
// the COM port to, and a button that maps one. Says nothing for SIRQ ports and outside a
// Wine prefix.
#include <QWidget>
#include <string>

#include "platform/wine_ports.h"

class QLabel;
class QPushButton;

namespace trv {

class HostFileSystem;
class ModalWindows;

// The Wine prefix of the program folder (WinePrefixFor); empty for a folder on no host path.
std::string WinePrefixOfProgram(const HostFileSystem& files);

class ComPortLine : public QWidget {
  Q_OBJECT

 public:
  // `prefix` is the program folder's Wine prefix; empty or not a prefix: the line stays empty.
  ComPortLine(ModalWindows& modals, std::string prefix, QWidget* parent = nullptr);

  // Shows COM `port` (1 to 9); any other port empties the line. The line is filled from the
  // event loop (Refresh), never while the caller holds the folder's lock.
  void ShowPort(int port);
  // Reads the prefix's registry and says what COM port the line shows is mapped to.
  void Refresh();
  // Tests point the line at a prefix and devices of their own.
  void Use(std::string prefix, SerialHost host);

  void MapClick();
  QPushButton* MapButton() const { return map_; }

 private:
  QString LineText(const ComPort& mapping) const;
  // Says why the change cannot be made, if it cannot; true then.
  bool Refused(const ComPortChange& check, const QString& device);
  // A device that is missing or closed to the user, another port on the same device.
  QString Notes(const ComPortChange& check) const;

  ModalWindows& modals_;
  std::string prefix_;
  SerialHost host_;
  int port_ = 0;
  bool refreshQueued_ = false;
  QLabel* text_;
  QPushButton* map_;
};

}  // namespace trv
