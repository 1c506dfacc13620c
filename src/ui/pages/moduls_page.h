#pragma once
// The Moduls page: the switches for Tarvo's optional modules, kept in the EXTRA section.
#include "ui/page_binder.h"
#include "ui/pages/settings_page.h"

class QCheckBox;

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
  // Broadcast RX is loaded only together with the mailbox: its box is enabled exactly while
  // Mailbox is ticked; its tick stays as it is.
  void Modul_CB_MailBoxClick();

 private:
  void BuildControls();

  QCheckBox* mailBox_;
  QCheckBox* broadcast_;
  PageBinder binder_;
};

}  // namespace trv
