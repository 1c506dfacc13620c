#pragma once
// The details of the load notice: every value that loading could not use, with its line,
// section, key and what happened, and a Copy button that puts the list on the clipboard in
// the lines tarvoini check prints.
#include <QDialog>

#include "config/ini/ini_file.h"

class QTreeWidget;

namespace trv {

class TLoadFindingsForm : public QDialog {
  Q_OBJECT

 public:
  TLoadFindingsForm(const Findings& findings, QWidget* parent = nullptr);

  // The list as the Copy button puts it on the clipboard.
  QString CopyText() const;

 private:
  QTreeWidget* BuildList();
  QWidget* BuildButtonRow();

  Findings findings_;
  QTreeWidget* list_;
};

}  // namespace trv
