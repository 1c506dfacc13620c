#pragma once
// The edit-section dialog: one free-form section of TARVO.INI as lines of text. OK writes
// the lines back as that section; Abort and the close button write nothing.
#include <QDialog>
#include <QPlainTextEdit>
#include <string>

class QLabel;

namespace trv {

class Config;
class MessageBoxes;

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

class TEditSectionForm : public QDialog {
 public:
  TEditSectionForm(const Config& config, MessageBoxes& boxes, QWidget* parent = nullptr);

  // Shows the section's lines; a section that does not exist gives an empty editor.
  void OpenOnSection(const std::string& section);
  const std::string& SectionName() const { return section_; }
  void done(int result) override;

 private:
  const Config& config_;
  MessageBoxes& boxes_;
  std::string section_;
  QLabel* title_;
  DosTextEdit* memo_;
};

}  // namespace trv
