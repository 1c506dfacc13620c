#pragma once
// The Sound page: the wave-file directory, a wave file for each of the seven sound events
// with a player to try it, and three sound switches. An accepted file name goes into the
// sound settings at once; the switches are stored before the SOUND section is written.
#include <QString>
#include <QStringList>

#include "ui/page_binder.h"
#include "ui/pages/settings_page.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QToolButton;

namespace trv {

class HeldFieldMarks;
class LimitedLineEdit;
class MediaPlayer;

// The list line of a sound event (0 to 6), to translate in the "trv" context.
const char* SoundEventName(int event);

class SoundPage : public SettingsPage {
  Q_OBJECT

 public:
  explicit SoundPage(PageContext context, QWidget* parent = nullptr);

  void FillSoundPage();
  void StoreSoundPage();
  void Wave_LbClick();
  void Sound_Edit_WaveNameChange();
  void Sound_Speed_ChooseClick();

 public slots:
  // The Directory page's wave-file directory, as the user edits it there.
  void SetWaveDirectoryLabel(const QString& windowsPath);

 private:
  QWidget* BuildDirectoryGroup();
  QWidget* BuildListPanel();
  void ShowFieldHelp();
  QWidget* BuildFileGroup();
  void ConnectHandlers();
  // Load all: a wave file the player cannot open is reported once the window is up, and the
  // sections after SOUND are still loaded.
  void FillDuringLoad();
  void OpenInPlayer(const std::string& windowsPath);
  std::string ChosenWaveFile(std::string windowsPath) const;
  void ReportError(const QString& text);

  QLabel* path_;
  QListWidget* list_;
  LimitedLineEdit* name_;
  QToolButton* choose_;
  MediaPlayer* player_;
  QCheckBox* useMci_;
  QCheckBox* disableSound_;
  QCheckBox* lastConnectSound_;
  PageBinder binder_;                // the three boxes
  HeldFieldMarks* marks_ = nullptr;  // the wave files
  bool loading_ = false;
  QStringList loadErrors_;
};

}  // namespace trv
