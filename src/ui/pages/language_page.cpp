#include "ui/pages/language_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "config/ini/ini_errors.h"
#include "config/store/config.h"
#include "config/store/saved_forms.h"
#include "config/store/sections.h"
#include "ui/controls.h"
#include "ui/held_field_marks.h"
#include "ui/layout_builders.h"
#include "ui/page_binder.h"
#include "ui/text_convert.h"
#include "ui/widgets/quiet_combo_box.h"

namespace trv {
namespace {

// The Display and Languages pages share the width of their left column.
constexpr int kPanelWidth = 240;

// The file-name part of a path: the text after the last backslash or colon.
QString FileNamePart(const QString& path) {
  return path.mid(std::max(path.lastIndexOf('\\'), path.lastIndexOf(':')) + 1);
}

}  // namespace

LanguagePage::LanguagePage(PageContext context, QWidget* parent)
    : SettingsPage(context, parent),
      visual_(Named(new QuietComboBox, "Lang_Combo_Visual")),
      output_(Named(new QuietComboBox, "Lang_Combo_Output")) {
  auto* column = new QVBoxLayout;
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(LabelledGroup("Lang_GB_Visual", tr("&Visual parts"), {visual_}));
  column->addWidget(LabelledGroup("Lang_GB_Output", tr("Default program o&utput"), {output_}));
  column->addStretch();
  const PageBinder binder(config_);  // the lists show files: the page moves their values itself
  binder.Describe(visual_, "LANGUAGE", "VISUAL");
  binder.Describe(output_, "LANGUAGE", "OUTPUT");
  QWidget* left = Panel("Lang_Panel_Left", column);
  left->setMinimumWidth(kPanelWidth);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(left);
  layout->addStretch(1);
  AddMarks();
  Serve(
      SectionId::Language, [this] { FillLanguagePage(); }, [this] { StoreLanguagePage(); });
}

// Each list is marked and reset from the file OK stores of it.
void LanguagePage::AddMarks() {
  const CatalogueEntry visual = DeclaredSetting("LANGUAGE", "VISUAL");
  const CatalogueEntry output = DeclaredSetting("LANGUAGE", "OUTPUT");
  marks_ = new HeldFieldMarks(config_, this,
                              {.section = SectionId::Language,
                               .settings =
                                   [visual, output](const Config&) {
                                     return SettingCatalogue{visual, output};
                                   },
                               .storeShown = [this](Config& records) { StoreShownInto(records.Language); },
                               .showAgain =
                                   [this] {
                                     ShowChoice(visual_, config_.Language.Visual);
                                     ShowChoice(output_, config_.Language.Output);
                                   },
                               .revertAll = {}});
  for (const auto& [box, name] : {std::pair{visual_, visual.name}, std::pair{output_, output.name}}) {
    marks_->Add({box}, [name = name] { return std::vector<std::string>{name}; });
    connect(box, &QComboBox::currentIndexChanged, marks_, [this] { marks_->Update(); });
  }
}

void LanguagePage::ShowChoice(QComboBox* box, const std::string& stored) {
  const auto chosen = ChosenLanguageFile(EntriesInWindows(box), stored);
  box->setCurrentIndex(chosen ? static_cast<int>(*chosen) : -1);
}

// Lists the matching files and selects the first whose name begins with the stored value,
// without regard to case; the first file when none does. A folder that cannot be listed
// leaves the stored value as the only entry (OK stores it as it is) and gives its error.
std::string LanguagePage::FillList(QComboBox* box, const char* mask, const std::string& stored) {
  const std::string dir = config_.Dirs.GetLanguageDir();
  if (const int error = FillComboFromMask(box, config_.Files, dir, mask); error != 0) {
    box->addItem(FromWindows(stored));
    box->setCurrentIndex(0);
    return IniReadError(dir, SystemReason(error)).Full();
  }
  ShowChoice(box, stored);
  return {};
}

void LanguagePage::FillLanguagePage() {
  marks_->Loaded();
  const HeldFieldMarks::Quiet quiet(*marks_);
  const std::string visual = FillList(visual_, "*.DLL", config_.Language.Visual);
  const std::string output = FillList(output_, "*.WLF", config_.Language.Output);
  if (!visual.empty() || !output.empty()) throw PageError(!visual.empty() ? visual : output);
}

void LanguagePage::StoreLanguagePage() { StoreShownInto(config_.Language); }

void LanguagePage::StoreShownInto(LanguageSettings& l) const {
  l.Visual = visual_->currentIndex() >= 0 ? ToWindows(visual_->currentText()) : kDefaultVisual;
  l.Output = output_->currentIndex() >= 0 ? ToWindows(FileNamePart(output_->currentText())) : kDefaultOutput;
}

}  // namespace trv
