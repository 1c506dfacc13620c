#pragma once
// What OK makes of the loaded records: each text as its declaration says (SaveTexts: capitals
// where the window types them, an empty callsign as the default one), and the forms the pages
// give values on their way from the file through the window and back (the read directory as its
// full path, the language file chosen from the list, a driver as its listed file name, ...).
// The records keep what reading made of the file (`tarvoini show` prints that); save all and
// the image of what it writes apply these forms, so `tarvoini resave` writes what OK writes.
// The section reads and writes keep their own rules.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host_files.h"

namespace trv {

class Config;
enum class SectionId;

// The names of the files matching `mask` in the Windows folder `dir`, in capitals and in name
// order, as the pages list them; a folder that exists but cannot be listed gives its error.
FileList ListedFiles(const HostFileSystem& files, std::string_view dir, std::string_view mask);
// The first listed name that begins with `prefix`, without regard to case (in Windows-1252).
std::optional<std::size_t> FirstWithPrefix(const std::vector<std::string>& names, std::string_view prefix);
// The language file chosen for a stored value: the first listed one that begins with it, else
// the first one; none when nothing is listed.
std::optional<std::size_t> ChosenLanguageFile(const std::vector<std::string>& names, std::string_view stored);

// The read directory, which the Directory page shows first and passes through its folder tree,
// becomes its full path, spelled as on disk, when it exists on a mapped drive. The other
// directories keep their form: a relative one stays relative, so the installation can move.
void SavedDirForm(Config& config);
// Each language file becomes the listed file whose name begins with it (without regard to
// case), else the first listed one; with no file listed, the default.
void SavedLanguageForm(Config& config);
// A TNC's command block name without its surrounding blanks; an empty one gives way to `def`.
std::string SavedBlockName(std::string_view name, std::string_view def);
// Each TNC's driver becomes the listed driver file whose name begins with it; the block names
// lose their surrounding blanks (an empty one gives way to its default).
void SavedDeviceForm(Config& config);

// A wave file named without a directory becomes its path in the wave directory, as reading
// puts the directory in front (not cut here: a value set by name that would not fit is refused).
void SavedSoundForm(Config& config);

// The saved form of one section's records (nothing for sections without one).
void ApplySavedForm(Config& config, SectionId id);
// The saved form of every section, in the order load all reads them: what OK writes of records
// changed by name (tarvoini set, apply, tnc), as the next read would make them.
void ApplySavedForms(Config& config);

}  // namespace trv
