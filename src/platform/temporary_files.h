#pragma once
// The temporary files our writers make beside a file before they rename it over the file:
// ".NAME.XXXXXX". Each is held (flock) by its writer from its creation to its rename or
// removal, so that a sweep removes only the ones that nobody holds: the leftovers of a run
// that was killed, also where no folder lock covers the writers (system.reg of a Wine prefix
// shared by several Tarvo folders).
#include <string>
#include <vector>

namespace trv {

// The temporary name for `hostPath` as mkstemp takes it, and whether a folder entry is one
// (exactly six letters or digits after ".NAME.").
std::string TemporaryPatternFor(const std::string& hostPath);
bool IsTemporaryOf(const std::string& entry, const std::string& name);

// Creates a new temporary file beside `hostPath` and holds it: its descriptor (close it to
// let go), with its path in `temp`; -1 with errno set when none can be made.
int MakeHeldTemporary(const std::string& hostPath, std::string& temp);

// Removes the temporary files of the files named `names` in the folder that nobody holds;
// 0, or the errno of a folder that exists but could not be listed.
int RemoveUnheldTemporaries(const std::string& hostDir, const std::vector<std::string>& names);

}  // namespace trv
