#include "ui/layout_builders.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace trv {

QCheckBox* Box(const QString& caption, const char* name) { return Named(new QCheckBox(caption), name); }

QGroupBox* LabelledGroup(const char* name, const QString& caption, std::initializer_list<QWidget*> widgets,
                         bool horizontal) {
  QBoxLayout* layout = horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
  for (QWidget* w : widgets) layout->addWidget(w);
  return LabelledGroup(name, caption, layout);
}

QGroupBox* LabelledGroup(const char* name, const QString& caption, QLayout* layout) {
  auto* box = Named(new QGroupBox(caption), name);
  box->setLayout(layout);
  return box;
}

QWidget* Panel(const char* name, QLayout* layout) {
  auto* panel = Named(new QWidget, name);
  panel->setLayout(layout);
  return panel;
}

QToolButton* SmallButton(const char* name, const QString& glyph, const QString& tip) {
  auto* button = Named(new QToolButton, name);
  button->setText(glyph);
  button->setToolTip(tip);
  return button;
}

OkAbortRow MakeOkAbortRow(QDialog* dialog, const char* panelName, const QString& abortText, bool connectButtons) {
  auto* panel = Named(new QWidget(dialog), panelName);
  // The buttons are the dialog's children before setDefault: only then does the dialog record
  // OK as its default button.
  auto* ok = Named(new QPushButton(QCoreApplication::translate("trv", "&OK"), panel), "Btn_OK");
  auto* abort =
      Named(new QPushButton(abortText.isEmpty() ? QCoreApplication::translate("trv", "&Abort") : abortText, panel),
            "Btn_Abort");
  ok->setDefault(true);
  if (connectButtons) {
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(abort, &QPushButton::clicked, dialog, &QDialog::reject);
  }
  auto* row = new QHBoxLayout(panel);
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(abort);
  return {panel, ok, abort};
}

void ShowFocusOnLists(QWidget* window) {
  window->setStyleSheet("QListView:focus, QTreeView:focus { border: 1px solid palette(highlight); }");
}

void SetTabOrder(const std::vector<QWidget*>& order) {
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace trv
