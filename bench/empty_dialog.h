#pragma once
// The floor of trvcfg's first window: an empty dialog with eleven tabs, OK and Abort.
#include <QDialog>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

inline void LayOutEmptyDialog(QDialog& dialog) {
  auto* layout = new QVBoxLayout(&dialog);
  auto* tabs = new QTabWidget;
  for (int i = 0; i < 11; ++i) tabs->addTab(new QWidget, QString("Page %1").arg(i + 1));
  layout->addWidget(tabs);
  layout->addWidget(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Abort));
  dialog.resize(620, 440);
}
