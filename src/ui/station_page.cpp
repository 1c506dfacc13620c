#include "ui/station_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "config/config.h"
#include "support/text.h"
#include "ui/controls.h"
#include "ui/text_convert.h"

namespace trv {
namespace {

QGroupBox* EditBox(const char* name, const QString& caption, QLineEdit* edit) {
  auto* box = new QGroupBox(caption);
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(edit);
  return box;
}

// The edit's text for a record field: cut to the field's width, the default when empty.
std::string Stored(const QLineEdit* edit, std::size_t width, const char* def) {
  const std::string text = CutTo(ToWindows(edit->text()), width);
  return text.empty() ? def : text;
}

}  // namespace

StationPage::StationPage(QWidget* parent)
    : QWidget(parent), call_(new LimitedLineEdit(9, true)), locator_(new LimitedLineEdit(6, true)) {
  call_->setObjectName("Station_Edit_Call");
  locator_->setObjectName("Station_Edit_Locator");
  auto* panel = new QWidget;
  panel->setObjectName("Station_Panel");
  auto* column = new QVBoxLayout(panel);
  column->addWidget(EditBox("GroupBox1", "Call", call_));
  column->addWidget(EditBox("GroupBox2", "Locator", locator_));
  column->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(panel);
  layout->addStretch();
}

void StationPage::FillStationPage(const Config& config) {
  call_->SetProgramText(FromWindows(config.Station.Call));
  locator_->SetProgramText(FromWindows(config.Station.Qth));
}

void StationPage::StoreStationPage(Config& config) const {
  config.Station.Call = Stored(call_, 12, "NOCALL");
  config.Station.Qth = Stored(locator_, 31, "JN59IL");
}

}  // namespace trv
