// trvcfg: the configuration program of Tarvo. Edits TARVO.INI in its own directory.
#include <QApplication>
#include <QScreen>

#include "config/config.h"
#include "platform/host_files.h"
#include "ui/form2.h"
#include "ui/modal_windows.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("trvcfg");

  trv::DriveTable drives = trv::DriveTable::FromWinePrefix();
  std::string programDir = trv::ProgramDirOfHostExecutable(drives, trv::ExecutableHostPath());
  trv::Config config(trv::HostFileSystem(std::move(drives), std::move(programDir)));

  trv::QtModalWindows modals;
  trv::TForm2 form(config, modals);
  modals.SetParent(&form);
  form.adjustSize();
  if (const QScreen* screen = form.screen()) form.move(screen->availableGeometry().center() - form.rect().center());
  form.show();
  return app.exec() == 0 ? 0 : 1;
}
