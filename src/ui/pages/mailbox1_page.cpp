#include "ui/pages/mailbox1_page.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "config/config.h"
#include "config/sections.h"
#include "support/text.h"
#include "ui/layout_builders.h"
#include "ui/text_convert.h"
#include "ui/widgets/checked_number_edit.h"

namespace trv {
namespace {

// What the MAILBOX reader accepts; an entry outside it gives way to the default.
constexpr NumberRange kLifetimeRange{kDefaultLifetime, kMinLifetime, kMaxLifetime};
constexpr NumberRange kTimeoutRange{kDefaultTimeoutMinutes, kMinTimeoutMinutes, kMaxTimeoutMinutes};
constexpr NumberRange kBidCountRange{kDefaultMaxBidCount, kMinMaxBidCount, kMaxMaxBidCount};
constexpr int kSecondsPerMinute = 60;

std::string Stored(const QLineEdit* edit, std::size_t width) { return CutTo(ToWindows(edit->text()), width); }

// A group with the edit and, after it, its unit.
QGroupBox* FieldGroup(const char* name, const QString& caption, QWidget* edit, const QString& unit = {}) {
  auto* row = new QHBoxLayout;
  row->addWidget(edit);
  if (!unit.isEmpty()) row->addWidget(new QLabel(unit));
  row->addStretch();
  return LabelledGroup(name, caption, row);
}

// Wide enough for `characters` typed capitals.
template <class Edit>
Edit* Sized(Edit* edit, int characters) {
  const int text = edit->fontMetrics().horizontalAdvance(QString(characters, 'W'));
  edit->setFixedWidth(text + 2 * edit->fontMetrics().averageCharWidth() + 8);
  return edit;
}

}  // namespace

Mailbox1Page::Mailbox1Page(PageContext context, QWidget* parent)
    : SettingsPage(context, parent),
      call_(Named(new LimitedLineEdit(9, true), "Mail_Edit_Call")),
      hPath_(Named(new LimitedLineEdit(40, true), "Mail_Edit_HPath")),
      fHeader_(Named(new LimitedLineEdit(25, false), "Mail_Edit_FHeader")),
      defLifetime_(Named(new CheckedNumberEdit(3, kLifetimeRange), "Mail_Edit_DefLT")),
      timeout_(Named(new CheckedNumberEdit(3, kTimeoutRange), "Mail_Edit_TimeOut")),
      sysMailTo_(Named(new LimitedLineEdit(8, true), "Mail_Edit_SysMailTo")),
      defBoard_(Named(new LimitedLineEdit(8, true), "Mail_Edit_DefBoard")),
      maxBidCount_(Named(new CheckedNumberEdit(6, kBidCountRange), "Mail_Edit_MaxBidCount")) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildTopStrip());
  layout->addWidget(BuildFHeaderGroup());
  layout->addWidget(BuildBottom());
  layout->addStretch();
  SetTabOrder({call_, hPath_, fHeader_, defLifetime_, timeout_, sysMailTo_, defBoard_, maxBidCount_});
  Serve(
      SectionId::Mailbox, [this] { FillMailbox1Page(); }, [this] { StoreMailbox1Page(); });
}

QWidget* Mailbox1Page::BuildTopStrip() {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(FieldGroup("Mail_GB_Call", tr("&Call"), Sized(call_, 9)));
  row->addWidget(LabelledGroup("Mail_GB_HPath", tr("&HPath"), {hPath_}), 1);
  return Panel("Mail_Panel_Top", row);
}

QWidget* Mailbox1Page::BuildFHeaderGroup() {
  QFont fixed("Courier New");
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setFamilies({"Courier New", QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
  fixed.setPointSizeF(font().pointSizeF() * 1.25);
  auto* open = Named(new QLabel("["), "Label1");
  auto* close = Named(new QLabel("] Tarvo ...."), "Mail_Lbl_FHeaderEnd");
  auto* row = new QHBoxLayout;
  row->setSpacing(0);
  for (QWidget* w : std::initializer_list<QWidget*>{open, fHeader_, close}) {
    w->setFont(fixed);
    row->addWidget(w);
  }
  fHeader_->setFixedWidth(QFontMetrics(fixed).horizontalAdvance(QString(25, 'W')) + 12);
  row->addStretch();
  return LabelledGroup("Mail_Gb_FHeader", tr("FH&eader"), row);
}

QWidget* Mailbox1Page::BuildBottom() {
  for (QLineEdit* edit : std::initializer_list<QLineEdit*>{defLifetime_, timeout_, sysMailTo_, defBoard_, maxBidCount_})
    Sized(edit, 8);
  auto* left = new QVBoxLayout;
  left->setContentsMargins(0, 0, 0, 0);
  left->addWidget(FieldGroup("Mail_GB_DefLT", tr("Default &lifetime"), defLifetime_, tr("days")));
  left->addWidget(FieldGroup("Mail_GB_TimeOut", tr("T&imeout"), timeout_, tr("min")));
  left->addWidget(FieldGroup("Mail_GB_SysMailTo", tr("&Sysmail to"), sysMailTo_));
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->setContentsMargins(0, 0, 0, 0);
  right->addWidget(FieldGroup("Mail_GB_DefBoard", tr("Default &Board"), defBoard_));
  right->addWidget(FieldGroup("Mail_GB_MaxBidCount", tr("&Max. BID count"), maxBidCount_));
  right->addStretch();
  auto* columns = new QHBoxLayout;
  columns->setContentsMargins(0, 0, 0, 0);
  columns->addWidget(Panel("Mail_Panel_BottomLeft", left), 1);
  columns->addWidget(Panel("Mail_Panel_BottomRight", right), 1);
  return Panel("Mail_Panel_Bottom", columns);
}

void Mailbox1Page::FillMailbox1Page() {
  const MailboxSettings& m = config_.Mailbox;
  call_->SetProgramText(FromWindows(m.BoxCall));
  hPath_->SetProgramText(FromWindows(m.HPath));
  fHeader_->SetProgramText(FromWindows(config_.FHeaderText.HeaderText()));
  sysMailTo_->SetProgramText(FromWindows(m.SysMailTo));
  defBoard_->SetProgramText(FromWindows(m.DefaultBoard));
  defLifetime_->SetValue(m.DefaultLifetime);
  timeout_->SetValue(m.Timeout / kSecondsPerMinute);
  maxBidCount_->SetValue(m.MaxBidCount);
}

void Mailbox1Page::StoreMailbox1Page() {
  MailboxSettings& m = config_.Mailbox;
  m.BoxCall = Stored(call_, kBoxCallWidth);
  m.HPath = Stored(hPath_, kHPathWidth);
  config_.FHeaderText.SetFHeader(ToWindows(fHeader_->text()));
  m.SysMailTo = Stored(sysMailTo_, kSysMailToWidth);
  m.DefaultBoard = Stored(defBoard_, kDefaultBoardWidth);
  m.DefaultLifetime = defLifetime_->CheckedValue();
  m.Timeout = timeout_->CheckedValue() * kSecondsPerMinute;
  m.MaxBidCount = maxBidCount_->CheckedValue();
}

}  // namespace trv
