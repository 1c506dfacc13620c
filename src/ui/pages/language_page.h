#pragma once
// The Languages page: the language library for the visual parts and the language of the
// default program output, chosen among the files of the language directory.
#include <string>

#include "ui/pages/settings_page.h"

class QComboBox;

namespace trv {

class HeldFieldMarks;
struct LanguageSettings;

class LanguagePage : public SettingsPage {
  Q_OBJECT

 public:
  explicit LanguagePage(PageContext context, QWidget* parent = nullptr);

  void FillLanguagePage();
  void StoreLanguagePage();

 private:
  // The error of a folder that cannot be listed, or empty.
  std::string FillList(QComboBox* box, const char* mask, const std::string& stored);
  // Selects the first listed file whose name begins with the stored value, else the first one.
  static void ShowChoice(QComboBox* box, const std::string& stored);
  void StoreShownInto(LanguageSettings& language) const;
  void AddMarks();

  QComboBox* visual_;
  QComboBox* output_;
  HeldFieldMarks* marks_ = nullptr;
};

}  // namespace trv
