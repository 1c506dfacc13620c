#pragma once
// The edit-section dialog: one free-form section of TARVO.INI as lines of text. OK writes
// the lines back as that section; Abort, Esc and the close button write nothing, and ask first
// when the text was changed.
#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "config/sections/free_section.h"

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
  // Writes the editor's lines as the section; false when the write was refused (and shown),
  // or the user did not want what it drops or goes back to the editor.
  bool WriteSection();
  // Another program changed the block since it was opened: whether to write over it (after
  // Reload the editor shows the block as it is now).
  bool WriteOverOtherChange(const std::vector<std::string>& lines);
  void ShowGaps();

  const Config& config_;
  ModalWindows& modals_;
  std::string section_;
  QString shownText_;   // the text as the section was opened
  BlockGaps gaps_;      // what the editor does not show of the block
  std::string inFile_;  // the block as it read when it was opened
  QLabel* title_;
  QLabel* gapsLine_;
  DosTextEdit* memo_;
};

}  // namespace trv
