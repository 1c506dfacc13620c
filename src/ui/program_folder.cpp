#include "ui/program_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "platform/program_folder_files.h"
#include "platform/remembered_folder.h"
#include "platform/wine_prefix.h"
#include "ui/modal_windows.h"

namespace trv {
namespace {

constexpr const char* kOldRememberedKey = "programFolder";  // where the settings file kept it

std::string Host(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The remembered folder; the settings file's entry once, when the folder file is missing: it
// moves into the folder file (and out of the settings file once that is written).
QString Remembered(const FolderMemory& memory) {
  if (const auto folder = ReadRememberedFolder(memory.file)) return QFile::decodeName(folder->c_str());
  const QString old = memory.oldSettings.value(kOldRememberedKey).toString();
  if (!old.isEmpty() && WriteRememberedFolder(memory.file, Host(old))) {
    memory.oldSettings.remove(kOldRememberedKey);
    memory.oldSettings.sync();
  }
  return old;
}

enum class Answer { Use, ChooseAnother, Cancel };

// A folder that holds TARVO.INI is taken; another only when the user says so.
Answer AskToUse(const QString& folder, ModalWindows& modals) {
  if (HasConfigFile(Host(folder))) return Answer::Use;
  const QString text = Translated(kNoConfigFileQuestion).arg(QDir::toNativeSeparators(folder));
  switch (modals.AskChoice(text, {Translated(kChooseAnother), Translated(kUseIt), Translated(kCancel)})) {
    case 0: return Answer::ChooseAnother;
    case 1: return Answer::Use;
    default: return Answer::Cancel;
  }
}

// The folder question until the user picks a folder to use, or cancels.
std::optional<QString> AskForFolder(const FolderMemory& memory, ModalWindows& modals, const QString& startDir) {
  QString start = FolderQuestionStart(startDir);
  for (;;) {
    const QString chosen = modals.AskDirectory(Translated(kProgramFolderQuestion), start);
    if (chosen.isEmpty()) return std::nullopt;
    switch (AskToUse(chosen, modals)) {
      case Answer::Use: WriteRememberedFolder(memory.file, Host(chosen)); return chosen;
      case Answer::ChooseAnother: start = chosen; break;
      case Answer::Cancel: return std::nullopt;
    }
  }
}

// `folder` (the start folder or the remembered one) when it holds TARVO.INI or the user says to
// use it; else the folder question, or nothing when the user cancels.
std::optional<QString> UseOrAsk(const QString& folder, const FolderMemory& memory, ModalWindows& modals,
                                const QString& startDir) {
  switch (AskToUse(folder, modals)) {
    case Answer::Use: return folder;
    case Answer::ChooseAnother: return AskForFolder(memory, modals, startDir);
    case Answer::Cancel: return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

bool IsInstalledProgramFolder(const QString& hostDir) {
  return QFileInfo(QDir::cleanPath(hostDir)).fileName() == "bin" && !HasConfigFile(Host(hostDir));
}

bool ProgramFolderWritable(const QString& hostDir) { return ProgramFolderWriteRefusal(hostDir).isEmpty(); }

QString ProgramFolderWriteRefusal(const QString& hostDir) {
  return QString::fromLocal8Bit(FolderWriteRefusal(Host(hostDir)).c_str());
}

QString FolderQuestionStart(const QString& startDir) {
  const QString prefix = QFile::decodeName(WinePrefixFor(Host(startDir)).c_str());
  const QString driveC = prefix + "/drive_c";
  return QFileInfo(driveC).isDir() ? driveC : QDir::homePath();
}

std::optional<QString> FindProgramFolder(const QString& dirOption, bool choose, const QString& startDir,
                                         const FolderMemory& memory, ModalWindows& modals) {
  if (!dirOption.isEmpty()) return QDir::cleanPath(QDir::current().absoluteFilePath(dirOption));
  if (choose) return AskForFolder(memory, modals, startDir);
  // A copy in a folder without TARVO.INI (a build or download folder) takes it over only when
  // the user says so; it never switches silently to the remembered folder, another station's.
  if (!IsInstalledProgramFolder(startDir)) return UseOrAsk(startDir, memory, modals, startDir);
  const QString remembered = Remembered(memory);
  if (remembered.isEmpty() || !QFileInfo(remembered).isDir()) return AskForFolder(memory, modals, startDir);
  return UseOrAsk(remembered, memory, modals, startDir);
}

}  // namespace trv
