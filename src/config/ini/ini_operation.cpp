#include "config/ini/ini_operation.h"

#include <memory>

#include "config/ini/folder_lock.h"
#include "config/ini/ini_errors.h"

namespace trv {

void RunIniTransaction(const IniTransactionFile& file, IniTransactionKind kind, const IniTransactionSteps& steps) {
  const bool writes = kind == IniTransactionKind::Write;
  const bool onDisk = !file.hostPath.empty();
  // The lock, let go when this function returns or throws.
  std::unique_ptr<DirectoryLock> lock;
  if (writes && onDisk) lock = LockFolderOf(file.hostPath, file.lockWaiting);
  // The sweep of what killed runs left.
  if (onDisk) {
    if (writes)
      TidyBeforeWriting(file.hostPath, file.shownPath, file.keptDisplaced);
    else
      TidyBeforeReading(file.hostPath, file.keptDisplaced);
  }
  const std::size_t mark = file.findings != nullptr ? file.findings->size() : 0;
  for (int attempt = 0; attempt < kOperationAttempts; ++attempt) {
    if (attempt > 0) {
      if (file.findings != nullptr) file.findings->resize(mark);
      if (steps.again) steps.again();
    }
    // The read, at the body's first call that needs the file.
    TIniFile ini(file.hostPath, file.shownPath, &file.writer, &file.reader);
    ini.SetFindings(file.findings);
    ini.SetSettleBounds(file.settle);
    // The body.
    steps.body(ini);
    if (!writes) return;
    // The write.
    const TIniFile::CommitResult result = steps.write ? steps.write(ini) : ini.Commit();
    if (result != TIniFile::CommitResult::FileChanged) return;
  }
  throw IniWriteError(file.shownPath, "another program kept changing the file");
}

}  // namespace trv
