#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace trv {
namespace {

bool Install(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& dir) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(locale, name, "_", dir)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace

bool InstallTranslations(QCoreApplication& app, const QLocale& locale) {
  // Qt's own texts: the standard buttons, the file dialog, --help.
  Install(app, locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (Install(app, locale, "trvcfg", ":/i18n")) return true;
  // A language the program does not speak gets English, with English plural forms.
  Install(app, QLocale(QLocale::English), "trvcfg", ":/i18n");
  return false;
}

}  // namespace trv
