#pragma once
// The Station page: callsign and locator.
#include "ui/page_binder.h"
#include "ui/pages/settings_page.h"

namespace trv {

class LimitedLineEdit;

class StationPage : public SettingsPage {
  Q_OBJECT

 public:
  explicit StationPage(PageContext context, QWidget* parent = nullptr);
  void FillStationPage();
  void StoreStationPage();

 private:
  LimitedLineEdit* call_;
  LimitedLineEdit* locator_;
  PageBinder binder_;
};

}  // namespace trv
