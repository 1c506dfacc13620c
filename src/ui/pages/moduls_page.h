#pragma once
// The Moduls page: the switches for Tarvo's optional modules, kept in the EXTRA section.
#include "ui/page_binder.h"
#include "ui/pages/settings_page.h"

namespace trv {

class ModulsPage : public SettingsPage {
  Q_OBJECT

 public:
  explicit ModulsPage(PageContext context, QWidget* parent = nullptr);

  // The Moduls page's part of FillExtraPage and StoreExtraPage (step 3 of the fill, step 4 of
  // the store). It runs after the Extra page's part, in tab order; the two parts touch
  // different controls and fields, so together they are the whole steps in their order.
  void FillExtraPage();
  void StoreExtraPage();

 private:
  void BuildControls();

  PageBinder binder_;
};

}  // namespace trv
