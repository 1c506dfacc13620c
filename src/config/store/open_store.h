#pragma once
// From a host folder to the store of the TARVO.INI in it: the folder checked, the drive table
// of its Wine prefix, and the folder's Windows path. The window and tarvoini open it alike and
// word what stands in the way each in their own manner.
#include <memory>
#include <string>

#include "config/store/config.h"

namespace trv {

enum class FolderProblem {
  None,
  NotAFolder,     // the folder does not exist (or is no folder)
  NoWindowsPath,  // the folder has no exact Windows path; `detail` says why
};

struct OpenedStore {
  std::unique_ptr<Config> config;  // none when there is a problem
  FolderProblem problem = FolderProblem::None;
  std::string detail;
};

OpenedStore OpenStore(const std::string& hostFolder, StoreOptions options = {});

}  // namespace trv
