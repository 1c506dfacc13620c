#include "config/settings/setting_table.h"

#include "support/codepage.h"

namespace trv {

std::string InCase(std::string text, TextCase textCase) {
  switch (textCase) {
    case TextCase::UpperAscii: return UpperCaseAscii(text);
    case TextCase::UpperDos: return UpperCaseDos(text);
    default: return text;
  }
}

std::string SavedText(const TextSaving& saving, std::string text) {
  if (saving.upper) text = UpperCase1252(text);
  if (saving.width != 0) text = CutTo(text, saving.width);
  if (text.empty() && saving.emptyGivesDefault) text = saving.def;
  return text;
}

}  // namespace trv
