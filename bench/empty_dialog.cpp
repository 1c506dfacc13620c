// The floor of trvcfg's first window: a process that shows an empty dialog with eleven tabs,
// OK and Abort, and ends once it is on screen. Links Qt Widgets only.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "window_process.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  auto* layout = new QVBoxLayout(&dialog);
  auto* tabs = new QTabWidget;
  for (int i = 0; i < 11; ++i) tabs->addTab(new QWidget, QString("Page %1").arg(i + 1));
  layout->addWidget(tabs);
  layout->addWidget(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Abort));
  dialog.resize(620, 440);
  return ShowAndQuit(dialog);
}
