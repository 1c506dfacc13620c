#pragma once
#include <QPlainTextEdit>
#include <QString>

namespace trv {

// A plain-text editor that takes only characters of the DOS character set that the file can
// hold, since its lines go to the TNC.
class DosTextEdit : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  static QString Filtered(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace trv
