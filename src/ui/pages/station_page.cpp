#include "ui/pages/station_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "config/store/sections.h"
#include "ui/layout_builders.h"
#include "ui/widgets/limited_line_edit.h"

namespace trv {

StationPage::StationPage(PageContext context, QWidget* parent)
    : SettingsPage(context, parent),
      call_(Named(new LimitedLineEdit, "Station_Edit_Call")),
      locator_(Named(new LimitedLineEdit, "Station_Edit_Locator")),
      binder_(config_) {
  // An emptied field stores the default.
  binder_.Bind(call_, "STATION", "CALL");
  binder_.Bind(locator_, "STATION", "QTH");
  auto* column = new QVBoxLayout;
  column->addWidget(LabelledGroup("GroupBox1", tr("&Call"), {call_}));
  column->addWidget(LabelledGroup("GroupBox2", tr("&Locator"), {locator_}));
  column->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(Panel("Station_Panel", column));
  layout->addStretch();
  Serve(
      SectionId::Station, [this] { FillStationPage(); }, [this] { StoreStationPage(); });
}

void StationPage::FillStationPage() { binder_.Fill(); }

void StationPage::StoreStationPage() { binder_.Store(); }

}  // namespace trv
