#include "ui/pages/station_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "config/config.h"
#include "config/sections.h"
#include "support/text.h"
#include "ui/layout_builders.h"
#include "ui/text_convert.h"
#include "ui/widgets/limited_line_edit.h"

namespace trv {
namespace {

// The edit's text for a record field: cut to the field's width, the default when empty.
std::string Stored(const QLineEdit* edit, std::size_t width, std::string_view def) {
  const std::string text = CutTo(ToWindows(edit->text()), width);
  return text.empty() ? std::string(def) : text;
}

}  // namespace

StationPage::StationPage(PageContext context, QWidget* parent)
    : SettingsPage(context, parent),
      call_(Named(new LimitedLineEdit(9, true), "Station_Edit_Call")),
      locator_(Named(new LimitedLineEdit(6, true), "Station_Edit_Locator")) {
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

void StationPage::FillStationPage() {
  call_->SetProgramText(FromWindows(config_.Station.Call));
  locator_->SetProgramText(FromWindows(config_.Station.Qth));
}

void StationPage::StoreStationPage() {
  config_.Station.Call = Stored(call_, kCallWidth, kDefaultCall);
  config_.Station.Qth = Stored(locator_, kQthWidth, kDefaultQth);
}

}  // namespace trv
