// The controls of the TNC page and how they are laid out.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <vector>

#include "ui/layout_builders.h"
#include "ui/pages/tnc_page.h"
#include "ui/widgets/limited_line_edit.h"
#include "ui/widgets/quiet_combo_box.h"

namespace trv {
namespace {

QuietComboBox* BlockBox(const char* name, LimitedLineEdit*& edit) {
  auto* box = Named(new QuietComboBox, name);
  box->setEditable(true);
  edit = new LimitedLineEdit(20, false);
  edit->SetForbidden(",[]");  // the DEVICE line separates its fields with commas
  box->setLineEdit(edit);
  box->setCompleter(nullptr);
  box->setInsertPolicy(QComboBox::NoInsert);
  return box;
}

}  // namespace

QWidget* TncPage::BuildLeftColumn() {
  com_ = Named(new QuietComboBox, "TNC_Combo_Com");
  drsi_ = Named(new QCheckBox("DRSI"), "TNC_CB_DRSI");
  drsi_->setEnabled(false);
  baud_ = Named(new QuietComboBox, "TNC_Combo_Baud");
  pacLen_ = Named(new QuietComboBox, "TNC_Combo_PacLen");
  channels_ = Named(new QuietComboBox, "TNC_Combo_Channels");
  ini_ = BlockBox("TNC_COMBO_INI", iniEdit_);
  editIni_ = SmallButton("TNC_SPEED_EDITINI", "...", "Edit the initialisation block");

  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(LabelledGroup("GroupBox24", "COM port", {com_, drsi_}, true));
  layout->addWidget(LabelledGroup("GroupBox26", "Baud rate", {baud_}));
  layout->addWidget(LabelledGroup("GroupBox25", "Packet length", {pacLen_}));
  layout->addWidget(LabelledGroup("GroupBox27", "Channels", {channels_}));
  layout->addWidget(LabelledGroup("GroupBox3", "TNC Initialisation", {ini_, editIni_}, true));
  layout->addStretch();
  return column;
}

QWidget* TncPage::BuildRightColumn() {
  qrg_ = Named(new LimitedLineEdit(10, false), "TNC_Edit_QRG");
  wa8ded_ = Named(new QRadioButton("WA8DED"), "TNC_Rb_Wa8ded");
  wa8ded_->setChecked(true);
  tnc3s_ = Named(new QRadioButton("TNC3S"), "TNC_Rb_Tnc3s");
  autoParam_ = Named(new QCheckBox("AutoParam"), "TNC_CB_AutoParam");
  useXHost_ = Named(new QCheckBox("UseXHost"), "TNC_CB_UseXHost");
  fastPoll_ = Named(new QCheckBox("FastPoll"), "TNC_CB_FastPoll");
  dei_ = BlockBox("TNC_COMBO_DEI", deiEdit_);
  editDei_ = SmallButton("TNC_SPEED_EDITDEI", "...", "Edit the deinitialisation block");

  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(LabelledGroup("GroupBox30", "QRG", {qrg_}));
  layout->addWidget(LabelledGroup("GroupBox28", "Hostmode type", {wa8ded_, tnc3s_}, true));
  layout->addWidget(LabelledGroup("GroupBox29", "Flags", {autoParam_, useXHost_, fastPoll_}));
  layout->addWidget(LabelledGroup("GroupBox31", "TNC Deinitialisation", {dei_, editDei_}, true));
  layout->addStretch();
  return column;
}

void TncPage::BuildControls() {
  list_ = Named(new QListWidget, "ListBox1");
  list_->setMaximumWidth(110);
  add_ = SmallButton("TNC_Speed_Add", "+", "Add a TNC");
  delete_ = SmallButton("TNC_Speed_Delete", "-", "Delete the selected TNC");
  driver_ = Named(new QuietComboBox, "TNC_Combo_Driver");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add_);
  buttons->addStretch();
  buttons->addWidget(delete_);
  auto* left = new QVBoxLayout;
  left->addWidget(list_, 1);
  left->addLayout(buttons);

  auto* right = new QGridLayout;
  right->addWidget(LabelledGroup("GroupBox23", "Driver", {driver_}), 0, 0, 1, 2);
  right->addWidget(BuildLeftColumn(), 1, 0);
  right->addWidget(BuildRightColumn(), 1, 1);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right, 1);

  const std::vector<QWidget*> tabOrder = {list_,      add_,      delete_,   driver_,  com_,    drsi_,   baud_,
                                          pacLen_,    channels_, ini_,      editIni_, qrg_,    wa8ded_, tnc3s_,
                                          autoParam_, useXHost_, fastPoll_, dei_,     editDei_};
  SetTabOrder(tabOrder);
}

}  // namespace trv
