#include "ui/program_folder.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <cerrno>
#include <cstring>

#include "ui/modal_windows.h"

namespace trv {
namespace {

constexpr const char* kRememberedKey = "programFolder";

// Name filters match without regard to case, as the Windows side sees the file.
QStringList ConfigFiles(const QString& hostDir) {
  return QDir(hostDir).entryList({"TARVO.INI"}, QDir::Files | QDir::Hidden | QDir::System);
}

}  // namespace

bool IsInstalledProgramFolder(const QString& hostDir) {
  return QFileInfo(QDir::cleanPath(hostDir)).fileName() == "bin" && ConfigFiles(hostDir).isEmpty();
}

// The folder takes the new file of every save and the backup; the file is replaced.
bool ProgramFolderWritable(const QString& hostDir) { return ProgramFolderWriteRefusal(hostDir).isEmpty(); }

QString ProgramFolderWriteRefusal(const QString& hostDir) {
  const auto writable = [](const QString& path) { return ::access(QFile::encodeName(path).constData(), W_OK) == 0; };
  const QStringList files = ConfigFiles(hostDir);
  if (writable(hostDir) && (files.isEmpty() || writable(QDir(hostDir).filePath(files.front())))) return {};
  return QString::fromLocal8Bit(std::strerror(errno));
}

QString FolderQuestionStart() {
  QString prefix = qEnvironmentVariable("WINEPREFIX");
  if (prefix.isEmpty()) prefix = QDir::homePath() + "/.wine";
  const QString driveC = prefix + "/drive_c";
  return QFileInfo(driveC).isDir() ? driveC : QDir::homePath();
}

std::optional<QString> FindProgramFolder(const QString& dirOption, const QString& startDir, QSettings& settings,
                                         ModalWindows& modals) {
  if (!dirOption.isEmpty()) return QDir::cleanPath(QDir::current().absoluteFilePath(dirOption));
  if (!IsInstalledProgramFolder(startDir)) return startDir;
  const QString remembered = settings.value(kRememberedKey).toString();
  if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
  const QString chosen = modals.AskDirectory(kProgramFolderQuestion, FolderQuestionStart());
  if (chosen.isEmpty()) return std::nullopt;
  settings.setValue(kRememberedKey, chosen);
  settings.sync();
  return chosen;
}

}  // namespace trv
