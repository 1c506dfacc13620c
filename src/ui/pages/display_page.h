#pragma once
// The Display page: the sizes of the RX and TX windows and five window options.
#include "ui/page_binder.h"
#include "ui/pages/settings_page.h"

namespace trv {

class CheckedNumberEdit;

class DisplayPage : public SettingsPage {
  Q_OBJECT

 public:
  explicit DisplayPage(PageContext context, QWidget* parent = nullptr);

  void FillDisplayPage();
  void StoreDisplayPage();
  // The focus-leave checks: an entry outside its range becomes the field's default (the edits
  // also run them when they lose the focus).
  void Disp_Edit_MaxRXLinesExit();
  void Disp_Edit_MaxTXLinesExit();

 private:
  void BuildControls();

  CheckedNumberEdit* maxRXLines_;
  CheckedNumberEdit* maxTXLines_;
  PageBinder binder_;
};

}  // namespace trv
