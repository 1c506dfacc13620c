#include "ui/pages/mailbox1_page.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "config/store/sections.h"
#include "ui/layout_builders.h"
#include "ui/widgets/checked_number_edit.h"

namespace trv {
namespace {

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
      call_(Named(new LimitedLineEdit, "Mail_Edit_Call")),
      hPath_(Named(new LimitedLineEdit, "Mail_Edit_HPath")),
      fHeader_(Named(new LimitedLineEdit, "Mail_Edit_FHeader")),
      defLifetime_(Named(new CheckedNumberEdit, "Mail_Edit_DefLT")),
      timeout_(Named(new CheckedNumberEdit, "Mail_Edit_TimeOut")),
      sysMailTo_(Named(new LimitedLineEdit, "Mail_Edit_SysMailTo")),
      defBoard_(Named(new LimitedLineEdit, "Mail_Edit_DefBoard")),
      maxBidCount_(Named(new CheckedNumberEdit, "Mail_Edit_MaxBidCount")),
      binder_(config_) {
  BindFields();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildTopStrip());
  layout->addWidget(BuildFHeaderGroup());
  layout->addWidget(BuildBottom());
  layout->addStretch();
  SetTabOrder({call_, hPath_, fHeader_, defLifetime_, timeout_, sysMailTo_, defBoard_, maxBidCount_});
  Serve(
      SectionId::Mailbox, [this] { FillMailbox1Page(); }, [this] { StoreMailbox1Page(); });
}

void Mailbox1Page::BindFields() {
  binder_.Bind(call_, "MAILBOX", "BOXCALL");
  binder_.Bind(hPath_, "MAILBOX", "HPATH");
  binder_.Bind(fHeader_, "MAILBOX", "FHEADER");  // an emptied header stores the standard one
  binder_.Bind(sysMailTo_, "MAILBOX", "SYSMTO");
  binder_.Bind(defBoard_, "MAILBOX", "DEFBOARD");
  binder_.Bind(defLifetime_, "MAILBOX", "DEFLT");
  binder_.Bind(timeout_, "MAILBOX", "TIMEOUT");
  binder_.Bind(maxBidCount_, "MAILBOX", "MOBID");
}

QWidget* Mailbox1Page::BuildTopStrip() {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(FieldGroup("Mail_GB_Call", tr("&Call"), Sized(call_, call_->Limit())));
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
  fHeader_->setFixedWidth(QFontMetrics(fixed).horizontalAdvance(QString(fHeader_->Limit(), 'W')) + 12);
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

void Mailbox1Page::FillMailbox1Page() { binder_.Fill(); }

void Mailbox1Page::StoreMailbox1Page() { binder_.Store(); }

}  // namespace trv
