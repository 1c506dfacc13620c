#include "ui/pages/tnc_page.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

#include "config/config.h"
#include "config/ini_numbers.h"
#include "config/sections.h"
#include "support/codepage.h"
#include "ui/controls.h"
#include "ui/dialogs/edit_section_form.h"
#include "ui/modal_windows.h"
#include "ui/text_convert.h"
#include "ui/widgets/limited_line_edit.h"
#include "ui/widgets/quiet_combo_box.h"

namespace trv {
namespace {

constexpr int kMaxTncsOnPage = 9;
constexpr int kMaxChannels = 27;  // what the DEVICE reader accepts
constexpr int kFirstSirqEntry = 9;

QString ComText(int port) { return QString("COM %1").arg(port); }
QString SirqText(int port) { return QString("SIRQ %1").arg(port & 0xFF, 2, 16, QChar('0')).toUpper(); }

}  // namespace

TncPage::TncPage(PageContext context, TEditSectionForm& editSection, QWidget* parent)
    : SettingsPage(context, parent), editSection_(editSection) {
  BuildControls();
  ConnectHandlers();
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

void TncPage::FillNumberBoxes() {
  com_->clear();
  for (int port = 1; port <= 9; ++port) AddNumbered(com_, ComText(port), port);
  for (int sirq = 48; sirq <= 255; ++sirq) AddNumbered(com_, SirqText(sirq), sirq);
  com_->setCurrentIndex(0);
  baud_->clear();
  for (int baud = 1200; baud <= 38400; baud *= 2) AddNumbered(baud_, QString("%1 Baud").arg(baud), baud);
  for (int baud : {57600, 115200}) AddNumbered(baud_, QString("%1 Baud").arg(baud), baud);
  baud_->setCurrentIndex(5);
  pacLen_->clear();
  for (int length = 40; length <= 245; length += 5) AddNumbered(pacLen_, QString("%1 chars").arg(length), length);
  AddNumbered(pacLen_, "248 chars", 248);
  pacLen_->setCurrentIndex(pacLen_->count() - 1);
  channels_->clear();
  for (int n = 0; n <= kMaxChannels; ++n) AddNumbered(channels_, QString("%1 channel(s)").arg(n), n);
  channels_->setCurrentIndex(8);
}

void TncPage::FillBlockLists() {
  std::vector<std::string> sections;
  ListUserSections(config_, &sections);
  std::stable_sort(sections.begin(), sections.end(), LessNoCase1252);
  for (QComboBox* box : {ini_, dei_}) {
    const QSignalBlocker quiet(box);
    box->clear();
    for (const auto& name : sections) box->addItem(FromWindows(name));
    box->setCurrentIndex(-1);
  }
}

void TncPage::RefillList(int count) {
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (int i = 0; i < count; ++i) list_->addItem(QString("TNC %1").arg(i));
}

void TncPage::FillTncPage() {
  currentTnc_ = -1;
  FillComboFromMask(driver_, config_.Files, config_.Dirs.GetTncDriverDir(), "*.TNC");
  RefillList(config_.TncCount);
  if (list_->count() > 0) {
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(0);
  }
  FillNumberBoxes();
  FillBlockLists();
  ShowTnc(0);
}

void TncPage::StoreTncPage() {
  if (currentTnc_ != -1) StoreTnc(currentTnc_);
}

void TncPage::ShowBlockNames(int n) {
  const TncEntry& e = config_.TncTable[n];
  for (auto [box, name] : {std::pair{ini_, &e.IniBlock}, std::pair{dei_, &e.DeiBlock}}) {
    const QSignalBlocker quiet(box);
    const QString text = FromWindows(*name);
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setEditText(text);
  }
}

void TncPage::ShowTnc(int n, bool storeShown) {
  if (storeShown && currentTnc_ != -1) StoreTnc(currentTnc_);
  currentTnc_ = n;
  const TncEntry& e = config_.TncTable[n];
  if (e.Driver.empty() || !SelectByPrefix(driver_, FromWindows(e.Driver))) driver_->setCurrentIndex(-1);
  if (e.Port <= 9) {
    SelectByPrefix(com_, ComText(e.Port));
    drsi_->setEnabled(false);
  } else {
    SelectByPrefix(com_, SirqText(e.Port));
    drsi_->setChecked((e.Port >> 8) == 1);
    drsi_->setEnabled(true);
  }
  baud_->setEnabled(!drsi_->isEnabled());
  SelectByPrefix(baud_, QString("%1 Baud").arg(e.Baud));
  SelectByPrefix(pacLen_, QString("%1 chars").arg(e.PacLen));
  SelectByPrefix(channels_, QString("%1 channel(s)").arg(e.Channels));
  ShowBlockNames(n);
  qrg_->SetProgramText(QString::fromStdString(FormatFixed3(e.Qrg)));
  (e.HostMode == 1 ? tnc3s_ : wa8ded_)->setChecked(true);
  autoParam_->setChecked(e.AutoParam);
  useXHost_->setChecked(e.UseXHost);
  fastPoll_->setChecked(e.FastPoll);
}

std::string TncPage::BlockName(const LimitedLineEdit* edit, const char* def) const {
  const QString name = edit->text().trimmed();
  return name.isEmpty() ? def : ToWindows(name);
}

void TncPage::StoreTnc(int n) {
  TncEntry& e = config_.TncTable[n];
  if (com_->currentIndex() >= 0) {  // an unmatched value stays as it was
    const int port = SelectedNumber(com_, e.Port);
    e.Port = static_cast<std::uint16_t>(port + (drsi_->isChecked() && port > 9 ? 256 : 0));
  }
  e.PacLen = static_cast<std::uint16_t>(SelectedNumber(pacLen_, e.PacLen));
  e.Baud = SelectedNumber(baud_, e.Baud);
  e.Channels = static_cast<std::uint16_t>(SelectedNumber(channels_, e.Channels));
  e.AutoParam = autoParam_->isChecked();
  e.UseXHost = useXHost_->isChecked();
  e.Qrg = ParseDecimal(ToWindows(qrg_->text())).value_or(123.456);
  e.IniBlock = BlockName(iniEdit_, "DEFINI");
  e.DeiBlock = BlockName(deiEdit_, "DEFDEI");
  e.FastPoll = fastPoll_->isChecked();
  e.HostMode = wa8ded_->isChecked() ? 0 : 1;
  if (driver_->currentIndex() >= 0) e.Driver = ToWindows(driver_->currentText());
}

void TncPage::ListBox1Click() {
  const int row = SelectedRow(list_);
  if (row >= 0) ShowTnc(row);
}

void TncPage::TNC_Speed_AddClick() {
  if (config_.TncCount >= kMaxTncsOnPage) {
    modals_.ShowInformation("The maximum number of TNCs are already added!");
    return;
  }
  if (currentTnc_ != -1 && currentTnc_ < config_.TncCount) StoreTnc(currentTnc_);
  const int index = config_.TncCount;
  config_.TncTable[index] = NewTncEntry();
  {
    const QSignalBlocker quiet(list_);
    list_->addItem(QString("TNC %1").arg(index));
    list_->setCurrentRow(index);
  }
  ShowTnc(index, false);
  ++config_.TncCount;
}

void TncPage::TNC_Speed_DeleteClick() {
  if (config_.TncCount <= 0) {
    modals_.ShowInformation("All TNCs are removed!");
    return;
  }
  if (!modals_.AskYesNo("Delete selected TNC?")) return;
  currentTnc_ = -1;
  const int selected = std::max(SelectedRow(list_), 0);
  for (int i = selected; i + 1 < config_.TncCount; ++i) config_.TncTable[i] = config_.TncTable[i + 1];
  --config_.TncCount;
  RefillList(config_.TncCount);
  const int show = selected < list_->count() ? selected : 0;
  if (list_->count() > 0) {
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(show);
  }
  ShowTnc(show);
}

void TncPage::TNC_Combo_ComClick() {
  drsi_->setEnabled(com_->currentIndex() >= kFirstSirqEntry);
  baud_->setEnabled(!drsi_->isEnabled());
}

void TncPage::EditBlock(bool ini) {
  TncEntry& e = config_.TncTable[std::max(currentTnc_, 0)];
  std::string& block = ini ? e.IniBlock : e.DeiBlock;
  block = BlockName(ini ? iniEdit_ : deiEdit_, ini ? "DEFINI" : "DEFDEI");
  editSection_.OpenOnSection(block);
  if (modals_.RunDialog(editSection_) != QDialog::Accepted) return;
  FillBlockLists();
  ShowBlockNames(std::max(currentTnc_, 0));
}

}  // namespace trv
