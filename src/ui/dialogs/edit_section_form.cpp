#include "ui/dialogs/edit_section_form.h"

#include <QFontDatabase>
#include <QLabel>
#include <QVBoxLayout>
#include <stdexcept>

#include "config/config.h"
#include "config/ini_errors.h"
#include "support/text.h"
#include "ui/layout_builders.h"
#include "ui/modal_windows.h"
#include "ui/text_convert.h"
#include "ui/widgets/dos_text_edit.h"

namespace trv {

TEditSectionForm::TEditSectionForm(const Config& config, ModalWindows& modals, QWidget* parent)
    : QDialog(parent), config_(config), modals_(modals), title_(new QLabel), memo_(new DosTextEdit) {
  setObjectName("EditSectionForm");
  setWindowTitle(tr("Edit section..."));
  resize(640, 480);

  title_->setObjectName("Panel1");
  title_->setStyleSheet("color: red;");
  QFont titleFont("Times New Roman");
  titleFont.setStyleHint(QFont::Serif);
  titleFont.setPixelSize(27);
  titleFont.setBold(true);
  titleFont.setItalic(true);
  title_->setFont(titleFont);
  title_->setAlignment(Qt::AlignCenter);
  title_->setMinimumHeight(41);

  memo_->setObjectName("Memo1");
  memo_->setAccessibleName(tr("Lines of the section"));
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPixelSize(17);
  memo_->setFont(fixed);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setTabChangesFocus(true);

  auto* middle = new QVBoxLayout;
  middle->setContentsMargins(0, 0, 0, 0);
  middle->addWidget(memo_);
  auto* top = new QVBoxLayout;
  top->setContentsMargins(0, 0, 0, 0);
  top->addWidget(title_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel("Panel1Frame", top));
  layout->addWidget(Panel("Panel3", middle), 1);
  QWidget* bottom = MakeOkAbortRow(this, "Panel2").panel;
  bottom->setMinimumHeight(50);
  layout->addWidget(bottom);
}

bool TEditSectionForm::OpenOnSection(const std::string& section) {
  section_ = section;
  title_->setText(FromWindows(section));
  memo_->clear();
  std::vector<std::string> lines;
  try {
    ReadFreeSection(config_, section, lines);
  } catch (const StoreError& e) {  // an unreadable file: the dialog is not shown
    modals_.ShowError(FromWindows(e.what()), FromWindows(e.Cause()));
    return false;
  }
  QStringList text;
  for (const auto& line : lines) text << FromWindows(line);
  memo_->setPlainText(text.join('\n'));
  shownText_ = memo_->toPlainText();
  return true;
}

// OK writes the section first; a refused write keeps the dialog open with its text, so the
// user can try again or abort.
void TEditSectionForm::done(int result) {
  if (result == QDialog::Accepted && !WriteSection()) return;
  QDialog::done(result);
}

// Esc, Abort and the close button: changed lines are thrown away only when the user says so.
void TEditSectionForm::reject() {
  if (memo_->toPlainText() != shownText_ &&
      !modals_.AskYesNo(tr("Throw away the changes to [%1]?").arg(FromWindows(section_))))
    return;
  QDialog::reject();
}

bool TEditSectionForm::WriteSection() {
  std::vector<std::string> lines;
  for (const QString& line : memo_->toPlainText().split('\n'))
    lines.push_back(CutTo(ToWindows(line), kShortStringMax));  // as long as the next read takes
  if (!FreeSectionFits(lines)) {  // the next opening would show only a part, and its OK delete the rest
    const int most = static_cast<int>(MaxFreeSectionLines());
    modals_.ShowInformation(tr("TARVO.INI can hold at most %n line(s) in one block, and this block has %1. "
                               "Please shorten it.",
                               nullptr, most)
                                .arg(lines.size()));
    return false;
  }
  try {
    WriteFreeSection(config_, section_, lines);
  } catch (const StoreError& e) {
    modals_.ShowError(FromWindows(e.what()), FromWindows(e.Cause()));
    return false;
  }
  return true;
}

}  // namespace trv
