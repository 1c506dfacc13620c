#include "ui/pages/display_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "config/config.h"
#include "config/sections.h"
#include "ui/layout_builders.h"
#include "ui/widgets/checked_number_edit.h"

namespace trv {
namespace {

// What an unusable entry becomes: the field's default, which is also its lower bound.
constexpr NumberRange kRXLines{kDefaultMaxRXLines, kMinRXLines, kMaxRXLines};
constexpr NumberRange kTXLines{kDefaultMaxTXLines, kMinTXLines, kMaxTXLines};
// The Display and Languages pages share the width of their left column.
constexpr int kPanelWidth = 240;

}  // namespace

DisplayPage::DisplayPage(PageContext context, QWidget* parent) : SettingsPage(context, parent) {
  BuildControls();
  Serve(
      SectionId::Display, [this] { FillDisplayPage(); }, [this] { StoreDisplayPage(); });
}

void DisplayPage::BuildControls() {
  maxRXLines_ = Named(new CheckedNumberEdit(5, kRXLines), "Disp_Edit_MaxRXLines");
  maxTXLines_ = Named(new CheckedNumberEdit(3, kTXLines), "Disp_Edit_MaxTXLines");
  echo_ = Named(new QCheckBox(tr("&echo own text in TX window")), "Disp_Cb_Echo");
  saveRX_ = Named(new QCheckBox(tr("&Save RX screen at end of program")), "Disp_CB_SaveRX");
  saveTX_ = Named(new QCheckBox(tr("Sa&ve TX screen at end of program")), "Disp_CB_SaveTX");
  flickerRX_ = Named(new QCheckBox(tr("&Use flicker free RX window")), "Disp_CB_FlickerRX");
  flickerTX_ = Named(new QCheckBox(tr("Use flicker free TX &window")), "Disp_CB_FlickerTX");

  auto* column = new QVBoxLayout;
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(LabelledGroup("Disp_GB_MaxRXLines", tr("Max&RXLines"), {maxRXLines_}));
  column->addWidget(LabelledGroup("Disp_GB_MaxTXLines", tr("MaxT&XLines"), {maxTXLines_}));
  for (QCheckBox* box : {echo_, saveRX_, saveTX_, flickerRX_, flickerTX_}) column->addWidget(box);
  column->addStretch();
  QWidget* left = Panel("Disp_Panel_Left", column);
  left->setMinimumWidth(kPanelWidth);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(left);
  layout->addWidget(Panel("Disp_Panel_MainRight", new QVBoxLayout), 1);
}

void DisplayPage::Disp_Edit_MaxRXLinesExit() { maxRXLines_->CheckedValue(); }
void DisplayPage::Disp_Edit_MaxTXLinesExit() { maxTXLines_->CheckedValue(); }

void DisplayPage::FillDisplayPage() {
  const DisplaySettings& d = config_.Display;
  maxRXLines_->SetValue(d.MaxRXLines);
  Disp_Edit_MaxRXLinesExit();
  maxTXLines_->SetValue(d.MaxTXLines);
  Disp_Edit_MaxTXLinesExit();
  echo_->setChecked(d.EchoOwnText);
  saveRX_->setChecked(d.SaveRX);
  saveTX_->setChecked(d.SaveTX);
  flickerRX_->setChecked(d.FlickerFreeRX);
  flickerTX_->setChecked(d.FlickerFreeTX);
}

void DisplayPage::StoreDisplayPage() {
  DisplaySettings& d = config_.Display;
  // Checked again: OK may come while the focus is still in an edit.
  d.MaxRXLines = maxRXLines_->CheckedValue();
  d.MaxTXLines = maxTXLines_->CheckedValue();
  d.EchoOwnText = echo_->isChecked();
  d.SaveRX = saveRX_->isChecked();
  d.SaveTX = saveTX_->isChecked();
  d.FlickerFreeRX = flickerRX_->isChecked();
  d.FlickerFreeTX = flickerTX_->isChecked();
}

}  // namespace trv
