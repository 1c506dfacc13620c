#pragma once
// The window's language: the program's own translation and Qt's, for the locale the environment
// names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
#include <QLocale>

class QCoreApplication;

namespace trv {

// Installs the translations for `locale` into `app` (they live as long as it does). Returns
// whether the program's own translation for it was found. English, the program's own language,
// takes only the plural forms of its texts ("1 hour", "2 hours") from its translation; a
// language without a translation gets English.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

}  // namespace trv
