#pragma once
// The one boundary between the store's Windows-1252 bytes and the windows' QString.
#include <QString>
#include <string>

namespace trv {

QString FromWindows(const std::string& bytes);
// Characters without a Windows-1252 form cannot reach here (they cannot be typed); any that
// do become '?'.
std::string ToWindows(const QString& text);
// Whether a typed character can be stored in the file.
bool HasWindowsForm(QChar ch);

}  // namespace trv

namespace trv {

// Capitals where the capital letter has a Windows-1252 form.
QString UpperWindows(const QString& text);

}  // namespace trv
