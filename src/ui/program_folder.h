#pragma once
// Which folder's TARVO.INI the window edits: the folder named on the command line, else the
// folder the program was started from, else (for a program installed in a bin folder with no
// TARVO.INI beside it) the folder chosen last time, else the one the user picks now.
#include <QString>
#include <optional>

class QSettings;

namespace trv {

class ModalWindows;

inline const char* const kProgramFolderQuestion = "Choose Tarvo's program folder";

// A bin folder with no TARVO.INI: the program was installed, not copied into Tarvo's folder.
bool IsInstalledProgramFolder(const QString& hostDir);
// Where the folder question opens: the Wine prefix's drive_c when there is one, else home.
QString FolderQuestionStart();

// False when the folder or its TARVO.INI refuses writes (a read-only or immutable one), so
// that the user hears it before editing rather than on OK.
bool ProgramFolderWritable(const QString& hostDir);
// Why the folder or its TARVO.INI refuses writes ("Operation not permitted"); empty when neither does.
QString ProgramFolderWriteRefusal(const QString& hostDir);

// The host folder to edit, or nothing when the user cancels the question. A folder the user
// picks is remembered in `settings` for the next start.
std::optional<QString> FindProgramFolder(const QString& dirOption, const QString& startDir, QSettings& settings,
                                         ModalWindows& modals);

}  // namespace trv
