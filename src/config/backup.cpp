#include "config/backup.h"

#include <cstring>

#include "config/config.h"
#include "config/folder_lock.h"
#include "config/ini_errors.h"
#include "config/ini_operation.h"
#include "config/sections.h"
#include "platform/atomic_file_writer.h"
#include "platform/directory_lock.h"
#include "platform/file_reader.h"

namespace trv {
namespace {

std::string ReasonOf(int error) { return error == 0 ? std::string() : std::string(std::strerror(error)); }

FileWriter& WriterOf(const Config& config) {
  return config.Options.writer != nullptr ? *config.Options.writer : DefaultFileWriter();
}

FileReader& ReaderOf(const Config& config) {
  return config.Options.reader != nullptr ? *config.Options.reader : DefaultFileReader();
}

std::string HostPathOf(const Config& config, const std::string& windowsPath) {
  return config.Files.ToHost(windowsPath).value_or(std::string());
}

// Passes every write on; before the first one, keeps the file it replaces as the backup
// (none when that write creates the file: the later ones then change the save's own file).
class BackupFirstWriter : public FileWriter {
 public:
  BackupFirstWriter(const Config& config, bool& started, bool& kept)
      : inner_(WriterOf(config)),
        backupShown_(BackupFilePath(config)),
        backupHost_(HostPathOf(config, backupShown_)),
        started_(started),
        kept_(kept) {}

  WriteResult Replace(const std::string& hostPath, std::string_view bytes, std::string_view previous,
                      const FileIdentity& read) override {
    if (!started_ && read.exists) {
      const WriteResult backup = inner_.WriteCopy(backupHost_, previous, hostPath);
      if (backup.outcome != WriteResult::Outcome::Written) throw IniWriteError(backupShown_, ReasonOf(backup.error));
      kept_ = true;
    }
    started_ = true;
    return inner_.Replace(hostPath, bytes, previous, read);
  }
  WriteResult WriteCopy(const std::string& hostPath, std::string_view bytes, const std::string& like) override {
    return inner_.WriteCopy(hostPath, bytes, like);
  }

 private:
  FileWriter& inner_;
  std::string backupShown_;
  std::string backupHost_;
  bool& started_;
  bool& kept_;
};

FileContents ReadOrThrow(FileReader& reader, const std::string& hostPath, const std::string& shownPath) {
  FileContents contents = reader.Read(hostPath);
  if (contents.state == FileContents::State::NotRegular) throw IniReadError(shownPath, "not a regular file");
  if (contents.state == FileContents::State::Failed) throw IniReadError(shownPath, ReasonOf(contents.error));
  return contents;
}

}  // namespace

std::string BackupFilePath(const Config& config) { return config.Dirs.GetProgramDir() + "TARVO.BAK"; }

BackupKeeper BackupKeeper::ForFileAsItIs(const Config& config) {
  BackupKeeper keeper;
  keeper.started_ = !IdentityOf(HostPathOf(config, config.ConfigFilePath())).exists;
  return keeper;
}

void BackupKeeper::SaveAll(Config& config, const std::function<void(SectionId)>& beforeWrite) {
  BackupFirstWriter writer(config, started_, kept_);
  FileWriter* const own = config.Options.writer;
  config.Options.writer = &writer;
  try {
    trv::SaveAll(config, beforeWrite);
  } catch (...) {
    config.Options.writer = own;
    throw;
  }
  config.Options.writer = own;
}

bool RestoreBackup(const Config& config) {
  const std::string fileShown = config.ConfigFilePath();
  const std::string backupShown = BackupFilePath(config);
  const std::string fileHost = HostPathOf(config, fileShown);
  const std::string backupHost = HostPathOf(config, backupShown);
  if (fileHost.empty()) throw IniReadError(fileShown, "the path is on no drive of this machine");
  const auto lock = LockFolderOf(fileHost, config.Options.lockWaiting);
  FileWriter& writer = WriterOf(config);
  for (int attempt = 0; attempt < kOperationAttempts; ++attempt) {
    const FileContents backup = ReadOrThrow(ReaderOf(config), backupHost, backupShown);
    if (backup.state == FileContents::State::Missing) return false;
    const FileContents current = ReadOrThrow(ReaderOf(config), fileHost, fileShown);
    const bool exists = current.state == FileContents::State::Read;
    if (exists && current.bytes == backup.bytes) return true;
    const WriteResult put = writer.Replace(fileHost, backup.bytes, current.bytes, current.identity);
    if (put.outcome == WriteResult::Outcome::FileChanged) continue;
    if (put.outcome == WriteResult::Outcome::Refused) throw IniWriteError(fileShown, ReasonOf(put.error));
    if (!exists) return true;  // nothing to keep
    const WriteResult keep = writer.WriteCopy(backupHost, current.bytes, fileHost);
    if (keep.outcome != WriteResult::Outcome::Written) {
      // The replaced file is only in memory now: put it back rather than lose it.
      writer.Replace(fileHost, current.bytes, backup.bytes, IdentityOf(fileHost));
      throw IniWriteError(backupShown, ReasonOf(keep.error));
    }
    return true;
  }
  throw IniWriteError(fileShown, "another program kept changing the file");
}

}  // namespace trv
