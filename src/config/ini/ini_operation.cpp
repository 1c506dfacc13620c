#include "config/ini/ini_operation.h"

#include "config/ini/ini_errors.h"

namespace trv {

void RunIniOperation(const std::function<std::unique_ptr<TIniFile>()>& open, const std::function<void(TIniFile&)>& body,
                     Findings* findings, const IniCommit& commit) {
  const std::size_t mark = findings != nullptr ? findings->size() : 0;
  std::string shownPath;
  for (int attempt = 0; attempt < kOperationAttempts; ++attempt) {
    if (findings != nullptr) findings->resize(mark);
    const std::unique_ptr<TIniFile> ini = open();
    shownPath = ini->ShownPath();
    body(*ini);
    const TIniFile::CommitResult result = commit ? commit(*ini) : ini->Commit();
    if (result != TIniFile::CommitResult::FileChanged) return;
  }
  throw IniWriteError(shownPath, "another program kept changing the file");
}

}  // namespace trv
