#include "ui/pages/extra_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <cstdint>

#include "config/settings/setting_catalogue.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "ui/controls.h"
#include "ui/held_field_marks.h"
#include "ui/layout_builders.h"
#include "ui/setting_tooltip.h"
#include "ui/widgets/limited_line_edit.h"
#include "ui/widgets/quiet_combo_box.h"

namespace trv {
namespace {

// The list item of an offset: the whole hour at or below it, -1 when the list has none.
int UtcItem(std::int32_t seconds) {
  const std::int64_t item = (std::int64_t{seconds} + kMaxUtcHours * kSecondsPerHour) / kSecondsPerHour;
  return item >= 0 && item <= 2 * kMaxUtcHours ? static_cast<int>(item) : -1;
}

}  // namespace

ExtraPage::ExtraPage(PageContext context, QWidget* parent) : SettingsPage(context, parent), binder_(config_) {
  BuildControls();
  FillLists();
  connect(utc_, &QComboBox::activated, this, [this] { utcPicked_ = true; });
  AddMarks();
  Serve(
      SectionId::Extra, [this] { FillExtraPage(); }, [this] { StoreExtraPage(); });
}

void ExtraPage::BuildControls() {
  auto* prompt = binder_.Bind(Named(new LimitedLineEdit, "Extra_Edit_Prompt"), "EXTRA", "PROMPT");
  pollDelay_ = binder_.Bind(Named(new QuietComboBox, "Extra_Combo_PollDelay"), "EXTRA", "TPRI");
  auto* nodeCall = binder_.Bind(Named(new LimitedLineEdit, "Extra_Edit_NodeCall"), "EXTRA", "NODECALL");
  auto* fortune = binder_.Bind(Named(new LimitedLineEdit, "Extra_Edit_Fortune"), "EXTRA", "FORTUNE");
  utc_ = Named(new QuietComboBox, "Extra_Combo_UTC");
  binder_.Describe(utc_, "EXTRA", "UTC");  // whole hours, stored only when picked: see ShowUtcOffset
  auto* delayedDisplay = binder_.Bind(Box(tr("De&layed display update"), "Extra_CB_DelayedDisplay"), "EXTRA", "DUP");
  auto* reduceResync = binder_.Bind(Box(tr("&Reduce scroll resyncs"), "Extra_CB_ReduceResync"), "EXTRA", "SRESYNC");
  auto* multiToolbar = binder_.Bind(Box(tr("&Multi line toolbar"), "Extra_CB_MultiToolbar"), "EXTRA", "MULTILINE");
  auto* suppressBin = binder_.Bind(Box(tr("&suppress BIN in monitor"), "Extra_CB_SuppressBin"), "EXTRA", "SUPBIN");

  auto* left = new QVBoxLayout;
  left->setContentsMargins(0, 0, 0, 0);
  left->addWidget(LabelledGroup("Extra_GB_Fortune", tr("&Fortune"), {fortune}));
  left->addWidget(LabelledGroup("Extra_GB_UTC", tr("&UTC"), {utc_}));
  auto* right = new QVBoxLayout;
  right->setContentsMargins(0, 0, 0, 0);
  right->addWidget(LabelledGroup("Extra_GB_PollDelay", tr("Poll &delay"), {pollDelay_}));
  right->addWidget(LabelledGroup("Extra_GB_NodeCall", tr("&Node call"), {nodeCall}));
  auto* columns = new QHBoxLayout;
  columns->setContentsMargins(0, 0, 0, 0);
  columns->addWidget(Panel("Extra_Panel_Left", left), 1);
  columns->addWidget(Panel("Extra_Panel_Right", right), 1);

  auto* main = new QVBoxLayout;
  main->setContentsMargins(0, 0, 0, 0);
  main->addWidget(LabelledGroup("Extra_GB_Prompt", tr("&Prompt"), {prompt}));
  main->addLayout(columns);
  for (QCheckBox* box : {delayedDisplay, reduceResync, multiToolbar, suppressBin}) main->addWidget(box);
  main->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel("Extra_Panel_Main", main));
  SetTabOrder({prompt, pollDelay_, nodeCall, fortune, utc_, delayedDisplay, reduceResync, multiToolbar, suppressBin});
}

// The time zone is marked and reset as the bound fields are, from what OK stores of it.
void ExtraPage::AddMarks() {
  const CatalogueEntry utc = DeclaredSetting("EXTRA", "UTC");
  marks_ = new HeldFieldMarks(config_, this,
                              {.section = SectionId::Extra,
                               .settings = [utc](const Config&) { return SettingCatalogue{utc}; },
                               .storeShown =
                                   [this](Config& records) {
                                     if (utcPicked_)
                                       records.Extra.UtcOffset = SelectedNumber(utc_, records.Extra.UtcOffset);
                                   },
                               .showAgain = [this] { ShowUtcOffset(config_.Extra.UtcOffset); },
                               .revertAll = {}});
  marks_->Add({utc_}, [name = utc.name] { return std::vector<std::string>{name}; });
  connect(utc_, &QComboBox::activated, marks_, [this] { marks_->Update(); });
}

void ExtraPage::FillLists() {
  // In the units the settings declare, which their tooltips name too.
  const CatalogueEntry poll = DeclaredSetting("EXTRA", "TPRI");
  for (std::int64_t step = poll.min; step <= poll.max; ++step)  // 50 ms to 500 ms
    AddNumbered(pollDelay_, ShownQuantity(step * poll.shownScale, poll.unitName), static_cast<int>(step));
  const CatalogueEntry utc = DeclaredSetting("EXTRA", "UTC");
  for (std::int64_t hours = utc.listFrom; hours <= utc.listTo; ++hours)
    AddNumbered(utc_, ShownQuantity(hours, utc.unitName), static_cast<int>(hours * utc.shownFactor));
  pollDelay_->setCurrentIndex(-1);
  utc_->setCurrentIndex(-1);
}

void ExtraPage::ShowUtcOffset(std::int32_t seconds) {
  utc_->setCurrentIndex(UtcItem(seconds));
  utcPicked_ = false;
  marks_->Update();
}

void ExtraPage::FillExtraPage() {
  marks_->Loaded();
  binder_.Fill();
  ShowUtcOffset(config_.Extra.UtcOffset);
}

void ExtraPage::StoreExtraPage() {
  binder_.Store();
  if (utcPicked_) config_.Extra.UtcOffset = SelectedNumber(utc_, config_.Extra.UtcOffset);
}

}  // namespace trv
