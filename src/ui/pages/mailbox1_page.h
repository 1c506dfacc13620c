#pragma once
// The Mailbox 1 page: the box's call, HPath and FHeader, and its numbers (lifetime, timeout,
// BID count) with the sysmail addressee and the default board.
#include "ui/page_binder.h"
#include "ui/pages/settings_page.h"

class QLabel;

namespace trv {

class CheckedNumberEdit;
class LimitedLineEdit;

class Mailbox1Page : public SettingsPage {
  Q_OBJECT

 public:
  explicit Mailbox1Page(PageContext context, QWidget* parent = nullptr);

  // This page's share of FillMailboxPages and StoreMailboxPages, in their fixed order.
  void FillMailbox1Page();
  void StoreMailbox1Page();

 private:
  void BindFields();
  QWidget* BuildTopStrip();
  QWidget* BuildFHeaderGroup();
  QWidget* BuildBottom();

  LimitedLineEdit* call_;
  LimitedLineEdit* hPath_;
  LimitedLineEdit* fHeader_;
  CheckedNumberEdit* defLifetime_;
  CheckedNumberEdit* timeout_;  // minutes
  LimitedLineEdit* sysMailTo_;
  LimitedLineEdit* defBoard_;
  CheckedNumberEdit* maxBidCount_;
  PageBinder binder_;
};

}  // namespace trv
