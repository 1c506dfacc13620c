#include "ui/pages/mailbox2_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <string>

#include "config/sections/mailbox_section.h"
#include "config/settings/setting_tables.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "ui/controls.h"
#include "ui/dialogs/closed_time_form.h"
#include "ui/held_field_marks.h"
#include "ui/modal_windows.h"
#include "ui/text_convert.h"

namespace trv {
namespace {

QString WindowLine(const ClosedTime& window) { return FromWindows(TClosedTimeCol::WindowText(window)); }

}  // namespace

Mailbox2Page::Mailbox2Page(PageContext context, QWidget* parent)
    : SettingsPage(context, parent), closedTimeForm_(new TClosedTimeForm(this)), binder_(config_) {
  BuildControls();
  ConnectHandlers();
  AddMarks();
  Serve(
      SectionId::Mailbox, [this] { FillMailbox2Page(); }, [this] { StoreMailbox2Page(); });
}

void Mailbox2Page::ConnectHandlers() {
  connect(addTime_, &QPushButton::clicked, this, [this] { Mail_Btn_AddTimeClick(); });
  connect(deleteTime_, &QPushButton::clicked, this, [this] { Mail_Btn_DeleteTimeClick(); });
  connect(garbageHour_, &QComboBox::activated, this, [this] { GarbageHourPicked(); });
  switchPanel_->installEventFilter(this);
  closedTimes_->viewport()->installEventFilter(this);
  closedTimes_->installEventFilter(this);
}

namespace {

// The closed-time list as one setting: its windows as the file writes them.
CatalogueEntry ClosedTimeSetting() {
  CatalogueEntry e;
  e.name = "MailboxSettings.ClosedTime";
  e.section = "MAILBOX";
  e.key = "CLOSEDTIME";
  e.get = [](const Config& c) { return ClosedTimeValue(const_cast<Config&>(c).ClosedTimes); };
  e.put = [](Config& c, const std::string& value) {
    c.ClosedTimes.FreeAllItems();
    std::size_t from = 0;
    while (from < value.size()) {
      const std::size_t end = std::min(value.find(',', from), value.size());
      const std::string window = value.substr(from, end - from);
      const std::size_t dash = window.find('-');
      c.ClosedTimes.AddWindow(std::stoi(window.substr(0, dash)), std::stoi(window.substr(dash + 1)), window);
      from = end + 1;
    }
  };
  return e;
}

}  // namespace

// The garbage time is one setting over two lists: both are marked, and reset, together. The
// closed-time list is marked as a whole; its default is no window.
void Mailbox2Page::AddMarks() {
  const CatalogueEntry garbageAt = DeclaredSetting("MAILBOX", "GARBAT");
  const CatalogueEntry closedTimes = ClosedTimeSetting();
  marks_ = new HeldFieldMarks(config_, this,
                              {.section = SectionId::Mailbox,
                               .settings =
                                   [garbageAt, closedTimes](const Config&) {
                                     return SettingCatalogue{garbageAt, closedTimes};
                                   },
                               .storeShown = [this](Config& records) { records.Mailbox.GarbageAt = StoredGarbageAt(); },
                               .showAgain =
                                   [this] {
                                     FillGarbage(config_.Mailbox.GarbageAt);
                                     FillClosedTimes();
                                   },
                               .revertAll = {}});
  marks_->Add({garbageHour_, garbageMin_}, [name = garbageAt.name] { return std::vector<std::string>{name}; });
  marks_->Add({closedTimes_}, [name = closedTimes.name] { return std::vector<std::string>{name}; });
  for (QComboBox* box : {garbageHour_, garbageMin_})
    connect(box, &QComboBox::currentIndexChanged, marks_, [this] { marks_->Update(); });
}

bool Mailbox2Page::eventFilter(QObject* watched, QEvent* event) {
  const bool released =
      event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  if (watched == switchPanel_ && released) MAIL_CB_BLINKLEDClick();
  if ((released && watched == closedTimes_->viewport()) ||
      (watched == closedTimes_ && event->type() == QEvent::KeyRelease))
    Mail2_List_ClosedTimeClick();
  return SettingsPage::eventFilter(watched, event);
}

void Mailbox2Page::FillMailbox2Page() {
  marks_->Loaded();
  const HeldFieldMarks::Quiet quiet(*marks_);
  FillNumberCombo(garbageHour_, 0, 23);
  FillNumberCombo(garbageMin_, 0, 59);
  FillGarbage(config_.Mailbox.GarbageAt);
  binder_.Fill();
  FillClosedTimes();
}

void Mailbox2Page::StoreMailbox2Page() {
  MailboxSettings& m = config_.Mailbox;
  binder_.Store();
  m.GarbageAt = StoredGarbageAt();
  ClearUnmetNeeds<MailboxSettings>(kMailboxSettings, m);  // the LED box counts only with the icon box
}

// A minute part of 60 or more, which the reader lets through, leaves the minute list without a
// selection.
void Mailbox2Page::FillGarbage(std::int32_t at) {
  garbageHour_->setCurrentIndex(at / 100);
  garbageMin_->setCurrentIndex(at % 100 < garbageMin_->count() ? at % 100 : -1);
}

// An hour picked while no minute is shown starts at minute 00, as both lists then show.
void Mailbox2Page::GarbageHourPicked() {
  if (garbageMin_->currentIndex() < 0) garbageMin_->setCurrentIndex(0);
}

// What the lists show; until the user picks a time for a list without one, the time read.
std::int32_t Mailbox2Page::StoredGarbageAt() const {
  if (garbageHour_->currentIndex() < 0 || garbageMin_->currentIndex() < 0) return config_.Mailbox.GarbageAt;
  return SelectedNumber(garbageHour_, 0) * 100 + SelectedNumber(garbageMin_, 0);
}

void Mailbox2Page::FillClosedTimes() {
  TClosedTimeCol& list = config_.ClosedTimes;
  closedTimes_->setUpdatesEnabled(false);
  closedTimes_->clear();
  for (std::int32_t i = 0; i < list.Count(); ++i)
    if (const ClosedTime* window = list.WindowAt(i)) closedTimes_->addItem(WindowLine(*window));
  closedTimes_->setUpdatesEnabled(true);
  closedTimes_->setCurrentRow(closedTimes_->count() - 1);
  deleteTime_->setEnabled(closedTimes_->count() > 0);
}

void Mailbox2Page::Mail_Btn_AddTimeClick() {
  if (modals_.RunDialog(*closedTimeForm_) != QDialog::Accepted) return;
  const TClosedTimeForm& form = *closedTimeForm_;
  TClosedTimeCol& list = config_.ClosedTimes;
  const std::int32_t from = form.GetFromHour() * 100 + form.GetFromMin(), to = form.GetToHour() * 100 + form.GetToMin();
  if (!ClosedTimeFits(list, from, to)) {
    modals_.ShowInformation(
        tr("The closed-time list is full: TARVO.INI cannot hold another window. Delete one first."));
    return;
  }
  if (!list.AddWindow(from, to)) return;
  closedTimes_->addItem(WindowLine(*list.WindowAt(list.Count() - 1)));
  closedTimes_->setCurrentRow(closedTimes_->count() - 1);
  deleteTime_->setEnabled(true);  // the time added is selected: Tab reaches "Delete time"
  marks_->Update();
}

void Mailbox2Page::Mail_Btn_DeleteTimeClick() {
  const int row = SelectedRow(closedTimes_);
  if (row >= 0 && config_.ClosedTimes.DeleteWindowText(ToWindows(closedTimes_->item(row)->text()))) {
    delete closedTimes_->takeItem(row);
    closedTimes_->setCurrentRow(closedTimes_->count() > 0 ? 0 : -1);
    marks_->Update();
  }
  Mail2_List_ClosedTimeClick();
}

void Mailbox2Page::Mail2_List_ClosedTimeClick() { deleteTime_->setEnabled(closedTimes_->count() > 0); }

}  // namespace trv
