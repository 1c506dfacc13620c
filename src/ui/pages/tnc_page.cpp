#include "ui/pages/tnc_page.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "config/ini/ini_errors.h"
#include "config/sections/device_section.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "ui/controls.h"
#include "ui/held_field_marks.h"
#include "ui/modal_windows.h"
#include "ui/pages/com_port_line.h"
#include "ui/setting_tooltip.h"
#include "ui/text_convert.h"
#include "ui/widgets/limited_line_edit.h"
#include "ui/widgets/qrg_edit.h"

namespace trv {
namespace {

QString PortText(int port) { return QString::fromStdString(PortName(port)); }
QString BaudText(int baud) { return QString::fromStdString(BaudName(baud)); }

void ClearRadioButtons(std::initializer_list<QRadioButton*> buttons) {
  for (QRadioButton* button : buttons) {
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
  }
}

}  // namespace

TncPage::TncPage(PageContext context, std::function<TEditSectionForm&()> editSection, QWidget* parent)
    : SettingsPage(context, parent), editSection_(std::move(editSection)) {
  BuildControls();
  ConnectHandlers();
  AddMarks();
  Serve(
      SectionId::Device, [this] { FillTncPage(); }, [this] { StoreTncPage(); });
}

void TncPage::ConnectHandlers() {
  // After the selection is made: a mouse press sets the current line before it selects it.
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] { ListBox1Click(); });
  connect(add_, &QToolButton::clicked, this, [this] { TNC_Speed_AddClick(); });
  connect(delete_, &QToolButton::clicked, this, [this] { TNC_Speed_DeleteClick(); });
  connect(com_, &QComboBox::activated, this, [this] { TNC_Combo_ComClick(); });
  connect(ini_, &QComboBox::editTextChanged, this, [this](const QString& t) { editIni_->setEnabled(!t.isEmpty()); });
  connect(dei_, &QComboBox::editTextChanged, this, [this](const QString& t) { editDei_->setEnabled(!t.isEmpty()); });
  connect(editIni_, &QToolButton::clicked, this, [this] { TNC_SPEED_EDITINIClick(); });
  connect(editDei_, &QToolButton::clicked, this, [this] { TNC_SPEED_EDITDEIClick(); });
}

// The widgets that show each field of the TNC line, in the order of the page.
std::vector<std::pair<std::string_view, std::vector<QWidget*>>> TncPage::FieldWidgets() const {
  return {{"Driver", {driver_}},     {"Port", {com_, drsi_}},         {"Baud", {baud_}},
          {"PacLen", {pacLen_}},     {"Channels", {channels_}},       {"IniBlock", {ini_}},
          {"Qrg", {qrg_}},           {"HostMode", {wa8ded_, tnc3s_}}, {"AutoParam", {autoParam_}},
          {"UseXHost", {useXHost_}}, {"FastPoll", {fastPoll_}},       {"DeiBlock", {dei_}}};
}

// Each field is marked for the TNC shown, the list for every TNC of the table.
void TncPage::AddMarks() {
  HeldFieldMarks::Page page;
  page.section = SectionId::Device;
  page.settings = [](const Config& records) {
    SettingCatalogue all;
    for (int n = 0; n < records.TncCount; ++n)
      for (CatalogueEntry& e : TncCatalogue(records, n)) all.push_back(std::move(e));
    return all;
  };
  page.storeShown = [this](Config& records) {
    if (currentTnc_ >= 0) StoreShownInto(records.TncTable[currentTnc_], &records == &config_);
  };
  page.showAgain = [this] {
    if (currentTnc_ >= 0)
      ShowTnc(currentTnc_, false);
    else
      ShowNoTnc();
  };
  page.revertAll = [this](const Config& loaded) { RevertTable(loaded.TncTable.data(), loaded.TncCount); };
  marks_ = new HeldFieldMarks(config_, this, std::move(page));
  for (const auto& [field, widgets] : FieldWidgets())
    marks_->Add(widgets, [this, field = std::string(field)]() -> std::vector<std::string> {
      if (currentTnc_ < 0) return {};
      return {"TncTable[" + std::to_string(currentTnc_) + "]." + field};
    });
  marks_->SetList(list_);
  const auto update = [this] { marks_->Update(); };
  for (QComboBox* box : {driver_, com_, baud_, pacLen_, channels_})
    connect(box, &QComboBox::currentIndexChanged, marks_, update);
  for (QComboBox* box : {ini_, dei_}) connect(box, &QComboBox::editTextChanged, marks_, update);
  for (QAbstractButton* box :
       std::initializer_list<QAbstractButton*>{drsi_, wa8ded_, tnc3s_, autoParam_, useXHost_, fastPoll_})
    connect(box, &QAbstractButton::toggled, marks_, update);
  connect(qrg_, &QLineEdit::textChanged, marks_, update);
}

// The table as loaded, with the TNC shown before, or the last one.
void TncPage::RevertTable(const TncEntry* table, int count) {
  std::copy(table, table + kTncTableSize, config_.TncTable.begin());
  config_.TncCount = count;
  const int row = std::min(std::max(currentTnc_, 0), count - 1);
  RefillList(count);
  currentTnc_ = row;
  if (row >= 0) SelectLine(row);
}

// Every box is then set by showing a TNC, or cleared when there is none.
void TncPage::FillNumberBoxes() {
  com_->clear();
  for (int port : OfferedComPorts()) AddNumbered(com_, PortText(port), port);
  for (int sirq : OfferedSirqPorts()) AddNumbered(com_, PortText(sirq), sirq);
  baud_->clear();
  for (int baud : OfferedBaudRates()) AddNumbered(baud_, BaudText(baud), baud);
  pacLen_->clear();
  for (int length : OfferedPacketLengths()) AddNumbered(pacLen_, tr("%n chars", nullptr, length), length);
  channels_->clear();
  for (int n = 0; n <= kMaxTncChannels; ++n) AddNumbered(channels_, tr("%n channel(s)", nullptr, n), n);
}

void TncPage::RefillList(int count) {
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (int i = 0; i < count; ++i) list_->addItem(QString("TNC %1").arg(i));
}

void TncPage::SelectLine(int row) {
  const QSignalBlocker quiet(list_);
  list_->setCurrentRow(row);
}

void TncPage::FillTncPage() {
  marks_->Loaded();
  const HeldFieldMarks::Quiet quiet(*marks_);
  currentTnc_ = -1;
  const std::string driverDir = config_.Dirs.GetTncDriverDir();
  const int listError = FillComboFromMask(driver_, config_.Files, driverDir, "*.TNC");
  for (int i = driver_->count(); i-- > 0;)  // not offered: the TNC line could not hold the name
    if (HoldsComma(ToWindows(driver_->itemText(i)))) driver_->removeItem(i);
  RefillList(config_.TncCount);
  FillNumberBoxes();
  FillBlockLists();
  if (config_.TncCount > 0) {
    SelectLine(0);
    ShowTnc(0);
  } else {
    ShowNoTnc();
  }
  // With no list, no TNC's driver is chosen, so OK keeps each as it is.
  if (listError != 0) throw PageError(IniReadError(driverDir, SystemReason(listError)).Full());
}

void TncPage::StoreTncPage() {
  if (currentTnc_ != -1) StoreTnc(currentTnc_);
}

void TncPage::ShowPort(const TncEntry& e) {
  baudBeforeSirq_ = -1;
  const bool sirq = e.Port > kLastComPort;
  SelectNumber(com_, sirq ? e.Port % kDrsiPortOffset : e.Port);
  drsi_->setChecked(sirq && e.Port / kDrsiPortOffset == 1);
  drsi_->setEnabled(sirq);
  baud_->setEnabled(!sirq);
  SelectNumber(baud_, e.Baud);
  comLine_->ShowPort(sirq ? 0 : e.Port);
}

void TncPage::ShowTnc(int n, bool storeShown) {
  const HeldFieldMarks::Quiet quiet(*marks_);
  if (storeShown && currentTnc_ != -1) StoreTnc(currentTnc_);
  currentTnc_ = n;
  details_->setEnabled(true);
  const TncEntry& e = config_.TncTable[n];
  if (e.Driver.empty() || !SelectByPrefix(driver_, FromWindows(e.Driver))) driver_->setCurrentIndex(-1);
  ShowPort(e);
  SelectNumber(pacLen_, e.PacLen);
  SelectNumber(channels_, e.Channels);
  ShowBlockNames(n);
  qrg_->ShowQrg(e.Qrg);
  (e.HostMode == 1 ? tnc3s_ : wa8ded_)->setChecked(true);
  autoParam_->setChecked(e.AutoParam);
  useXHost_->setChecked(e.UseXHost);
  fastPoll_->setChecked(e.FastPoll);
  ShowFieldHelp(n);
}

// The tooltips name the key of the TNC shown ("[DEVICE] TNC1"), which holds all its fields; the
// baud rate's follows the port chosen.
void TncPage::ShowFieldHelp(int n) {
  std::optional<std::int32_t> port;
  if (com_->currentIndex() >= 0) port = SelectedNumber(com_, 0);
  const SettingCatalogue catalogue = TncCatalogue(config_, n, port);
  for (const auto& [field, widgets] : FieldWidgets())
    for (QWidget* widget : widgets)
      ShowSettingHelp(widget, catalogue, "TncTable[" + std::to_string(n) + "]." + std::string(field));
}

// With no TNC in the table the settings belong to nothing: cleared and disabled until one is added.
void TncPage::ShowNoTnc() {
  const HeldFieldMarks::Quiet quiet(*marks_);
  currentTnc_ = -1;
  for (QComboBox* box : {driver_, com_, baud_, pacLen_, channels_}) box->setCurrentIndex(-1);
  for (QComboBox* box : {ini_, dei_}) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
  }
  editIni_->setEnabled(false);
  editDei_->setEnabled(false);
  qrg_->ShowQrg(std::nullopt);
  for (QCheckBox* box : {drsi_, autoParam_, useXHost_, fastPoll_}) box->setChecked(false);
  ClearRadioButtons({wa8ded_, tnc3s_});
  details_->setEnabled(false);
  comLine_->ShowPort(0);
  ShowFieldHelp(0);  // the TNC that adding makes
}

void TncPage::StoreTnc(int n) { StoreShownInto(config_.TncTable[n], true); }

void TncPage::StoreShownInto(TncEntry& e, bool inField) const {
  if (com_->currentIndex() >= 0) {  // an unmatched value stays as it was
    const int port = SelectedNumber(com_, e.Port);
    e.Port = static_cast<std::uint16_t>(port + (drsi_->isChecked() && port > kLastComPort ? kDrsiPortOffset : 0));
  }
  e.PacLen = static_cast<std::uint16_t>(SelectedNumber(pacLen_, e.PacLen));
  e.Baud = e.Port > kLastPortWithBaud ? kSirqBaud : SelectedNumber(baud_, e.Baud);
  e.Channels = static_cast<std::uint16_t>(SelectedNumber(channels_, e.Channels));
  e.AutoParam = autoParam_->isChecked();
  e.UseXHost = useXHost_->isChecked();
  e.Qrg = inField ? qrg_->Qrg(e.Qrg) : qrg_->QrgLeavingField(e.Qrg);  // untouched, as the store has it
  e.IniBlock = BlockName(iniEdit_, kDefaultIniBlock);
  e.DeiBlock = BlockName(deiEdit_, kDefaultDeiBlock);
  e.FastPoll = fastPoll_->isChecked();
  e.HostMode = wa8ded_->isChecked() ? 0 : 1;
  if (driver_->currentIndex() >= 0) e.Driver = ToWindows(driver_->currentText());
}

void TncPage::ListBox1Click() {
  const int row = SelectedRow(list_);
  if (row >= 0) ShowTnc(row);
}

void TncPage::TNC_Speed_AddClick() {
  if (config_.TncCount >= kMaxTncs) {
    modals_.ShowInformation(tr("The maximum number of TNCs are already added!"));
    return;
  }
  const HeldFieldMarks::Quiet quiet(*marks_);
  if (currentTnc_ != -1 && currentTnc_ < config_.TncCount) StoreTnc(currentTnc_);
  const int index = config_.TncCount;
  config_.TncTable[index] = NewTncEntry();
  {
    const QSignalBlocker quiet(list_);
    list_->addItem(QString("TNC %1").arg(index));
  }
  SelectLine(index);
  ShowTnc(index, false);
  ++config_.TncCount;
}

// Deletes the TNC shown, also when a Ctrl+click has taken the selection from its line.
void TncPage::TNC_Speed_DeleteClick() {
  if (config_.TncCount <= 0) {
    modals_.ShowInformation(tr("All TNCs are removed!"));
    return;
  }
  if (currentTnc_ < 0 || !modals_.AskYesNo(tr("Delete selected TNC?"))) return;
  const HeldFieldMarks::Quiet quiet(*marks_);
  const int deleted = currentTnc_;
  currentTnc_ = -1;  // its unsaved changes go with it
  for (int i = deleted; i + 1 < config_.TncCount; ++i) config_.TncTable[i] = config_.TncTable[i + 1];
  --config_.TncCount;
  RefillList(config_.TncCount);
  if (config_.TncCount == 0) {
    ShowNoTnc();
    return;
  }
  const int show = deleted < config_.TncCount ? deleted : 0;
  SelectLine(show);
  ShowTnc(show);
}

// A SIRQ port has no baud rate of its own: the disabled baud box shows the one the next
// start reads, and the COM port's baud rate comes back when a COM port is chosen again.
void TncPage::TNC_Combo_ComClick() {
  const bool sirq = SelectedNumber(com_, 0) > kLastComPort;
  if (sirq && baud_->isEnabled()) {
    baudBeforeSirq_ = baud_->currentIndex();
    SelectNumber(baud_, kSirqBaud);
  } else if (!sirq && !baud_->isEnabled() && baudBeforeSirq_ >= 0) {
    baud_->setCurrentIndex(baudBeforeSirq_);
  }
  drsi_->setEnabled(sirq);
  baud_->setEnabled(!sirq);
  comLine_->ShowPort(sirq ? 0 : SelectedNumber(com_, 0));
  ShowFieldHelp(currentTnc_ < 0 ? 0 : currentTnc_);
  marks_->Update();  // the descriptions say the marks again
}

}  // namespace trv
