#include "ui/dialogs/closed_time_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/layout_builders.h"
#include "ui/widgets/quiet_combo_box.h"

namespace trv {
namespace {

constexpr QSize kDesignSize(312, 119);
constexpr QSize kButtonSize(100, 30);
constexpr int kButtonStripHeight = 46;

QLabel* Caption(const char* name, const QString& text) { return Named(new QLabel(text), name); }

}  // namespace

void FillNumberCombo(QComboBox* box, int low, int high) {
  box->setUpdatesEnabled(false);
  box->clear();
  for (int n = low; n <= high; ++n) AddNumbered(box, QString("%1").arg(n, 2, 10, QChar('0')), n);
  box->setCurrentIndex(0);
  box->setUpdatesEnabled(true);
}

TClosedTimeForm::TClosedTimeForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      fromHour_(Named(new QuietComboBox, "CT_CB_FromHour")),
      fromMin_(Named(new QuietComboBox, "CT_CB_FromMin")),
      toHour_(Named(new QuietComboBox, "CT_CB_ToHour")),
      toMin_(Named(new QuietComboBox, "CT_CB_ToMin")) {
  setObjectName("ClosedTimeForm");
  setWindowTitle(tr("ClosedTime"));
  FillNumberCombo(fromHour_, 0, 23);
  FillNumberCombo(fromMin_, 0, 59);
  FillNumberCombo(toHour_, 0, 23);
  FillNumberCombo(toMin_, 0, 59);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(BuildTimeRows(), 1);
  layout->addWidget(BuildButtonStrip());
  setMinimumSize(kDesignSize);
  SetTabOrder({fromHour_, fromMin_, toHour_, toMin_});
  fromHour_->setAccessibleName(tr("From: hour"));
  fromMin_->setAccessibleName(tr("From: minutes"));
  toHour_->setAccessibleName(tr("To: hour"));
  toMin_->setAccessibleName(tr("To: minutes"));
}

QWidget* TClosedTimeForm::BuildTimeRows() {
  auto* grid = new QGridLayout;
  QLabel* from = Caption("Label1", tr("&From:"));
  from->setBuddy(fromHour_);
  grid->addWidget(from, 0, 0);
  grid->addWidget(fromHour_, 0, 1);
  grid->addWidget(Caption("Label3", tr("h")), 0, 2);
  grid->addWidget(fromMin_, 0, 3);
  grid->addWidget(Caption("Label4", tr("min")), 0, 4);
  QLabel* to = Caption("Label2", tr("&To:"));
  to->setBuddy(toHour_);
  grid->addWidget(to, 1, 0);
  grid->addWidget(toHour_, 1, 1);
  grid->addWidget(Caption("Label5", tr("h")), 1, 2);
  grid->addWidget(toMin_, 1, 3);
  grid->addWidget(Caption("Label6", tr("min")), 1, 4);
  // Centred in the panel.
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addLayout(grid);
  row->addStretch();
  auto* column = new QVBoxLayout;
  column->addStretch();
  column->addLayout(row);
  column->addStretch();
  return Panel("Panel2", column);
}

// OK at the left of the strip, Cancel at the right.
QWidget* TClosedTimeForm::BuildButtonStrip() {
  const OkAbortRow row = MakeOkAbortRow(this, "Panel1", tr("&Cancel"));
  row.ok->setObjectName("BitBtn1");
  row.abort->setObjectName("BitBtn2");
  for (QPushButton* button : {row.ok, row.abort}) button->setFixedSize(kButtonSize);
  auto* strip = static_cast<QHBoxLayout*>(row.panel->layout());
  delete strip->takeAt(0);  // the stretch in front of the buttons
  strip->insertStretch(1);
  row.panel->setMinimumHeight(kButtonStripHeight);
  return row.panel;
}

int TClosedTimeForm::GetFromHour() const { return SelectedNumber(fromHour_, 0); }
int TClosedTimeForm::GetFromMin() const { return SelectedNumber(fromMin_, 0); }
int TClosedTimeForm::GetToHour() const { return SelectedNumber(toHour_, 0); }
int TClosedTimeForm::GetToMin() const { return SelectedNumber(toMin_, 0); }

}  // namespace trv
