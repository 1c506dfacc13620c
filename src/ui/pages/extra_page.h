#pragma once
// The Extra page: prompt, fortune file, time zone, poll delay, node call and four options of
// the EXTRA section. The Moduls page serves the module switches of the same section.
#include "ui/page_binder.h"
#include "ui/pages/settings_page.h"

class QComboBox;

namespace trv {

class HeldFieldMarks;

class ExtraPage : public SettingsPage {
  Q_OBJECT

 public:
  explicit ExtraPage(PageContext context, QWidget* parent = nullptr);

  // The Extra page's part of FillExtraPage and StoreExtraPage, in their order.
  void FillExtraPage();
  void StoreExtraPage();

 private:
  void BuildControls();
  void FillLists();
  void ShowUtcOffset(std::int32_t seconds);
  void AddMarks();

  QComboBox* utc_;
  QComboBox* pollDelay_;
  PageBinder binder_;
  // Whether the user has picked a time zone since the fill; until then OK keeps the offset
  // read, which the whole-hour list may not be able to show.
  bool utcPicked_ = false;
  HeldFieldMarks* marks_ = nullptr;  // the time zone
};

}  // namespace trv
