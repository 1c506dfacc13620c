#include "ui/modal_windows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include "ui/form2.h"

namespace trv {

QString ErrorBoxText(const QString& text) {
  if (!text.isEmpty() && text.back() > QChar('.')) return text + '.';
  return text;
}

QtModalWindows::QtModalWindows(QWidget* parent) : parent_(parent) {}

QtModalWindows::~QtModalWindows() = default;

void QtModalWindows::ShowError(const QString& text, const QString& detail) {
  QMessageBox box(QMessageBox::Critical, Translated(kApplicationTitle), ErrorBoxText(text), QMessageBox::Ok, parent_);
  box.setInformativeText(detail);  // always shown, unlike the detailed text behind a button
  box.exec();
}

void QtModalWindows::ShowInformation(const QString& text) {
  QMessageBox::information(parent_, Translated(kApplicationTitle), text);
}

bool QtModalWindows::AskYesNo(const QString& text, DefaultAnswer byDefault) {
  return QMessageBox::question(parent_, Translated(kApplicationTitle), text, QMessageBox::Yes | QMessageBox::No,
                               byDefault == DefaultAnswer::No ? QMessageBox::No : QMessageBox::NoButton) ==
         QMessageBox::Yes;
}

int QtModalWindows::AskChoice(const QString& text, const QStringList& answers) {
  QMessageBox box(QMessageBox::Question, Translated(kApplicationTitle), text, QMessageBox::NoButton, parent_);
  QList<QAbstractButton*> buttons;
  for (const QString& answer : answers) buttons << box.addButton(answer, QMessageBox::ActionRole);
  if (!buttons.isEmpty()) {  // Enter and Esc both take the last, most careful answer
    box.setDefaultButton(static_cast<QPushButton*>(buttons.back()));
    box.setEscapeButton(buttons.back());
  }
  box.exec();
  return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

int QtModalWindows::RunDialog(QDialog& dialog) { return dialog.exec(); }

QString QtModalWindows::AskOpenFileName(const QString& caption, const QString& directory, const QString& filter) {
  QFileDialog dialog(parent_, caption, directory, filter);
  // A typed name is returned as typed (the caller adds the extension and matches the name
  // without regard to case); a link is returned as itself, so the name stays in the folder
  // the user looked at.
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontResolveSymlinks);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

QString QtModalWindows::AskDirectory(const QString& caption, const QString& directory) {
  return QFileDialog::getExistingDirectory(parent_, caption, directory);
}

// A busy bar with Cancel; the events are handled here, since the caller waits in a loop.
bool QtModalWindows::ShowWaiting(const QString& text) {
  if (!waiting_) {
    waiting_ = std::make_unique<QProgressDialog>(text, Translated(QT_TRANSLATE_NOOP("trv", "&Cancel")), 0, 0, parent_);
    waiting_->setObjectName("Waiting");
    waiting_->setWindowTitle(Translated(kApplicationTitle));
    waiting_->setWindowModality(Qt::ApplicationModal);
    waiting_->setMinimumDuration(0);
    waiting_->show();
  }
  waiting_->setLabelText(text);
  QCoreApplication::processEvents();
  return !waiting_->wasCanceled();
}

void QtModalWindows::EndWaiting() { waiting_.reset(); }

}  // namespace trv
