#include "ui/pages/moduls_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

#include "config/sections.h"
#include "ui/controls.h"
#include "ui/layout_builders.h"

namespace trv {

ModulsPage::ModulsPage(PageContext context, QWidget* parent) : SettingsPage(context, parent), binder_(config_) {
  BuildControls();
  OnRealChange(mailBox_, [this](bool) { Modul_CB_MailBoxClick(); });
  Serve(
      SectionId::Extra, [this] { FillExtraPage(); }, [this] { StoreExtraPage(); });
}

void ModulsPage::BuildControls() {
  auto* digiInfo = Named(new QCheckBox(tr("Load D&igiinfo")), "Modul_CB_DigiInfo");
  auto* spy = Named(new QCheckBox(tr("Load &Spy")), "Modul_CB_Spy");
  mailBox_ = Named(new QCheckBox(tr("Load &Mailbox")), "Modul_CB_MailBox");
  auto* dxClusterSpy = Named(new QCheckBox(tr("Load &DX cluster spy")), "Modul_CB_DXClusterSpy");
  broadcast_ = Named(new QCheckBox(tr("Load &Broadcast RX")), "Modul_CB_Broadcast");
  binder_.Bind(digiInfo, "EXTRA", "DLINK");
  binder_.Bind(spy, "EXTRA", "SPY");
  binder_.Bind(mailBox_, "EXTRA", "BOX");
  binder_.Bind(broadcast_, "EXTRA", "LBROAD");  // stored as ticked, enabled or not
  binder_.Bind(dxClusterSpy, "EXTRA", "LDXC");

  auto* grid = new QGridLayout;
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(digiInfo, 0, 0);
  grid->addWidget(spy, 1, 0);
  grid->addWidget(mailBox_, 2, 0);
  grid->addWidget(broadcast_, 0, 1);
  grid->addWidget(dxClusterSpy, 1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel("Modul_Panel_Main", grid));
  layout->addStretch();
  SetTabOrder({digiInfo, spy, mailBox_, dxClusterSpy, broadcast_});
}

void ModulsPage::Modul_CB_MailBoxClick() { broadcast_->setEnabled(mailBox_->isChecked()); }

void ModulsPage::FillExtraPage() {
  binder_.Fill();
  Modul_CB_MailBoxClick();  // also when the Mailbox box keeps the state it had
}

void ModulsPage::StoreExtraPage() { binder_.Store(); }

}  // namespace trv
