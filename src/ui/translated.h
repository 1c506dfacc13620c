#pragma once
// Texts kept in constants are marked with QT_TRANSLATE_NOOP("trv", ...) and translated where they
// are shown; free functions translate in the same context.
#include <QCoreApplication>
#include <QString>

namespace trv {

inline QString Translated(const char* text) { return QCoreApplication::translate("trv", text); }

}  // namespace trv
