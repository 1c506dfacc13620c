#include "ui/pages/extra_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <cstdint>

#include "config/config.h"
#include "config/sections.h"
#include "support/text.h"
#include "ui/controls.h"
#include "ui/layout_builders.h"
#include "ui/text_convert.h"
#include "ui/widgets/limited_line_edit.h"
#include "ui/widgets/quiet_combo_box.h"

namespace trv {
namespace {

constexpr int kSecondsPerHour = 3600;
constexpr int kUtcHoursMax = 12;     // the list runs from -12 to +12 hours
constexpr int kPollDelaySteps = 10;  // 50 ms to 500 ms
constexpr int kPollDelayStepMs = 50;

// The list item of an offset: its hour truncated towards zero, -1 when the list has none.
int UtcItem(std::int32_t seconds) {
  const std::int64_t item = (std::int64_t{seconds} + kUtcHoursMax * kSecondsPerHour) / kSecondsPerHour;
  return item >= 0 && item <= 2 * kUtcHoursMax ? static_cast<int>(item) : -1;
}

}  // namespace

ExtraPage::ExtraPage(PageContext context, QWidget* parent) : SettingsPage(context, parent) {
  BuildControls();
  FillLists();
  connect(utc_, &QComboBox::activated, this, [this] { utcPicked_ = true; });
  Serve(
      SectionId::Extra, [this] { FillExtraPage(); }, [this] { StoreExtraPage(); });
}

void ExtraPage::BuildControls() {
  prompt_ = Named(new LimitedLineEdit(80, false), "Extra_Edit_Prompt");
  fortune_ = Named(new LimitedLineEdit(12, true), "Extra_Edit_Fortune");
  utc_ = Named(new QuietComboBox, "Extra_Combo_UTC");
  pollDelay_ = Named(new QuietComboBox, "Extra_Combo_PollDelay");
  nodeCall_ = Named(new LimitedLineEdit(9, true), "Extra_Edit_NodeCall");
  delayedDisplay_ = Named(new QCheckBox(tr("De&layed display update")), "Extra_CB_DelayedDisplay");
  reduceResync_ = Named(new QCheckBox(tr("&Reduce scroll resyncs")), "Extra_CB_ReduceResync");
  multiToolbar_ = Named(new QCheckBox(tr("&Multi line toolbar")), "Extra_CB_MultiToolbar");
  suppressBin_ = Named(new QCheckBox(tr("&suppress BIN in monitor")), "Extra_CB_SuppressBin");

  auto* left = new QVBoxLayout;
  left->setContentsMargins(0, 0, 0, 0);
  left->addWidget(LabelledGroup("Extra_GB_Fortune", tr("&Fortune"), {fortune_}));
  left->addWidget(LabelledGroup("Extra_GB_UTC", tr("&UTC"), {utc_}));
  auto* right = new QVBoxLayout;
  right->setContentsMargins(0, 0, 0, 0);
  right->addWidget(LabelledGroup("Extra_GB_PollDelay", tr("Poll &delay"), {pollDelay_}));
  right->addWidget(LabelledGroup("Extra_GB_NodeCall", tr("&Node call"), {nodeCall_}));
  auto* columns = new QHBoxLayout;
  columns->setContentsMargins(0, 0, 0, 0);
  columns->addWidget(Panel("Extra_Panel_Left", left), 1);
  columns->addWidget(Panel("Extra_Panel_Right", right), 1);

  auto* main = new QVBoxLayout;
  main->setContentsMargins(0, 0, 0, 0);
  main->addWidget(LabelledGroup("Extra_GB_Prompt", tr("&Prompt"), {prompt_}));
  main->addLayout(columns);
  for (QCheckBox* box : {delayedDisplay_, reduceResync_, multiToolbar_, suppressBin_}) main->addWidget(box);
  main->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel("Extra_Panel_Main", main));
  SetTabOrder(
      {prompt_, pollDelay_, nodeCall_, fortune_, utc_, delayedDisplay_, reduceResync_, multiToolbar_, suppressBin_});
}

void ExtraPage::FillLists() {
  for (int step = 1; step <= kPollDelaySteps; ++step)
    AddNumbered(pollDelay_, tr("%1 ms").arg(step * kPollDelayStepMs), step);
  for (int hours = -kUtcHoursMax; hours <= kUtcHoursMax; ++hours)
    AddNumbered(utc_, tr("%1 hours").arg(hours), hours * kSecondsPerHour);
  pollDelay_->setCurrentIndex(-1);
  utc_->setCurrentIndex(-1);
}

void ExtraPage::ShowUtcOffset(std::int32_t seconds) {
  utc_->setCurrentIndex(UtcItem(seconds));
  utcPicked_ = false;
}

void ExtraPage::FillExtraPage() {
  const ExtraSettings& x = config_.Extra;
  pollDelay_->setCurrentIndex(x.PollDelay - 1);
  nodeCall_->SetProgramText(FromWindows(x.NodeCall));
  prompt_->SetProgramText(FromWindows(x.Prompt));
  fortune_->SetProgramText(FromWindows(x.FortuneFile));
  reduceResync_->setChecked(x.ReduceResync);
  multiToolbar_->setChecked(x.MultiLineToolbar);
  ShowUtcOffset(x.UtcOffset);
  delayedDisplay_->setChecked(x.DelayedDisplay);
  suppressBin_->setChecked(x.SuppressBin != 0);
}

void ExtraPage::StoreExtraPage() {
  ExtraSettings& x = config_.Extra;
  x.PollDelay = SelectedNumber(pollDelay_, x.PollDelay);
  x.NodeCall = CutTo(ToWindows(nodeCall_->text()), kNodeCallWidth);
  x.Prompt = ToWindows(prompt_->text());
  x.FortuneFile = ToWindows(fortune_->text());
  x.ReduceResync = reduceResync_->isChecked();
  x.MultiLineToolbar = multiToolbar_->isChecked();
  if (utcPicked_) x.UtcOffset = SelectedNumber(utc_, x.UtcOffset);
  x.DelayedDisplay = delayedDisplay_->isChecked();
  x.SuppressBin = suppressBin_->isChecked() ? -1 : 0;
}

}  // namespace trv
