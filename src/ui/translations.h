#pragma once
// The window's language: the program's own translation and Qt's, for the locale the environment
// names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
#include <QLocale>

class QCoreApplication;

namespace trv {

// Installs the translations for `locale` into `app` (they live as long as it does). Returns
// whether the program's own translation was found; English needs none.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

}  // namespace trv
