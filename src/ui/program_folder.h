#pragma once
// Which folder's TARVO.INI the window edits: the folder named on the command line, else the
// folder the program was started from, else (for a program installed in a bin folder with no
// TARVO.INI beside it, or when asked to choose again) the folder chosen last time, else the one
// the user picks now. A start, chosen or remembered folder without TARVO.INI is used only when
// the user says so: the window fills the folder it edits with the terminal's subfolders.
#include <QString>
#include <optional>
#include <string>

#include "ui/translated.h"

class QSettings;

namespace trv {

class ModalWindows;

inline const char* const kProgramFolderQuestion = QT_TRANSLATE_NOOP("trv", "Choose Tarvo's program folder");
inline const char* const kNoConfigFileQuestion =
    QT_TRANSLATE_NOOP("trv", "No TARVO.INI in %1. Tarvo keeps it in its program folder. Use this folder anyway?");
inline const char* const kChooseAnother = QT_TRANSLATE_NOOP("trv", "C&hoose another");
inline const char* const kUseIt = QT_TRANSLATE_NOOP("trv", "&Use it");
inline const char* const kCancel = QT_TRANSLATE_NOOP("trv", "&Cancel");

// A bin folder with no TARVO.INI: the program was installed, not copied into Tarvo's folder.
bool IsInstalledProgramFolder(const QString& hostDir);
// Where the folder question opens: drive_c of the Wine prefix that the start folder belongs to
// (WinePrefixFor) when there is one, else home.
QString FolderQuestionStart(const QString& startDir);

// False when the folder or its TARVO.INI refuses writes (a read-only or immutable one), so
// that the user hears it before editing rather than on OK.
bool ProgramFolderWritable(const QString& hostDir);
// Why the folder or its TARVO.INI refuses writes ("Operation not permitted"); empty when neither does.
QString ProgramFolderWriteRefusal(const QString& hostDir);

// Where the chosen folder is remembered: `file`, the folder file that tarvoini reads too
// (platform/remembered_folder.h), and `oldSettings`, the settings file that held it before.
// While `file` is missing, the folder in `oldSettings` is taken and moved into it.
struct FolderMemory {
  std::string file;
  QSettings& oldSettings;
};

// The host folder to edit, or nothing when the user cancels a question. A folder the user
// picks is remembered for the next start; `choose` asks again.
std::optional<QString> FindProgramFolder(const QString& dirOption, bool choose, const QString& startDir,
                                         const FolderMemory& memory, ModalWindows& modals);

}  // namespace trv
