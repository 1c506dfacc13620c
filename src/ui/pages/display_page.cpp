#include "ui/pages/display_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "config/config.h"
#include "config/sections.h"
#include "ui/focus_leave.h"
#include "ui/layout_builders.h"
#include "ui/widgets/limited_line_edit.h"

namespace trv {
namespace {

// What an unusable entry becomes: the field's default, which is also its lower bound.
struct LineLimits {
  int min;
  int max;
  int fallback;
};
constexpr LineLimits kRXLines{100, 30000, 100};
constexpr LineLimits kTXLines{50, 500, 50};
// The Display and Languages pages share the width of their left column.
constexpr int kPanelWidth = 240;

// The edit's number; a text that is not a whole number counts as 0.
int WholeNumber(const LimitedLineEdit* edit) {
  bool ok = false;
  const int value = edit->text().toInt(&ok);
  return ok ? value : 0;
}

void CheckRange(LimitedLineEdit* edit, LineLimits limits) {
  const int value = WholeNumber(edit);
  if (value < limits.min || value > limits.max) edit->setText(QString::number(limits.fallback));
}

}  // namespace

DisplayPage::DisplayPage(PageContext context, QWidget* parent) : SettingsPage(context, parent) {
  BuildControls();
  OnFocusLeave(maxRXLines_, [this] { Disp_Edit_MaxRXLinesExit(); });
  OnFocusLeave(maxTXLines_, [this] { Disp_Edit_MaxTXLinesExit(); });
  Serve(
      SectionId::Display, [this] { FillDisplayPage(); }, [this] { StoreDisplayPage(); });
}

void DisplayPage::BuildControls() {
  maxRXLines_ = Named(new LimitedLineEdit(5, false), "Disp_Edit_MaxRXLines");
  maxTXLines_ = Named(new LimitedLineEdit(3, false), "Disp_Edit_MaxTXLines");
  echo_ = Named(new QCheckBox("echo own text in TX window"), "Disp_Cb_Echo");
  saveRX_ = Named(new QCheckBox("Save RX screen at end of program"), "Disp_CB_SaveRX");
  saveTX_ = Named(new QCheckBox("Save TX screen at end of program"), "Disp_CB_SaveTX");
  flickerRX_ = Named(new QCheckBox("Use flicker free RX window"), "Disp_CB_FlickerRX");
  flickerTX_ = Named(new QCheckBox("Use flicker free TX window"), "Disp_CB_FlickerTX");

  auto* column = new QVBoxLayout;
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(LabelledGroup("Disp_GB_MaxRXLines", "MaxRXLines", {maxRXLines_}));
  column->addWidget(LabelledGroup("Disp_GB_MaxTXLines", "MaxTXLines", {maxTXLines_}));
  for (QCheckBox* box : {echo_, saveRX_, saveTX_, flickerRX_, flickerTX_}) column->addWidget(box);
  column->addStretch();
  QWidget* left = Panel("Disp_Panel_Left", column);
  left->setMinimumWidth(kPanelWidth);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(left);
  layout->addWidget(Panel("Disp_Panel_MainRight", new QVBoxLayout), 1);
}

void DisplayPage::Disp_Edit_MaxRXLinesExit() { CheckRange(maxRXLines_, kRXLines); }
void DisplayPage::Disp_Edit_MaxTXLinesExit() { CheckRange(maxTXLines_, kTXLines); }

void DisplayPage::FillDisplayPage() {
  const DisplaySettings& d = config_.Display;
  maxRXLines_->setText(QString::number(d.MaxRXLines));
  Disp_Edit_MaxRXLinesExit();
  maxTXLines_->setText(QString::number(d.MaxTXLines));
  Disp_Edit_MaxTXLinesExit();
  echo_->setChecked(d.EchoOwnText);
  saveRX_->setChecked(d.SaveRX);
  saveTX_->setChecked(d.SaveTX);
  flickerRX_->setChecked(d.FlickerFreeRX);
  flickerTX_->setChecked(d.FlickerFreeTX);
}

void DisplayPage::StoreDisplayPage() {
  DisplaySettings& d = config_.Display;
  Disp_Edit_MaxRXLinesExit();  // OK may come while the focus is still in an edit
  d.MaxRXLines = WholeNumber(maxRXLines_);
  Disp_Edit_MaxTXLinesExit();
  d.MaxTXLines = WholeNumber(maxTXLines_);
  d.EchoOwnText = echo_->isChecked();
  d.SaveRX = saveRX_->isChecked();
  d.SaveTX = saveTX_->isChecked();
  d.FlickerFreeRX = flickerRX_->isChecked();
  d.FlickerFreeTX = flickerTX_->isChecked();
}

}  // namespace trv
