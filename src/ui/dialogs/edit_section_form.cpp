#include "ui/dialogs/edit_section_form.h"

#include <QFontDatabase>
#include <QLabel>
#include <QVBoxLayout>
#include <stdexcept>

#include "config/ini/ini_errors.h"
#include "config/store/config.h"
#include "support/text.h"
#include "ui/file_change_check.h"
#include "ui/layout_builders.h"
#include "ui/modal_windows.h"
#include "ui/text_convert.h"
#include "ui/widgets/dos_text_edit.h"

namespace trv {

TEditSectionForm::TEditSectionForm(const Config& config, ModalWindows& modals, QWidget* parent)
    : QDialog(parent),
      config_(config),
      modals_(modals),
      title_(new QLabel),
      gapsLine_(new QLabel),
      memo_(new DosTextEdit) {
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

  gapsLine_->setObjectName("Lbl_BlockGaps");
  gapsLine_->setWordWrap(true);
  gapsLine_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  gapsLine_->hide();

  auto* middle = new QVBoxLayout;
  middle->setContentsMargins(0, 0, 0, 0);
  middle->addWidget(gapsLine_);
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
  BlockView view;
  try {
    view = ReadBlockView(config_, section);
  } catch (const StoreError& e) {  // an unreadable file: the dialog is not shown
    modals_.ShowError(FromWindows(e.what()), FromWindows(e.Cause()));
    return false;
  }
  QStringList text;
  for (const auto& line : view.lines) text << FromWindows(line);
  memo_->setPlainText(text.join('\n'));
  shownText_ = memo_->toPlainText();
  gaps_ = view.gaps;
  inFile_ = std::move(view.inFile);
  ShowGaps();
  return true;
}

namespace {

// What the editor leaves out of the block, in words: "lines longer than 255 characters: 2; ...".
QString GapsText(const BlockGaps& gaps) {
  QStringList parts;
  const auto add = [&parts](std::size_t count, const QString& what) {
    if (count > 0) parts << what + ": " + QString::number(count);
  };
  add(gaps.unlisted, TEditSectionForm::tr("lines past what TARVO.INI lists of a block"));
  add(gaps.cut, TEditSectionForm::tr("lines longer than %1 characters").arg(kShortStringMax));
  add(gaps.named, TEditSectionForm::tr("keys that are not line numbers"));
  add(gaps.empty, TEditSectionForm::tr("empty lines"));
  return parts.join("; ");
}

}  // namespace

void TEditSectionForm::ShowGaps() {
  gapsLine_->setVisible(!gaps_.Whole());
  if (gaps_.Whole()) return;
  gapsLine_->setText(tr("Not shown whole: %1. Saving changed lines drops them; OK without a change writes nothing.")
                         .arg(GapsText(gaps_)));
  gapsLine_->setAccessibleName(gapsLine_->text());
  memo_->setAccessibleDescription(gapsLine_->text());
}

// OK writes the section first when its text was changed; a refused write keeps the dialog
// open with its text, so the user can try again or abort.
void TEditSectionForm::done(int result) {
  if (result == QDialog::Accepted && memo_->toPlainText() != shownText_ && !WriteSection()) return;
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
  if (!gaps_.Whole() && !modals_.AskYesNo(tr("Saving [%1] drops what this editor does not show of it: %2. Save anyway?")
                                              .arg(FromWindows(section_), GapsText(gaps_))))
    return false;
  try {
    return WriteBlockIfUnchanged(config_, section_, lines, &inFile_) || WriteOverOtherChange(lines);
  } catch (const StoreError& e) {
    modals_.ShowError(FromWindows(e.what()), FromWindows(e.Cause()));
    return false;
  }
}

bool TEditSectionForm::WriteOverOtherChange(const std::vector<std::string>& lines) {
  const QString question =
      tr("[%1] was changed by another program since this editor was opened.").arg(FromWindows(section_)) + "\n\n" +
      tr("Save anyway writes these lines over that change. Reload shows the block as it is now: the changes made "
         "here are lost. Cancel goes back to the editor.");
  switch (modals_.AskChoice(question, FileChangedAnswers())) {
    case 0: break;
    case 1: OpenOnSection(section_); return false;
    default: return false;
  }
  WriteBlockIfUnchanged(config_, section_, lines, nullptr);
  return true;
}

}  // namespace trv
