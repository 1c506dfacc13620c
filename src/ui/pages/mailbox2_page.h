#pragma once
// The Mailbox 2 page: the mailbox switches, the garbage run and the daily closed-time windows.
// Unlike the other settings, the closed-time list changes in the settings at once.
#include <cstdint>

#include "ui/page_binder.h"
#include "ui/pages/settings_page.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

namespace trv {

class HeldFieldMarks;
class TClosedTimeForm;

class Mailbox2Page : public SettingsPage {
  Q_OBJECT

 public:
  explicit Mailbox2Page(PageContext context, QWidget* parent = nullptr);

  // This page's share of FillMailboxPages and StoreMailboxPages, in their fixed order.
  void FillMailbox2Page();
  void StoreMailbox2Page();
  TClosedTimeForm& ClosedTimeForm() { return *closedTimeForm_; }

  void Mail_Btn_AddTimeClick();
  void Mail_Btn_DeleteTimeClick();
  void Mail2_List_ClosedTimeClick();
  // A click on the switch panel enables the LED box exactly while the icon box is ticked, as
  // ticking the icon box does.
  void MAIL_CB_BLINKLEDClick() { binder_.EnableDependents(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  // A check box for a MAILBOX flag.
  QCheckBox* Switch(const QString& caption, const char* name, const char* key);
  QWidget* BuildSwitches();
  QWidget* BuildGarbageGroup();
  QWidget* BuildClosedTimeGroup();
  void ConnectHandlers();
  void AddMarks();
  void FillGarbage(std::int32_t at);
  void GarbageHourPicked();
  std::int32_t StoredGarbageAt() const;
  void FillClosedTimes();

  TClosedTimeForm* closedTimeForm_;
  QWidget* switchPanel_;
  QCheckBox* insertFHeader_;
  QCheckBox* includeBid_;
  QCheckBox* lifetimeReport_;
  QCheckBox* routingErrorReport_;
  QCheckBox* memoryGarbage_;
  QCheckBox* qzDos_;
  QCheckBox* passwordRequired_;
  QCheckBox* parseAllMails_;
  QCheckBox* blinkIcon_;
  QCheckBox* blinkLed_;
  QComboBox* garbageHour_;
  QComboBox* garbageMin_;
  QCheckBox* restart_;
  PageBinder binder_;
  QListWidget* closedTimes_;
  QPushButton* addTime_;
  QPushButton* deleteTime_;
  HeldFieldMarks* marks_ = nullptr;  // the garbage time
};

}  // namespace trv
