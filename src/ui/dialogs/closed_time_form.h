#pragma once
// The closed-time dialog: one daily window of the mailbox, start and end as hour and minute.
// Created once; each showing starts with the selections of the one before.
#include <QDialog>

class QComboBox;

namespace trv {

class TClosedTimeForm : public QDialog {
  Q_OBJECT

 public:
  explicit TClosedTimeForm(QWidget* parent = nullptr);

  // The number of the selected item; 0 when the list has none.
  int GetFromHour() const;
  int GetFromMin() const;
  int GetToHour() const;
  int GetToMin() const;

 private:
  QWidget* BuildTimeRows();
  QWidget* BuildButtonStrip();

  QComboBox* fromHour_;
  QComboBox* fromMin_;
  QComboBox* toHour_;
  QComboBox* toMin_;
};

// Items low to high, each its number in two digits and carrying the number; the first selected.
void FillNumberCombo(QComboBox* box, int low, int high);

}  // namespace trv
