#include "ui/text_convert.h"

#include "support/codepage.h"

namespace trv {

QString FromWindows(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char b : bytes) text += QChar(Cp1252ToUnicode(static_cast<unsigned char>(b)));
  return text;
}

std::string ToWindows(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar ch : text) {
    const int b = UnicodeToCp1252(ch.unicode());
    bytes += static_cast<char>(b < 0 ? '?' : b);
  }
  return bytes;
}

bool HasWindowsForm(QChar ch) { return UnicodeToCp1252(ch.unicode()) >= 0; }

}  // namespace trv

namespace trv {

QString UpperWindows(const QString& text) {
  QString upper = text;
  for (QChar& ch : upper) {
    const QChar capital = ch.toUpper();
    if (HasWindowsForm(capital)) ch = capital;
  }
  return upper;
}

}  // namespace trv
