// trvcfg's first window as a process of its own: opens the store of the program folder given
// as the argument as trvcfg does, builds and loads the window, and ends once it is on screen.
#include <QApplication>
#include <cstdio>

#include "config/store/open_store.h"
#include "ui/form2.h"
#include "ui/modal_windows.h"
#include "window_process.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: first_window PROGRAM-FOLDER\n", stderr);
    return 2;
  }
  trv::OpenedStore store = trv::OpenStore(argv[1]);
  if (!store.config) return 2;
  trv::Config& config = *store.config;
  trv::QtModalWindows modals;
  trv::TForm2 form(config, modals);
  modals.SetParent(&form);
  return ShowAndQuit(form);
}
