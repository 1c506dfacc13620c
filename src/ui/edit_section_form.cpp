#include "ui/edit_section_form.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "config/config.h"
#include "support/codepage.h"
#include "ui/message_boxes.h"
#include "ui/text_convert.h"

namespace trv {
namespace {

bool Accepted(QChar ch) {
  return ch == '\n' || ch == QChar::ParagraphSeparator || (IsDosCharacter(ch.unicode()) && HasWindowsForm(ch));
}

QWidget* Panel(const char* name, QLayout* layout) {
  auto* panel = new QWidget;
  panel->setObjectName(name);
  panel->setLayout(layout);
  return panel;
}

}  // namespace

QString DosTextEdit::Filtered(const QString& text) {
  QString kept;
  for (QChar ch : text)
    if (Accepted(ch)) kept += ch;
  return kept;
}

void DosTextEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  if (!typed.isEmpty() && typed.at(0).isPrint() && Filtered(typed).isEmpty()) return;
  QPlainTextEdit::keyPressEvent(event);
}

void DosTextEdit::insertFromMimeData(const QMimeData* source) {
  if (source->hasText()) insertPlainText(Filtered(source->text()));
}

TEditSectionForm::TEditSectionForm(const Config& config, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), config_(config), boxes_(boxes), title_(new QLabel), memo_(new DosTextEdit) {
  setObjectName("EditSectionForm");
  setWindowTitle("Edit section...");
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
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPixelSize(17);
  memo_->setFont(fixed);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setTabChangesFocus(true);

  auto* ok = new QPushButton("OK");
  ok->setObjectName("Btn_OK");
  ok->setDefault(true);
  auto* abort = new QPushButton("Abort");
  abort->setObjectName("Btn_Abort");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(abort, &QPushButton::clicked, this, &QDialog::reject);

  auto* middle = new QVBoxLayout;
  middle->setContentsMargins(0, 0, 0, 0);
  middle->addWidget(memo_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(abort);
  auto* top = new QVBoxLayout;
  top->setContentsMargins(0, 0, 0, 0);
  top->addWidget(title_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel("Panel1Frame", top));
  layout->addWidget(Panel("Panel3", middle), 1);
  auto* bottom = Panel("Panel2", buttons);
  bottom->setMinimumHeight(50);
  layout->addWidget(bottom);
}

void TEditSectionForm::OpenOnSection(const std::string& section) {
  section_ = section;
  title_->setText(FromWindows(section));
  memo_->clear();
  std::vector<std::string> lines;
  ReadFreeSection(config_, section, lines);
  QStringList text;
  for (const auto& line : lines) text << FromWindows(line);
  memo_->setPlainText(text.join('\n'));
}

void TEditSectionForm::done(int result) {
  if (result != QDialog::Accepted) {
    QDialog::done(result);
    return;
  }
  std::vector<std::string> lines;
  for (const QString& line : memo_->toPlainText().split('\n')) lines.push_back(ToWindows(line));
  try {
    WriteFreeSection(config_, section_, lines);
  } catch (const std::exception& e) {
    boxes_.ShowError(FromWindows(e.what()));
    QDialog::done(QDialog::Rejected);
    return;
  }
  QDialog::done(result);
}

}  // namespace trv
