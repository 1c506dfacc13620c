#include "ui/form2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "config/ini/ini_errors.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "support/version.h"
#include "ui/accessible_names.h"
#include "ui/dialogs/edit_section_form.h"
#include "ui/field_marks.h"
#include "ui/field_reset_menu.h"
#include "ui/file_change_check.h"
#include "ui/held_field_marks.h"
#include "ui/layout_builders.h"
#include "ui/lock_wait_message.h"
#include "ui/modal_windows.h"
#include "ui/pages/colors_page.h"
#include "ui/pages/directory_page.h"
#include "ui/pages/display_page.h"
#include "ui/pages/extra_page.h"
#include "ui/pages/language_page.h"
#include "ui/pages/mailbox1_page.h"
#include "ui/pages/mailbox2_page.h"
#include "ui/pages/moduls_page.h"
#include "ui/pages/settings_page.h"
#include "ui/pages/sound_page.h"
#include "ui/pages/station_page.h"
#include "ui/pages/tnc_page.h"
#include "ui/program_folder.h"
#include "ui/record_defaults.h"
#include "ui/setting_search.h"
#include "ui/text_convert.h"
#include "ui/widgets/limited_line_edit.h"
#include "ui/widgets/load_notice.h"
#include "ui/widgets/replacement_notice.h"

namespace trv {
namespace {

constexpr QSize kDesignSize(514, 365);
constexpr int kButtonPanelHeight = 41;
constexpr int kFileLabelWidth = 480;

}  // namespace

TForm2::TForm2(Config& config, ModalWindows& modals, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      config_(config),
      modals_(modals),
      notice_(new LoadNotice(modals)),
      replacements_(new ReplacementNotice) {
  config_.Options.keepBackup = true;                           // the run's first write keeps the file as it was
  config_.Options.warning = [this](const std::string& text) {  // the write stands: said, not an error
    if (loadedOnce_)
      modals_.ShowInformation(FromWindows(text));
    else
      loadErrors_.push_back({text, {}});
  };
  setObjectName("Form2");
  ShowFocusOnLists(this);
  config_.Options.lockWaiting = WaitingMessage(modals_);  // the window says what it waits for
  config_.Options.displacedKept = [this](const std::string& path) { TellKeptFile(path); };
  setWindowTitle(tr("TRVCFG for Tarvo32 v%1").arg(QString::fromUtf8(kProgramVersion.data(), kProgramVersion.size())));
  BuildPages();
  BuildFrame();
  AddPageKeys();
  NameUnnamedControls(this);
  LoadPages();
  loadedOnce_ = true;
  TellRefusedFolder();
  if (!loadErrors_.empty()) QTimer::singleShot(0, this, [this] { ShowLoadErrors(); });
}

// Loads every section into the pages, remembers what OK would write from the file as loaded
// (the base of OK's merge), and tells what loading replaced (with the lines of the file as
// loading left it).
void TForm2::LoadPages() {
  Findings findings;
  auto record = [this](const StoreError& e) {
    loadErrors_.push_back({e.what(), e.Cause()});
    if (dynamic_cast<const IniReadError*>(&e) != nullptr) unreadable_ = true;
  };
  try {
    session_.Load({.afterRead = [this](SectionId id) { FillPages(id); },
                   .onError = record,
                   .again =
                       [this] {  // read again after another program's write
                         loadErrors_.clear();
                         unreadable_ = false;
                       }},
                  &findings);
  } catch (const StoreError& e) {  // what loading adds refused, or the file unreadable
    record(e);
  }
  notice_->SetFindings(findings);
}

// The page list: one line a tab, in tab order. A page is built when its tab is first shown;
// until then the records, read as OK would store them, stand for it. Built at start: the TNC
// page (shown first) and the Sound page (it tells at start that a wave file cannot be played).
// Built by OK at the latest: the pages whose fields change a loaded value that OK must write
// (letter case), so that OK stores from them as from a page the user opened.
std::vector<TForm2::Tab> TForm2::MakeTabs() {
  const PageContext context{config_, modals_};
  const auto slot = [this](PageSlot::Make make) {
    return new PageSlot(std::move(make), [this](SettingsPage& page) { PageBuilt(page); });
  };
  PageSlot* sound = slot([context] { return new SoundPage(context); });
  const auto directory = [context, sound] {
    auto* page = new DirectoryPage(context);
    connect(page, &DirectoryPage::WaveDirectoryChanged, static_cast<SoundPage*>(&sound->EnsureBuilt()),
            &SoundPage::SetWaveDirectoryLabel);
    return page;
  };
  return {
      {slot([this, context] { return new TncPage(context, [this]() -> TEditSectionForm& { return EditSection(); }); }),
       tr("TNC"), Building::AtStart},
      {slot([context] { return new StationPage(context); }), tr("Station"), Building::OnFirstShow},
      {slot([context] { return new DisplayPage(context); }), tr("Display"), Building::OnFirstShow},
      {slot(directory), tr("Directory"), Building::OnFirstShow},
      {slot([context] { return new ExtraPage(context); }), tr("Extra"), Building::OnFirstShow},
      {slot([context] { return new ModulsPage(context); }), tr("Moduls"), Building::OnFirstShow},
      {sound, tr("Sound"), Building::AtStart},
      {slot([context] { return new ColorsPage(context); }), tr("Colors"), Building::OnFirstShow},
      {slot([context] { return new LanguagePage(context); }), tr("Languages"), Building::OnFirstShow},
      {slot([context] { return new Mailbox1Page(context); }), tr("Mailbox 1"), Building::OnFirstShow},
      {slot([context] { return new Mailbox2Page(context); }), tr("Mailbox 2"), Building::OnFirstShow},
  };
}

void TForm2::BuildPages() {
  const std::vector<Tab> tabs = MakeTabs();
  tabs_ = Named(new QTabWidget, "PageControl1");
  tabs_->setAccessibleName(tr("Pages"));
  tabs_->setUsesScrollButtons(false);
  // A click on a tab takes the focus, so that Tab goes on into the page that is shown.
  tabs_->tabBar()->setFocusPolicy(Qt::StrongFocus);
  tabs_->setMinimumSize(kDesignSize.width(), kDesignSize.height() - kButtonPanelHeight);
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    tabs[i].slot->setObjectName(QString("TabSheet%1").arg(i + 1));
    tabs_->addTab(tabs[i].slot, tabs[i].caption);
    slots_.push_back(tabs[i].slot);
  }
  tabMarks_ = new TabMarks(tabs_);
  tabMarks_->SetUnbuiltDefaults([this] {
    QStringList pages;
    for (int i = 0; i < tabs_->count(); ++i) pages << tabs_->tabText(i);
    return TabsNotAtDefault(config_, pages);
  });
  tabs_->setCurrentIndex(0);
  for (const Tab& tab : tabs)
    if (tab.building == Building::AtStart) tab.slot->EnsureBuilt();
}

// The window's own shortcuts: the tab widget turns pages only for a key that reaches it, which
// lists keep for themselves and which never comes from the search field, the switch, OK and
// Abort outside the pages. X's keymap offers a pressed Ctrl+Shift+Tab to the shortcuts as Tab
// with Ctrl and Shift, a synthesized one comes as Backtab: both turn back (never both at once).
void TForm2::AddPageKeys() {
  const std::pair<QKeySequence, int> keys[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
      {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
      {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
  };
  for (const auto& [key, step] : keys) {
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, this, [this, step = step] { TurnPage(step); });
  }
}

void TForm2::TurnPage(int step) {
  QWidget* focus = QApplication::focusWidget();
  const bool inPage = focus != nullptr && tabs_->currentWidget()->isAncestorOf(focus);
  tabs_->setCurrentIndex((tabs_->currentIndex() + step + tabs_->count()) % tabs_->count());
  if (!inPage) return;  // the tab bar, OK and Abort keep the focus
  // The page takes the focus where it was last, or at its first field (a page just built has
  // none yet: the stack gave the focus to the empty slot).
  QWidget* page = tabs_->currentWidget();
  focus = QApplication::focusWidget();
  if (focus != nullptr && focus != page && page->isAncestorOf(focus) && focus->isVisible()) return;
  for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain())
    if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisible() && w->isEnabled()) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  tabs_->tabBar()->setFocus(Qt::TabFocusReason);
}

std::vector<SettingsPage*> TForm2::Pages() const {
  std::vector<SettingsPage*> built;
  for (const PageSlot* slot : slots_)
    if (slot->Page() != nullptr) built.push_back(slot->Page());
  return built;
}

// What every page gets, also one built after the window is up: notices of replaced entries,
// names for screen readers and, once the file is loaded, its settings. (Qt puts a page built
// later in the tab order where it sits: between the tab bar and the buttons.)
void TForm2::PageBuilt(SettingsPage& page) {
  tabMarks_->Watch(&page);
  for (LimitedLineEdit* field : page.findChildren<LimitedLineEdit*>()) replacements_->Watch(field);
  if (!loadedOnce_) return;  // the window's start names every control and fills the pages
  NameUnnamedControls(&page);
  for (const SectionStep& section : SectionSteps())
    for (const auto& step : page.Steps())
      if (step.section == section.id && step.fill) try {
          step.fill();
        } catch (const PageError& e) {  // told now: the window is up
          modals_.ShowError(FromWindows(e.what()));
        }
}

TEditSectionForm& TForm2::EditSection() {
  if (editSection_ == nullptr) editSection_ = new TEditSectionForm(config_, modals_, this);
  return *editSection_;
}

void TForm2::BuildFrame() {
  auto* top = new QVBoxLayout;
  top->setContentsMargins(0, 0, 0, 0);
  auto* search = search_ = new SettingSearch(config_, *tabs_, this);
  top->addWidget(search);
  top->addWidget(tabs_);
  const OkAbortRow buttons = MakeOkAbortRow(this, "Panel1", tr("&Abort"), false);
  buttons.panel->setMinimumHeight(kButtonPanelHeight);
  connect(buttons.ok, &QPushButton::clicked, this, [this] { Btn_OKClick(); });
  connect(buttons.abort, &QPushButton::clicked, this, [this] { Btn_AbortClick(); });
  auto* changes = Named(new QPushButton(tr("&Your changes..."), buttons.panel), "Btn_Changes");
  changes->setAutoDefault(false);  // Return stays OK's
  changes->setToolTip(tr("Lists what OK writes into TARVO.INI, with the value the file holds now."));
  connect(changes, &QPushButton::clicked, this, [this] { ShowChanges(); });
  auto* row = static_cast<QBoxLayout*>(buttons.panel->layout());
  row->insertWidget(row->indexOf(buttons.ok), changes);
  row->insertWidget(0, BuildFileLabel());
  QWidget::setTabOrder(buttons.abort, search->Field());  // last: Tab goes on round to the tab bar

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel("Panel_Main_Top", top), 1);
  layout->addWidget(notice_);
  layout->addWidget(replacements_);
  layout->addWidget(tabMarks_->Switch());
  layout->addWidget(buttons.panel);
  QWidget::setTabOrder(buttons.abort, changes);  // the pages lead to OK
  QWidget::setTabOrder(changes, tabMarks_->Switch());
  layout->setSizeConstraint(QLayout::SetFixedSize);  // not resizable
}

// Which file OK writes, so that the user knows which Tarvo is being edited.
QLabel* TForm2::BuildFileLabel() const {
  const QString windowsPath = FromWindows(config_.ConfigFilePath());
  const auto host = config_.Files.ToHost(config_.ConfigFilePath());
  const QString shown = host ? QString::fromStdString(*host) : windowsPath;
  auto* label = Named(new QLabel, "Lbl_ConfigFile");
  label->setText(label->fontMetrics().elidedText(shown, Qt::ElideMiddle, kFileLabelWidth));
  label->setToolTip(shown == windowsPath ? shown : shown + "\n" + windowsPath);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setEnabled(false);  // greyed: information, not a control
  return label;
}

void TForm2::FillPages(SectionId id) {
  for (SettingsPage* page : Pages())
    for (const auto& step : page->Steps())
      if (step.section == id && step.fill) try {
          step.fill();
        } catch (const PageError& e) {  // reported, and the later steps still run
          loadErrors_.push_back({e.what(), {}});
        }
}

// A page not built yet stores nothing: its records hold what it would store.
void TForm2::StorePages(SectionId id) {
  for (SettingsPage* page : Pages())
    for (const auto& step : page->Steps())
      if (step.section == id && step.store) step.store();
}

// A folder or TARVO.INI that refuses writes is told before editing rather than on OK, once:
// loading may have met the same refusal already (the colour keys it adds).
void TForm2::TellRefusedFolder() {
  const auto hostDir = config_.Files.ToHost(config_.Dirs.GetProgramDir());
  if (!hostDir) return;
  const QString cause = ProgramFolderWriteRefusal(QString::fromStdString(*hostDir));
  if (cause.isEmpty()) return;
  const WindowError refusal{IniWriteError(config_.ConfigFilePath()).what(), cause.toStdString()};
  const auto sameText = [&](const WindowError& e) { return e.text == refusal.text; };
  if (std::none_of(loadErrors_.begin(), loadErrors_.end(), sameText)) loadErrors_.push_back(refusal);
}

// A file that a save stopped after its swap left beside TARVO.INI: said once, after the step
// that found it.
void TForm2::TellKeptFile(const std::string& hostPath) {
  if (!keptTold_.insert(hostPath).second) return;
  QTimer::singleShot(0, this, [this, hostPath] {
    modals_.ShowInformation(tr("A save that was stopped left the file it replaced as %1. It may hold changes "
                               "another program made; look at it, then remove it.")
                                .arg(QString::fromStdString(hostPath)));
  });
}

void TForm2::ShowLoadErrors() {
  // One box for each error: the same refusal met by two steps is one error.
  std::vector<WindowError> shown;
  for (const auto& error : loadErrors_) {
    if (std::find(shown.begin(), shown.end(), error) != shown.end()) continue;
    shown.push_back(error);
    modals_.ShowError(FromWindows(error.text), FromWindows(error.cause));
  }
  // The pages hold defaults, not the user's settings: OK would write them over the file.
  if (unreadable_) reject();
}

void TForm2::Btn_OKClick() {
  if (unreadable_ || !session_.Loaded()) return;
  // The user sees a replacement first (also one made as the press on OK took the focus); the
  // next OK saves it.
  if (replacements_->ReplaceUnseen()) return;
  for (const SectionStep& step : SectionSteps()) StorePages(step.id);
  if (Save()) accept();
}

// One action: keys only another program changed keep its value; keys both changed to other
// values are asked about, with the lock let go while the question is open.
bool TForm2::Save() {
  bool whole = false;
  for (;;) {
    try {
      session_.Save(decided_, whole);
      return true;
    } catch (const FileVanished& vanished) {
      if (!(whole = SaveOverVanishedFile(vanished))) return false;
    } catch (const FileEmptied&) {
      if (!(whole = SaveOverEmptiedFile())) return false;
    } catch (const UndecidedConflicts& undecided) {
      switch (modals_.AskChoice(FileChangedQuestion(undecided.conflicts), FileChangedAnswers())) {
        case 0: decided_.insert(undecided.conflicts.begin(), undecided.conflicts.end()); break;
        case 1: Reload(); return false;
        default: return false;  // Cancel, or the box closed
      }
    } catch (const StoreError& e) {
      modals_.ShowError(FromWindows(e.what()), FromWindows(e.Cause()));
      return false;  // nothing was written; the window stays open
    }
  }
}

// TARVO.INI was deleted, renamed away or replaced by something that is no file since the
// window loaded it: there is nothing to merge with, so OK writes what the window shows in full
// when the user says so.
bool TForm2::SaveOverVanishedFile(const FileVanished& vanished) {
  const QString path = FromWindows(config_.ConfigFilePath());
  if (vanished.notRegular) {
    modals_.ShowInformation(tr("%1 is no longer a file: since this window was opened, something else took its "
                               "place. Nothing was saved. Move it away and press OK again to save the settings "
                               "of this window.")
                                .arg(path));
    return false;
  }
  const QString question = tr("%1 is gone: it was deleted or renamed since this window was opened.").arg(path) +
                           "\n\n" +
                           tr("Save writes the settings this window shows as a new TARVO.INI: every section of "
                              "the program in full, nothing else of the old file. Cancel goes back to the window.");
  return modals_.AskChoice(question, {tr("&Save"), tr("&Cancel")}) == 0;
}

// TARVO.INI is empty now, though it held settings when the window loaded it: another program
// may be writing it, or it was emptied. Nothing to merge with: OK writes what the window shows
// in full when the user says so.
bool TForm2::SaveOverEmptiedFile() {
  const QString question =
      tr("%1 is empty now: it held settings when this window was opened, and another program may be "
         "writing it right now.")
          .arg(FromWindows(config_.ConfigFilePath())) +
      "\n\n" +
      tr("Save writes the settings this window shows as the whole TARVO.INI: every section of the program in "
         "full, nothing else. Cancel goes back to the window; press OK again later to look at the file anew.");
  return modals_.AskChoice(question, {tr("&Save"), tr("&Cancel")}) == 0;
}

void TForm2::Reload() {
  config_.ResetSettings();
  decided_.clear();
  loadErrors_.clear();
  LoadPages();
  ShowLoadErrors();
}

void TForm2::Btn_AbortClick() { reject(); }

// Values are compared as they read, as OK's merge compares them. Storing the pages into the
// records writes nothing: the records stand for the pages until OK.
bool TForm2::Changed() {
  if (unreadable_ || !session_.Loaded()) return false;  // OK writes nothing either
  for (const SectionStep& step : SectionSteps()) StorePages(step.id);
  try {
    const SaveImage window = SaveImage::Of(config_);
    const auto differ = [&](const SaveImage& from) {
      return std::any_of(from.Writes().begin(), from.Writes().end(), [&](const IniWrite& write) {
        return window.ValueOf(write) != session_.Base().ValueOf(write);
      });
    };
    return differ(window) || differ(session_.Base());
  } catch (const StoreError&) {  // a value OK cannot write: the user decides
    return true;
  }
}

std::vector<PendingChange> TForm2::ListChanges() {
  if (unreadable_ || !session_.Loaded()) return {};
  for (const SectionStep& step : SectionSteps()) StorePages(step.id);
  QStringList pages;
  for (int i = 0; i < tabs_->count(); ++i) pages << tabs_->tabText(i);
  try {
    return PendingChanges(config_, session_.Base(), SaveImage::Of(config_), SettingIndex(config_, pages));
  } catch (const StoreError& e) {  // a value OK cannot write, or the file unreadable now
    modals_.ShowError(FromWindows(e.what()), FromWindows(e.Cause()));
    return {};
  }
}

// The settings held in lists and those a page moves itself first, every entry of the list;
// then each bound field.
void TForm2::RevertEdits() {
  for (SettingsPage* page : Pages()) {
    for (HeldFieldMarks* held : page->findChildren<HeldFieldMarks*>()) held->RevertAll();
    for (QWidget* field : page->findChildren<QWidget*>()) RevertField(field);
  }
}

void TForm2::ShowChanges() {
  ChangesForm form([this] { return ListChanges(); }, [this] { RevertEdits(); }, this);
  modals_.RunDialog(form);
  if (form.Chosen()) search_->Go(*form.Chosen());
}

void TForm2::Leave() {
  if (!Changed()) {
    reject();
    return;
  }
  switch (modals_.AskChoice(tr("Save the changes?"), {tr("&Save"), tr("&Discard"), tr("&Cancel")})) {
    case 0: Btn_OKClick(); break;  // the window stays open when OK does not save
    case 1: reject(); break;
    default: break;  // Cancel, or the box closed
  }
}

// Esc, which a dialog takes for Abort, asks before it throws changes away.
void TForm2::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    Leave();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TForm2::closeEvent(QCloseEvent* event) {
  if (closing_ || !isVisible()) {
    QDialog::closeEvent(event);
    return;
  }
  Leave();
  if (isVisible())
    event->ignore();
  else
    event->accept();
}

void TForm2::done(int result) {
  closing_ = true;
  QDialog::done(result);
  closing_ = false;
}

}  // namespace trv
