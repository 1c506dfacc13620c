// The floor of trvcfg's first window: a process that shows an empty dialog with eleven tabs,
// OK and Abort, and ends once it is on screen. Links Qt Widgets only.
#include "empty_dialog.h"

#include <QApplication>

#include "window_process.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  LayOutEmptyDialog(dialog);
  return ShowAndQuit(dialog);
}
