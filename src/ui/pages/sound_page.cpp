#include "ui/pages/sound_page.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>
#include <stdexcept>

#include "config/store/config.h"
#include "config/store/sections.h"
#include "support/text.h"
#include "ui/controls.h"
#include "ui/held_field_marks.h"
#include "ui/layout_builders.h"
#include "ui/modal_windows.h"
#include "ui/setting_tooltip.h"
#include "ui/text_convert.h"
#include "ui/translated.h"
#include "ui/widgets/limited_line_edit.h"
#include "ui/widgets/media_player.h"

namespace trv {
namespace {

constexpr std::array kEvents = {QT_TRANSLATE_NOOP("trv", "Startup"),      QT_TRANSLATE_NOOP("trv", "Connect"),
                                QT_TRANSLATE_NOOP("trv", "Disconnect"),   QT_TRANSLATE_NOOP("trv", "Reconnect"),
                                QT_TRANSLATE_NOOP("trv", "Link failure"), QT_TRANSLATE_NOOP("trv", "Ring"),
                                QT_TRANSLATE_NOOP("trv", "Ctrl-G")};
static_assert(kEvents.size() == kWaveCount);

constexpr int kListPanelWidth = 146;
constexpr int kNameWidth = 308;
constexpr std::size_t kWaveNameWidth = kShortStringMax;

}  // namespace

const char* SoundEventName(int event) { return kEvents.at(static_cast<std::size_t>(event)); }

SoundPage::SoundPage(PageContext context, QWidget* parent)
    : SettingsPage(context, parent),
      path_(Named(new QLabel, "Sound_Lbl_Path")),
      list_(Named(new QListWidget, "Wave_Lb")),
      name_(Named(new LimitedLineEdit(static_cast<int>(kWaveNameWidth), false), "Sound_Edit_WaveName")),
      choose_(SmallButton("Sound_Speed_Choose", "...", tr("Choose a wave file"))),
      player_(Named(new MediaPlayer, "MediaPlayer1")),
      useMci_(Named(new QCheckBox(tr("Use MC&I sound")), "Extra_CB_UseMCI")),
      disableSound_(Named(new QCheckBox(tr("&disable Sound")), "Extra_CB_DisableSound")),
      lastConnectSound_(Named(new QCheckBox(tr("Only &last connect sound")), "Extra_CB_LastConnectSound")),
      binder_(config_) {
  binder_.Bind(useMci_, "EXTRA", "WAVEMCI");
  binder_.Bind(disableSound_, "EXTRA", "NOSOUND");
  binder_.Bind(lastConnectSound_, "EXTRA", "OLCSOUND");
  auto* right = new QVBoxLayout;
  right->addWidget(BuildFileGroup());
  right->addWidget(useMci_);
  right->addWidget(disableSound_);
  right->addWidget(lastConnectSound_);
  right->addStretch();
  auto* below = new QHBoxLayout;
  below->addWidget(BuildListPanel());
  below->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildDirectoryGroup());
  layout->addLayout(below, 1);
  ShowFieldHelp();
  SetTabOrder({list_, name_, choose_, player_->findChild<QWidget*>("Player_Btn_Play"),
               player_->findChild<QWidget*>("Player_Btn_Pause"), player_->findChild<QWidget*>("Player_Btn_Stop"),
               useMci_, disableSound_, lastConnectSound_});
  ConnectHandlers();
  marks_ = new HeldFieldMarks(config_, this,
                              {.section = SectionId::Sound,
                               .settings =
                                   [](const Config&) {
                                     SettingCatalogue waves = SoundCatalogue();
                                     std::erase_if(waves, [](const CatalogueEntry& e) {
                                       return !e.name.starts_with("SoundSettings.WaveFiles[");
                                     });
                                     return waves;
                                   },
                               .storeShown = {},
                               .showAgain = [this] { Wave_LbClick(); },
                               .revertAll = {}});
  marks_->Add({name_}, [this]() -> std::vector<std::string> {
    const int row = SelectedRow(list_);
    if (row < 0 || row >= kWaveCount) return {};
    return {"SoundSettings.WaveFiles[" + std::to_string(row) + "]"};
  });
  marks_->SetList(list_);
  Serve(
      SectionId::Sound, [this] { FillDuringLoad(); }, [this] { StoreSoundPage(); });
}

// A long path is cut at the label's edge, as the label keeps its size; the tip shows it whole.
QWidget* SoundPage::BuildDirectoryGroup() {
  path_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return LabelledGroup("Sound_GB_Path", tr("Directory for wave files"), {path_});
}

void SoundPage::ShowFieldHelp() {
  const SettingCatalogue catalogue = SoundCatalogue();
  for (int i = 0; i < list_->count(); ++i)
    ShowSettingHelp(list_->item(i), catalogue, "SoundSettings.WaveFiles[" + std::to_string(i) + "]");
}

QWidget* SoundPage::BuildListPanel() {
  for (const char* event : kEvents) list_->addItem(Translated(event));
  list_->setAccessibleName(tr("Sound events"));
  auto* layout = new QVBoxLayout;
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list_);
  QWidget* panel = Panel("Sound_Panel_Left", layout);
  panel->setFixedWidth(kListPanelWidth);
  return panel;
}

QWidget* SoundPage::BuildFileGroup() {
  name_->setMinimumWidth(kNameWidth);
  auto* nameRow = new QHBoxLayout;
  nameRow->setSpacing(2);
  nameRow->addWidget(name_, 1);
  nameRow->addWidget(choose_);
  auto* column = new QVBoxLayout;
  column->addLayout(nameRow);
  column->addWidget(player_);
  return LabelledGroup("Sound_GB_WaveName", tr("&File name:"), column);
}

void SoundPage::ConnectHandlers() {
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] { Wave_LbClick(); });
  connect(name_, &QLineEdit::textChanged, this, [this] { Sound_Edit_WaveNameChange(); });
  connect(choose_, &QToolButton::clicked, this, [this] { Sound_Speed_ChooseClick(); });
  connect(player_, &MediaPlayer::PlayFailed, this, [this](const QString& reason) { ReportError(reason); });
}

void SoundPage::FillDuringLoad() {
  loading_ = true;
  loadErrors_.clear();
  FillSoundPage();
  loading_ = false;
  if (!loadErrors_.isEmpty()) throw PageError(ToWindows(loadErrors_.join('\n')));
}

void SoundPage::FillSoundPage() {
  marks_->Loaded();
  SetWaveDirectoryLabel(FromWindows(config_.Dirs.GetWaveDir()));
  {
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(0);
  }
  Wave_LbClick();
  binder_.Fill();
}

void SoundPage::StoreSoundPage() { binder_.Store(); }

void SoundPage::SetWaveDirectoryLabel(const QString& windowsPath) {
  path_->setText(windowsPath);
  path_->setToolTip(windowsPath);
}

// Setting the text the edit already shows changes nothing: the player keeps its state.
void SoundPage::Wave_LbClick() {
  const int row = SelectedRow(list_);
  ShowSettingHelp(name_, row < 0 ? nullptr : list_->item(row));
  if (row < 0 || row >= kWaveCount) return;
  name_->SetProgramText(FromWindows(config_.Sound.WaveFiles[row]));
  marks_->Update();
}

// Only a name of an existing file is taken (a directory is not); a name that names none
// leaves the stored one as it was.
void SoundPage::Sound_Edit_WaveNameChange() {
  if (player_->IsOpen()) player_->Close();
  const int row = SelectedRow(list_);
  if (row < 0 || row >= kWaveCount) return;
  const std::string name = ToWindows(name_->text());
  if (!config_.Files.FileExists(name)) return;
  config_.Sound.WaveFiles[row] = CutTo(name, kWaveNameWidth);
  marks_->Update();
  OpenInPlayer(name);
}

void SoundPage::OpenInPlayer(const std::string& windowsPath) {
  const auto host = config_.Files.ToHost(windowsPath);
  const QString error = host ? player_->Open(QString::fromStdString(*host)) : tr("The drive is not mapped");
  if (!error.isEmpty()) ReportError(FromWindows(windowsPath) + ":\n" + error);
}

void SoundPage::Sound_Speed_ChooseClick() {
  const auto waveDir = config_.Files.ToHost(config_.Dirs.GetWaveDir());
  const QString chosen = modals_.AskOpenFileName(
      tr("Choose wave file..."), waveDir ? QString::fromStdString(*waveDir) : "", tr("Wave files (*.WAV)"));
  if (chosen.isEmpty()) return;
  const auto windowsPath = config_.Files.Drives().ToWindows(QFile::encodeName(chosen).toStdString());
  if (!windowsPath) {
    modals_.ShowError(chosen + ":\n" + tr("The file is on no drive the program can name"));
    return;
  }
  name_->SetProgramText(FromWindows(ChosenWaveFile(*windowsPath)));
}

// A typed name without extension is a wave file's; the name is matched without regard to case
// and shown as the disk spells it.
std::string SoundPage::ChosenWaveFile(std::string windowsPath) const {
  const std::string_view name = std::string_view(windowsPath).substr(DirectoryPart(windowsPath).size());
  if (name.find('.') == std::string_view::npos) windowsPath += ".WAV";
  const auto host = config_.Files.ToHost(windowsPath);
  std::error_code ec;
  if (!host || !std::filesystem::exists(*host, ec)) return windowsPath;
  return config_.Files.Drives().ToWindows(*host).value_or(windowsPath);
}

void SoundPage::ReportError(const QString& text) {
  if (loading_)
    loadErrors_ << text;
  else
    modals_.ShowError(text);
}

}  // namespace trv
