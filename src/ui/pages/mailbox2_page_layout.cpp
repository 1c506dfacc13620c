// The controls of the Mailbox 2 page and how they are laid out.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/layout_builders.h"
#include "ui/pages/mailbox2_page.h"
#include "ui/widgets/quiet_combo_box.h"

namespace trv {

QCheckBox* Mailbox2Page::Switch(const QString& caption, const char* name, const char* key) {
  return binder_.Bind(Box(caption, name), "MAILBOX", key);
}

QWidget* Mailbox2Page::BuildSwitches() {
  insertFHeader_ = Switch(tr("Insert F&Header into every mail"), "Mail2_Cb_InsertFHeader", "FHINCL");
  includeBid_ = Switch(tr("I&nclude BID in FHeader"), "Mail2_Cb_IncludeBID", "FHBID");
  lifetimeReport_ = Switch(tr("Generate li&fetime report mail"), "Mail2_Cb_LTReport", "SMLIFE");
  routingErrorReport_ = Switch(tr("Generate &routing error mail"), "Mail2_Cb_YReport", "SMROUTE");
  memoryGarbage_ = Switch(tr("Use &memory for garbage"), "Mail2_Cb_MemGarbage", "GARMEM");
  qzDos_ = Switch(tr("Enable &QZ-DOS"), "Mail2_Cb_QZDos", "QZDOS");
  passwordRequired_ =
      binder_.Bind(Box(tr("&pw for box necessary"), "Mail2_Cb_PWNecessary"), "EXTRA", "PWBOX");  // not MAILBOX
  parseAllMails_ = Switch(tr("pars&e all mails"), "Mail2_Cb_ParseAllMails", "PAM");
  blinkIcon_ = Switch(tr("blink of mailbox i&con if new mails"), "Mail2_CB_BlinkIcon", "BLINKICON");
  // Enabled while the icon box is ticked; stored only together with it.
  blinkLed_ = Switch(tr("blink of scroll lock &LED if new mails"), "Mail2_CB_BlinkLED", "BLINKLED");
  auto* column = new QVBoxLayout;
  for (QCheckBox* box : {insertFHeader_, includeBid_, lifetimeReport_, routingErrorReport_, memoryGarbage_, qzDos_,
                         passwordRequired_, parseAllMails_, blinkIcon_, blinkLed_})
    column->addWidget(box);
  column->addStretch();
  // A plain panel, despite its name; a click on its own surface has a handler.
  switchPanel_ = Panel("MAIL_CB_BLINKLED", column);
  return switchPanel_;
}

QWidget* Mailbox2Page::BuildGarbageGroup() {
  garbageHour_ = Named(new QuietComboBox, "Mail2_Cb_GarbageHour");
  garbageMin_ = Named(new QuietComboBox, "Mail2_Cb_GarbageMin");
  garbageHour_->setAccessibleName(tr("Garbage at: hour"));
  garbageMin_->setAccessibleName(tr("Garbage at: minutes"));
  binder_.Describe(garbageHour_, "MAILBOX", "GARBAT");  // two lists for one value: the page moves it
  binder_.Describe(garbageMin_, "MAILBOX", "GARBAT");
  restart_ = Switch(tr("Restart &windows after garbage"), "Mail2_Cb_Restart", "RESTART");
  auto* grid = new QGridLayout;
  auto* at = new QLabel(tr("&Garbage at:"));
  at->setBuddy(garbageHour_);
  grid->addWidget(at, 0, 0);
  grid->addWidget(garbageHour_, 0, 1);
  grid->addWidget(new QLabel(tr("h")), 0, 2);
  grid->addWidget(garbageMin_, 0, 3);
  grid->addWidget(new QLabel(tr("min")), 0, 4);
  grid->setColumnStretch(5, 1);
  grid->addWidget(restart_, 1, 0, 1, 6);
  return LabelledGroup("Mail2_GB_Garbage", tr("Gar&bage"), grid);
}

QWidget* Mailbox2Page::BuildClosedTimeGroup() {
  closedTimes_ = Named(new QListWidget, "Mail2_List_ClosedTime");
  closedTimes_->setAccessibleName(tr("Closed times"));
  closedTimes_->setSelectionMode(QAbstractItemView::SingleSelection);
  closedTimes_->setMaximumWidth(closedTimes_->fontMetrics().horizontalAdvance("0000-0000") * 2);
  addTime_ = Named(new QPushButton(tr("A&dd time")), "Mail_Btn_AddTime");
  deleteTime_ = Named(new QPushButton(tr("Delete t&ime")), "Mail_Btn_DeleteTime");
  deleteTime_->setEnabled(false);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(addTime_);
  buttons->addStretch();
  buttons->addWidget(deleteTime_);
  auto* row = new QHBoxLayout;
  row->addWidget(closedTimes_);
  row->addLayout(buttons);
  row->addStretch();
  return LabelledGroup("Mail2_GB_ClosedTime", tr("Clo&sed time"), row);
}

void Mailbox2Page::BuildControls() {
  auto* right = new QVBoxLayout;
  right->setContentsMargins(0, 0, 0, 0);
  right->addWidget(BuildGarbageGroup());
  right->addWidget(BuildClosedTimeGroup(), 1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildSwitches());
  layout->addWidget(Panel("Mail2_Panel_Right", right), 1);
  SetTabOrder({insertFHeader_, includeBid_, lifetimeReport_, routingErrorReport_, memoryGarbage_, qzDos_,
               passwordRequired_, parseAllMails_, blinkIcon_, blinkLed_, garbageHour_, garbageMin_, restart_,
               closedTimes_, addTime_, deleteTime_});
}

}  // namespace trv
