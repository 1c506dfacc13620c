#pragma once
// Drive letters and the host folders they stand for. Z: is the host root; further
// letters come from a Wine prefix's dosdevices links.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trv {

class DriveTable {
 public:
  DriveTable();                                            // Z: only
  explicit DriveTable(std::map<char, std::string> roots);  // letters upper case, roots host paths
  // Z: plus the letters of the Wine prefix that the program folder `programHostDir` belongs
  // to (WinePrefixFor), when that prefix exists.
  static DriveTable FromWinePrefix(const std::string& programHostDir);
  static DriveTable FromDosDevices(const std::string& dosdevicesDir);

  std::optional<std::string> Root(char letter) const;
  std::vector<char> Letters() const;
  // The Windows form (Windows-1252) of a host path, through the drive with the longest
  // matching root; empty when no drive holds it or a name has no Windows-1252 form.
  std::optional<std::string> ToWindows(std::string_view hostPath) const;

  // The errno of a dosdevices folder that exists but could not be listed (its letters are then
  // missing from the table), and that folder; 0 when it was listed or is not there.
  int ListError() const { return listError_; }
  const std::string& ListedFolder() const { return listedFolder_; }

 private:
  std::map<char, std::string> roots_;
  int listError_ = 0;
  std::string listedFolder_;
};

}  // namespace trv
