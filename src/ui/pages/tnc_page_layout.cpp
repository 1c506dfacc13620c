// The controls of the TNC page and how they are laid out: the list with its two buttons on
// the left; on the right the driver across the top and two columns of equal width below,
// whose rows line up.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <vector>

#include "config/sections/device_section.h"
#include "config/sections/free_section.h"
#include "config/store/config.h"
#include "ui/layout_builders.h"
#include "ui/pages/com_port_line.h"
#include "ui/pages/tnc_page.h"
#include "ui/widgets/limited_line_edit.h"
#include "ui/widgets/qrg_edit.h"
#include "ui/widgets/quiet_combo_box.h"

namespace trv {
namespace {

constexpr int kNumberBoxChars = 13;  // "50 channel(s)", "115200 Baud"
constexpr int kBlockNameChars = static_cast<int>(kBlockNameWidth);
constexpr QMargins kGroupMargins(9, 5, 9, 5);  // snug: the page has six rows of groups

QuietComboBox* SizedCombo(const char* name, int chars) {
  auto* box = Named(new QuietComboBox, name);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(chars);
  return box;
}

QuietComboBox* BlockBox(const char* name, LimitedLineEdit*& edit) {
  auto* box = SizedCombo(name, kBlockNameChars);
  box->setEditable(true);
  edit = new LimitedLineEdit(kBlockNameChars, false);
  edit->SetForbidden(QString::fromLatin1(kBlockNameForbiddenCharacters.data(),
                                         static_cast<qsizetype>(kBlockNameForbiddenCharacters.size())));
  box->setLineEdit(edit);
  box->setCompleter(nullptr);
  box->setInsertPolicy(QComboBox::NoInsert);
  return box;
}

// A host mode's name, the same in every language, with its shortcut at character `key`.
QString HostModeLabel(int mode, qsizetype key) { return QString::fromStdString(HostModeName(mode)).insert(key, '&'); }

// A group box holding the widgets in a row, packed to the left.
QGroupBox* RowGroup(const char* name, const QString& caption, std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(kGroupMargins);
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch();
  return LabelledGroup(name, caption, row);
}

}  // namespace

// The COM port box with the DRSI flag, and below them the line that says which device it is.
QGroupBox* TncPage::ComPortGroup() {
  comLine_ = new ComPortLine(modals_, WinePrefixOfProgram(config_.Files));
  auto* row = new QHBoxLayout;
  row->addWidget(com_);
  row->addWidget(drsi_);
  row->addStretch();
  auto* column = new QVBoxLayout;
  column->setContentsMargins(kGroupMargins);
  column->addLayout(row);
  column->addWidget(comLine_);
  return LabelledGroup("GroupBox24", tr("COM &port"), column);
}

QWidget* TncPage::BuildDetails() {
  driver_ = SizedCombo("TNC_Combo_Driver", kNumberBoxChars);
  com_ = SizedCombo("TNC_Combo_Com", kNumberBoxChars);
  drsi_ = Named(new QCheckBox(tr("D&RSI")), "TNC_CB_DRSI");
  drsi_->setEnabled(false);
  baud_ = SizedCombo("TNC_Combo_Baud", kNumberBoxChars);
  pacLen_ = SizedCombo("TNC_Combo_PacLen", kNumberBoxChars);
  channels_ = SizedCombo("TNC_Combo_Channels", kNumberBoxChars);
  ini_ = BlockBox("TNC_COMBO_INI", iniEdit_);
  editIni_ = SmallButton("TNC_SPEED_EDITINI", "...", tr("Edit the initialisation block"));
  qrg_ = Named(new QrgEdit, "TNC_Edit_QRG");
  qrg_->setFixedWidth(com_->sizeHint().width());  // a value field as wide as the value boxes
  wa8ded_ = Named(new QRadioButton(HostModeLabel(0, 0)), "TNC_Rb_Wa8ded");
  wa8ded_->setChecked(true);
  tnc3s_ = Named(new QRadioButton(HostModeLabel(1, 3)), "TNC_Rb_Tnc3s");
  autoParam_ = Named(new QCheckBox(tr("A&utoParam")), "TNC_CB_AutoParam");
  useXHost_ = Named(new QCheckBox(tr("UseXHo&st")), "TNC_CB_UseXHost");
  fastPoll_ = Named(new QCheckBox(tr("&FastPoll")), "TNC_CB_FastPoll");
  dei_ = BlockBox("TNC_COMBO_DEI", deiEdit_);
  editDei_ = SmallButton("TNC_SPEED_EDITDEI", "...", tr("Edit the deinitialisation block"));

  auto* flags = new QVBoxLayout;
  flags->setContentsMargins(kGroupMargins);
  for (QWidget* box : {autoParam_, useXHost_, fastPoll_}) flags->addWidget(box);
  flags->addStretch();

  auto* grid = new QGridLayout;
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(RowGroup("GroupBox23", tr("&Driver"), {driver_}), 0, 0, 1, 2);
  grid->addWidget(ComPortGroup(), 1, 0);
  grid->addWidget(RowGroup("GroupBox26", tr("&Baud rate"), {baud_}), 2, 0);
  grid->addWidget(RowGroup("GroupBox25", tr("Packet &length"), {pacLen_}), 3, 0);
  grid->addWidget(RowGroup("GroupBox27", tr("&Channels"), {channels_}), 4, 0);
  grid->addWidget(RowGroup("GroupBox3", tr("TNC &Initialisation"), {ini_, editIni_}), 5, 0);
  grid->addWidget(RowGroup("GroupBox30", tr("&QRG"), {qrg_}), 1, 1);
  grid->addWidget(RowGroup("GroupBox28", tr("&Hostmode type"), {wa8ded_, tnc3s_}), 2, 1);
  grid->addWidget(LabelledGroup("GroupBox29", tr("Fla&gs"), flags), 3, 1, 2, 1);
  grid->addWidget(RowGroup("GroupBox31", tr("TNC D&einitialisation"), {dei_, editDei_}), 5, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(6, 1);
  return Panel("TNC_Panel_Details", grid);
}

void TncPage::BuildControls() {
  list_ = Named(new QListWidget, "ListBox1");
  list_->setAccessibleName(tr("TNCs"));
  add_ = SmallButton("TNC_Speed_Add", "+", tr("Add a TNC"));
  delete_ = SmallButton("TNC_Speed_Delete", "-", tr("Delete the selected TNC"));
  details_ = BuildDetails();

  auto* buttons = new QHBoxLayout;
  for (QToolButton* button : {add_, delete_}) {
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    buttons->addWidget(button);
  }
  auto* left = new QVBoxLayout;
  left->addWidget(list_, 1);
  left->addLayout(buttons);
  list_->setFixedWidth(list_->fontMetrics().horizontalAdvance("TNC 00") * 2);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addWidget(details_, 1);

  const std::vector<QWidget*> tabOrder = {
      list_,  add_,       delete_,   driver_,   com_,     drsi_,   comLine_->MapButton(),
      baud_,  pacLen_,    channels_, ini_,      editIni_, qrg_,    wa8ded_,
      tnc3s_, autoParam_, useXHost_, fastPoll_, dei_,     editDei_};
  SetTabOrder(tabOrder);
}

}  // namespace trv
