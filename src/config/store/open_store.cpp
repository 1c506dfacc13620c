#include "config/store/open_store.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/drive_table.h"
#include "platform/host_files.h"
#include "platform/windows_form.h"
#include "platform/wine_ports.h"
#include "platform/wine_prefix.h"

namespace trv {

OpenedStore OpenStore(const std::string& hostFolder, StoreOptions options) {
  OpenedStore opened;
  std::error_code ec;
  if (!std::filesystem::is_directory(hostFolder, ec)) {
    opened.problem = FolderProblem::NotAFolder;
    return opened;
  }
  DriveTable drives = DriveTable::FromWinePrefix(hostFolder);
  // What a killed port mapping left is tidied by whoever starts next on the prefix.
  if (const std::string prefix = WinePrefixFor(hostFolder); IsWinePrefix(prefix)) RemoveLeftRegistryCopies(prefix);
  WindowsDirectory windows = WindowsFormOfDirectory(drives, hostFolder);
  if (windows.path.empty()) {  // another place would be read and written: nothing is
    opened.problem = FolderProblem::NoWindowsPath;
    opened.detail = std::move(windows.problem);
    return opened;
  }
  opened.config =
      std::make_unique<Config>(HostFileSystem(std::move(drives), std::move(windows.path)), std::move(options));
  return opened;
}

}  // namespace trv
