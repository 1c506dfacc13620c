#include "ui/pages/moduls_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

#include "config/store/sections.h"
#include "ui/layout_builders.h"

namespace trv {

ModulsPage::ModulsPage(PageContext context, QWidget* parent) : SettingsPage(context, parent), binder_(config_) {
  BuildControls();
  Serve(
      SectionId::Extra, [this] { FillExtraPage(); }, [this] { StoreExtraPage(); });
}

void ModulsPage::BuildControls() {
  auto* digiInfo = binder_.Bind(Box(tr("Load D&igiinfo"), "Modul_CB_DigiInfo"), "EXTRA", "DLINK");
  auto* spy = binder_.Bind(Box(tr("Load &Spy"), "Modul_CB_Spy"), "EXTRA", "SPY");
  auto* mailBox = binder_.Bind(Box(tr("Load &Mailbox"), "Modul_CB_MailBox"), "EXTRA", "BOX");
  auto* dxClusterSpy = binder_.Bind(Box(tr("Load &DX cluster spy"), "Modul_CB_DXClusterSpy"), "EXTRA", "LDXC");
  // Enabled while Mailbox is ticked; stored as ticked, enabled or not.
  auto* broadcast = binder_.Bind(Box(tr("Load &Broadcast RX"), "Modul_CB_Broadcast"), "EXTRA", "LBROAD");

  auto* grid = new QGridLayout;
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(digiInfo, 0, 0);
  grid->addWidget(spy, 1, 0);
  grid->addWidget(mailBox, 2, 0);
  grid->addWidget(broadcast, 0, 1);
  grid->addWidget(dxClusterSpy, 1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel("Modul_Panel_Main", grid));
  layout->addStretch();
  SetTabOrder({digiInfo, spy, mailBox, dxClusterSpy, broadcast});
}

void ModulsPage::FillExtraPage() { binder_.Fill(); }

void ModulsPage::StoreExtraPage() { binder_.Store(); }

}  // namespace trv
