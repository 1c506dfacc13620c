#include "ui/pages/display_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "config/store/sections.h"
#include "ui/layout_builders.h"
#include "ui/widgets/checked_number_edit.h"

namespace trv {
namespace {

// The Display and Languages pages share the width of their left column.
constexpr int kPanelWidth = 240;

}  // namespace

DisplayPage::DisplayPage(PageContext context, QWidget* parent) : SettingsPage(context, parent), binder_(config_) {
  BuildControls();
  Serve(
      SectionId::Display, [this] { FillDisplayPage(); }, [this] { StoreDisplayPage(); });
}

void DisplayPage::BuildControls() {
  // Filled in this order: each number edit is checked right after it is set.
  maxRXLines_ = binder_.Bind(Named(new CheckedNumberEdit, "Disp_Edit_MaxRXLines"), "DISPLAY", "SBL");
  maxTXLines_ = binder_.Bind(Named(new CheckedNumberEdit, "Disp_Edit_MaxTXLines"), "DISPLAY", "MEL");
  auto* echo = binder_.Bind(Box(tr("&echo own text in TX window"), "Disp_Cb_Echo"), "DISPLAY", "ETD");
  auto* saveRX = binder_.Bind(Box(tr("&Save RX screen at end of program"), "Disp_CB_SaveRX"), "DISPLAY", "SAVERX");
  auto* saveTX = binder_.Bind(Box(tr("Sa&ve TX screen at end of program"), "Disp_CB_SaveTX"), "DISPLAY", "SAVETX");
  auto* flickerRX = binder_.Bind(Box(tr("&Use flicker free RX window"), "Disp_CB_FlickerRX"), "DISPLAY", "RXBB");
  auto* flickerTX = binder_.Bind(Box(tr("Use flicker free TX &window"), "Disp_CB_FlickerTX"), "DISPLAY", "EDITBB");

  auto* column = new QVBoxLayout;
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(LabelledGroup("Disp_GB_MaxRXLines", tr("Max&RXLines"), {maxRXLines_}));
  column->addWidget(LabelledGroup("Disp_GB_MaxTXLines", tr("MaxT&XLines"), {maxTXLines_}));
  for (QCheckBox* box : {echo, saveRX, saveTX, flickerRX, flickerTX}) column->addWidget(box);
  column->addStretch();
  QWidget* left = Panel("Disp_Panel_Left", column);
  left->setMinimumWidth(kPanelWidth);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(left);
  layout->addWidget(Panel("Disp_Panel_MainRight", new QVBoxLayout), 1);
}

void DisplayPage::Disp_Edit_MaxRXLinesExit() { maxRXLines_->CheckedValue(); }
void DisplayPage::Disp_Edit_MaxTXLinesExit() { maxTXLines_->CheckedValue(); }

void DisplayPage::FillDisplayPage() { binder_.Fill(); }

// The number edits are checked again: OK may come while the focus is still in one.
void DisplayPage::StoreDisplayPage() { binder_.Store(); }

}  // namespace trv
