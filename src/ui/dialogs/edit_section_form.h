#pragma once
// The edit-section dialog: one free-form section of TARVO.INI as lines of text. OK writes
// the lines back as that section; Abort, Esc and the close button write nothing, and ask first
// when the text was changed.
#include <QDialog>
#include <QString>
#include <string>

class QLabel;

namespace trv {

class Config;
class DosTextEdit;
class ModalWindows;

class TEditSectionForm : public QDialog {
  Q_OBJECT

 public:
  TEditSectionForm(const Config& config, ModalWindows& modals, QWidget* parent = nullptr);

  // Shows the section's lines; a section that does not exist gives an empty editor. False
  // (after the error box) when the file cannot be read.
  bool OpenOnSection(const std::string& section);
  const std::string& SectionName() const { return section_; }
  void done(int result) override;
  void reject() override;

 private:
  // Writes the editor's lines as the section; false when the write was refused (and shown).
  bool WriteSection();

  const Config& config_;
  ModalWindows& modals_;
  std::string section_;
  QString shownText_;  // the text as the section was opened
  QLabel* title_;
  DosTextEdit* memo_;
};

}  // namespace trv
