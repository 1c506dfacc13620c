#include "config/settings/setting_table.h"

namespace trv {

std::string InCase(std::string text, TextCase textCase) {
  switch (textCase) {
    case TextCase::UpperAscii: return UpperCaseAscii(text);
    case TextCase::UpperDos: return UpperCaseDos(text);
    default: return text;
  }
}

}  // namespace trv
