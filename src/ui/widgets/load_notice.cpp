#include "ui/widgets/load_notice.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "config/store/findings.h"
#include "ui/dialogs/load_findings_form.h"
#include "ui/layout_builders.h"
#include "ui/modal_windows.h"
#include "ui/widgets/notice_icon.h"

namespace trv {

QString LoadNoticeText(std::size_t count) {
  const int n = static_cast<int>(count);
  return QCoreApplication::translate(
      "trv", "%n value(s) in TARVO.INI could not be used and were replaced; OK will write the replacements.", nullptr,
      n);
}

LoadNotice::LoadNotice(ModalWindows& modals, QWidget* parent)
    : QFrame(parent), modals_(modals), text_(Named(new QLabel, "Notice_Label")) {
  setObjectName("LoadNotice");
  setFrameShape(QFrame::StyledPanel);
  auto* icon = Named(new NoticeIcon(QStyle::SP_MessageBoxInformation), "Notice_Icon");
  auto* details = Named(new QPushButton(tr("De&tails...")), "Notice_Btn_Details");
  details->setAutoDefault(false);  // Enter stays with OK
  connect(details, &QPushButton::clicked, this, [this] { ShowDetails(); });
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 2, 2, 2);
  row->addWidget(icon);
  row->addWidget(text_, 1);
  row->addWidget(details);
  hide();
}

void LoadNotice::SetFindings(const Findings& findings) {
  findings_ = WorthTelling(findings);
  text_->setText(LoadNoticeText(findings_.size()));
  setVisible(!findings_.empty());
}

void LoadNotice::ShowDetails() {
  TLoadFindingsForm details(findings_, window());
  modals_.RunDialog(details);
}

}  // namespace trv
