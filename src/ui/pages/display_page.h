#pragma once
// The Display page: the sizes of the RX and TX windows and five window options.
#include "ui/pages/settings_page.h"

class QCheckBox;

namespace trv {

class LimitedLineEdit;

class DisplayPage : public SettingsPage {
  Q_OBJECT

 public:
  explicit DisplayPage(PageContext context, QWidget* parent = nullptr);

  void FillDisplayPage();
  void StoreDisplayPage();
  // The focus-leave checks: an entry outside its range becomes the field's default.
  void Disp_Edit_MaxRXLinesExit();
  void Disp_Edit_MaxTXLinesExit();

 private:
  void BuildControls();

  LimitedLineEdit* maxRXLines_;
  LimitedLineEdit* maxTXLines_;
  QCheckBox* echo_;
  QCheckBox* saveRX_;
  QCheckBox* saveTX_;
  QCheckBox* flickerRX_;
  QCheckBox* flickerTX_;
};

}  // namespace trv
