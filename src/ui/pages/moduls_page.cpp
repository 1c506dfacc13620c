#include "ui/pages/moduls_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

#include "config/config.h"
#include "config/sections.h"
#include "ui/controls.h"
#include "ui/layout_builders.h"

namespace trv {

ModulsPage::ModulsPage(PageContext context, QWidget* parent) : SettingsPage(context, parent) {
  BuildControls();
  OnRealChange(mailBox_, [this](bool) { Modul_CB_MailBoxClick(); });
  Serve(
      SectionId::Extra, [this] { FillExtraPage(); }, [this] { StoreExtraPage(); });
}

void ModulsPage::BuildControls() {
  digiInfo_ = Named(new QCheckBox(tr("Load D&igiinfo")), "Modul_CB_DigiInfo");
  spy_ = Named(new QCheckBox(tr("Load &Spy")), "Modul_CB_Spy");
  mailBox_ = Named(new QCheckBox(tr("Load &Mailbox")), "Modul_CB_MailBox");
  dxClusterSpy_ = Named(new QCheckBox(tr("Load &DX cluster spy")), "Modul_CB_DXClusterSpy");
  broadcast_ = Named(new QCheckBox(tr("Load &Broadcast RX")), "Modul_CB_Broadcast");

  auto* grid = new QGridLayout;
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(digiInfo_, 0, 0);
  grid->addWidget(spy_, 1, 0);
  grid->addWidget(mailBox_, 2, 0);
  grid->addWidget(broadcast_, 0, 1);
  grid->addWidget(dxClusterSpy_, 1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel("Modul_Panel_Main", grid));
  layout->addStretch();
  SetTabOrder({digiInfo_, spy_, mailBox_, dxClusterSpy_, broadcast_});
}

void ModulsPage::Modul_CB_MailBoxClick() { broadcast_->setEnabled(mailBox_->isChecked()); }

void ModulsPage::FillExtraPage() {
  const ExtraSettings& x = config_.Extra;
  digiInfo_->setChecked(x.LoadDigiInfo);
  spy_->setChecked(x.LoadSpy);
  mailBox_->setChecked(x.LoadMailbox);
  broadcast_->setChecked(x.LoadBroadcast);
  dxClusterSpy_->setChecked(x.LoadDxClusterSpy);
  Modul_CB_MailBoxClick();  // also when the Mailbox box keeps the state it had
}

void ModulsPage::StoreExtraPage() {
  ExtraSettings& x = config_.Extra;
  x.LoadDigiInfo = digiInfo_->isChecked();
  x.LoadSpy = spy_->isChecked();
  x.LoadMailbox = mailBox_->isChecked();
  x.LoadBroadcast = broadcast_->isChecked();  // as ticked, enabled or not
  x.LoadDxClusterSpy = dxClusterSpy_->isChecked();
}

}  // namespace trv
