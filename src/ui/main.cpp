// trvcfg: the configuration program of Tarvo. Edits TARVO.INI in Tarvo's program folder.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "config/store/config.h"
#include "config/store/open_store.h"
#include "platform/remembered_folder.h"
#include "platform/start_dir.h"
#include "support/last_handler.h"
#include "support/version.h"
#include "ui/form2.h"
#include "ui/modal_windows.h"
#include "ui/program_folder.h"
#include "ui/text_convert.h"
#include "ui/translations.h"

namespace {

struct CommandLine {
  QString dir;
  bool choose = false;
};

// Parsed before the window system is asked for, so that --help and --version work without a
// display.
CommandLine ParseCommandLine(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("trvcfg");
  QCoreApplication::setApplicationVersion(QString::fromUtf8(trv::kProgramVersion.data(), trv::kProgramVersion.size()));
  trv::InstallTranslations(app);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("trv",
                                  "Edits TARVO.INI, the settings of the Tarvo packet-radio terminal.\n\n"
                                  "Started from a folder that holds TARVO.INI (a copy or link in Tarvo's\n"
                                  "folder), it edits that folder; from another folder it asks first (Choose\n"
                                  "another, Use it, Cancel). Installed in a bin folder, it asks for Tarvo's\n"
                                  "program folder at the first start and remembers the answer in\n%1.")
          .arg(QFile::decodeName(trv::RememberedFolderFile().c_str())));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption dir("dir", QCoreApplication::translate("trv", "Edit the TARVO.INI in <DIR>."), "DIR");
  const QCommandLineOption choose(
      "choose", QCoreApplication::translate("trv", "Ask for Tarvo's program folder again and remember the answer."));
  parser.addOption(dir);
  parser.addOption(choose);
  parser.process(app);
  if (parser.isSet(dir) && parser.isSet(choose)) {
    std::fputs(
        qPrintable(QCoreApplication::translate("trv", "trvcfg: --dir and --choose cannot be used together") + "\n"),
        stderr);
    std::exit(2);
  }
  return {parser.value(dir), parser.isSet(choose)};
}

void Centre(QWidget& window) {
  window.adjustSize();
  if (const QScreen* screen = window.screen())
    window.move(screen->availableGeometry().center() - window.rect().center());
}

int Run(int argc, char** argv) {
  const CommandLine options = ParseCommandLine(argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName("trvcfg");
  QApplication::setOrganizationName("trvcfg");
  trv::InstallTranslations(app);

  trv::QtModalWindows modals;
  const QString startDir = QString::fromStdString(trv::StartDirectory(
      argc > 0 ? argv[0] : "", qEnvironmentVariable("PATH").toStdString(), QDir::currentPath().toStdString()));
  QSettings settings;
  const auto folder =
      trv::FindProgramFolder(options.dir, options.choose, startDir, {trv::RememberedFolderFile(), settings}, modals);
  if (!folder) return 0;  // the user cancelled the folder question: nothing is written
  trv::OpenedStore store = trv::OpenStore(QFile::encodeName(*folder).toStdString());
  switch (store.problem) {
    case trv::FolderProblem::None: break;
    case trv::FolderProblem::NotAFolder:
      modals.ShowError(QCoreApplication::translate("trv", "The folder %1 does not exist").arg(*folder));
      return 2;
    case trv::FolderProblem::NoWindowsPath:  // another place would be read and written: nothing is
      modals.ShowError(QString("%1: %2").arg(*folder, QString::fromStdString(store.detail)));
      return 2;
  }
  trv::Config& config = *store.config;

  trv::TForm2 form(config, modals);
  modals.SetParent(&form);
  Centre(form);
  form.show();
  return app.exec() == 0 ? 0 : 1;
}

}  // namespace

// An exception that nothing else caught ends the program with its own status (5), said on
// stderr, rather than with an abort; what was saved stays saved.
int main(int argc, char** argv) {
  trv::InstallLastHandler("trvcfg");
  try {
    return Run(argc, argv);
  } catch (...) {
    return trv::ReportUnexpectedError("trvcfg");
  }
}
