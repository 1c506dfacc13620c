// trvcfg's first window as a process of its own: opens the store of the program folder given
// as the argument as trvcfg does, builds and loads the window, and ends once it is on screen.
#include <QApplication>
#include <QFile>
#include <cstdio>

#include "config/config.h"
#include "platform/drive_table.h"
#include "platform/host_files.h"
#include "platform/windows_form.h"
#include "ui/form2.h"
#include "ui/modal_windows.h"
#include "window_process.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: first_window PROGRAM-FOLDER\n", stderr);
    return 2;
  }
  const std::string folder = QFile::encodeName(QString::fromLocal8Bit(argv[1])).toStdString();
  trv::DriveTable drives = trv::DriveTable::FromWinePrefix(folder);
  trv::WindowsDirectory programDir = trv::WindowsFormOfDirectory(drives, folder);
  if (programDir.path.empty()) return 2;
  trv::Config config(trv::HostFileSystem(std::move(drives), std::move(programDir.path)));
  trv::QtModalWindows modals;
  trv::TForm2 form(config, modals);
  modals.SetParent(&form);
  return ShowAndQuit(form);
}
