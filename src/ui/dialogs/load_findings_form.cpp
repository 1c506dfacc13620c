#include "ui/dialogs/load_findings_form.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "config/store/findings.h"
#include "ui/layout_builders.h"
#include "ui/text_convert.h"

namespace trv {
namespace {

constexpr QSize kDesignSize(560, 260);

}  // namespace

TLoadFindingsForm::TLoadFindingsForm(const Findings& findings, QWidget* parent)
    : QDialog(parent), findings_(SortedByLine(findings)), list_(BuildList()) {
  setObjectName("LoadFindingsForm");
  setWindowTitle(tr("Values replaced while loading TARVO.INI"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addWidget(BuildButtonRow());
  setMinimumSize(kDesignSize);
}

QTreeWidget* TLoadFindingsForm::BuildList() {
  auto* list = Named(new QTreeWidget, "Findings_List");
  list->setHeaderLabels({tr("Line"), tr("Section"), tr("Key"), tr("What happened")});
  list->setAccessibleName(tr("Replaced values"));
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  for (const Finding& f : findings_) {
    // Line 0: a key or section that is not in the file yet.
    const QString line = f.line == 0 ? QString("-") : QString::number(f.line);
    auto* item = new QTreeWidgetItem({line, FromWindows(f.section), FromWindows(f.key), FromWindows(f.message)});
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    list->addTopLevelItem(item);
  }
  for (int column = 0; column < 3; ++column) list->resizeColumnToContents(column);
  return list;
}

QWidget* TLoadFindingsForm::BuildButtonRow() {
  auto* copy = Named(new QPushButton(tr("&Copy")), "Findings_Btn_Copy");
  auto* close = Named(new QPushButton(tr("C&lose")), "Findings_Btn_Close");
  close->setDefault(true);
  connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(CopyText()); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(copy);
  row->addStretch();
  row->addWidget(close);
  return Panel("Findings_Panel_Buttons", row);
}

QString TLoadFindingsForm::CopyText() const {
  QString text;
  for (const Finding& f : findings_) text += FromWindows(FindingLine("TARVO.INI", f)) + '\n';
  return text;
}

}  // namespace trv
