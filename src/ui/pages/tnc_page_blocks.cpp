// The command blocks of the TNC page: the two block boxes, their "..." buttons and the
// edit-section dialog they open.
#include <QComboBox>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

#include "config/sections/free_section.h"
#include "config/store/config.h"
#include "config/store/saved_forms.h"
#include "support/codepage.h"
#include "support/text.h"
#include "ui/dialogs/edit_section_form.h"
#include "ui/modal_windows.h"
#include "ui/pages/tnc_page.h"
#include "ui/text_convert.h"
#include "ui/widgets/limited_line_edit.h"

namespace trv {
namespace {

bool CannotNameABlock(const std::string& name) { return CommandBlockNameFault(name) != BlockNameFault::None; }

// Shows the name in the box, with the list entry of that name chosen without regard to case,
// and enables the box's "..." button when there is a name.
void ShowBlockName(QComboBox* box, QToolButton* edit, const std::string& name) {
  const QSignalBlocker quiet(box);
  const QString text = FromWindows(name);
  box->setCurrentIndex(box->findText(text, Qt::MatchFixedString));
  box->setEditText(text);
  edit->setEnabled(!text.isEmpty());
}

}  // namespace

// A driver name the DEVICE line cannot hold: it separates its fields with commas.
bool HoldsComma(const std::string& name) { return name.find(',') != std::string::npos; }

void TncPage::FillBlockLists() {
  std::vector<std::string> sections;
  ListUserSections(config_, &sections);
  std::erase_if(sections, CannotNameABlock);
  std::stable_sort(sections.begin(), sections.end(), LessNoCase1252);
  for (QComboBox* box : {ini_, dei_}) {
    const QSignalBlocker quiet(box);
    box->clear();
    for (const auto& name : sections) box->addItem(FromWindows(name));
    box->setCurrentIndex(-1);
  }
}

void TncPage::ShowBlockNames(int n) {
  const TncEntry& e = config_.TncTable[n];
  ShowBlockName(ini_, editIni_, e.IniBlock);
  ShowBlockName(dei_, editDei_, e.DeiBlock);
}

std::string TncPage::BlockName(const LimitedLineEdit* edit, std::string_view def) const {
  return SavedBlockName(ToWindows(edit->text()), def);
}

void TncPage::EditBlock(bool ini) {
  if (currentTnc_ < 0) return;
  const std::string name = BlockName(ini ? iniEdit_ : deiEdit_, ini ? kDefaultIniBlock : kDefaultDeiBlock);
  switch (CommandBlockNameFault(name)) {
    case BlockNameFault::None:
    case BlockNameFault::Empty: break;  // the default block stands in for an empty name
    case BlockNameFault::ProgramSection:
      modals_.ShowInformation(tr("[%1] holds the program's own settings and cannot be a command block. "
                                 "Please choose another name.")
                                  .arg(FromWindows(name)));
      return;
    case BlockNameFault::Character:
      modals_.ShowInformation(
          tr("A command block's name may not hold a comma or square brackets: the TNC line in TARVO.INI "
             "separates its fields with commas, and brackets enclose a section's name. Please choose another "
             "name."));
      return;
  }
  TncEntry& e = config_.TncTable[currentTnc_];
  (ini ? e.IniBlock : e.DeiBlock) = name;
  TEditSectionForm& editSection = editSection_();
  if (!editSection.OpenOnSection(name)) return;
  if (modals_.RunDialog(editSection) != QDialog::Accepted) return;
  FillBlockLists();
  ShowBlockNames(currentTnc_);
}

}  // namespace trv
