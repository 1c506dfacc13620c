#pragma once
// How a new file takes the place of the file that was read, so that another program's write
// that lands at any moment before is never lost: the new file and the file swap names in one
// step, and what the swap displaced is then checked to be the file as read; when it is not,
// the two swap back and the caller runs its action again. The displaced file waits under a
// name of its own that no sweep removes, so that a kill between the swap and the check loses
// nothing either.
//
// What remains: an in-place write into the new file between the swap and the swap back (only
// when the check failed) goes with the new file; and where the file system cannot swap two
// names, the check before a plain rename leaves the moment between check and rename open.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/atomic_file_writer.h"
#include "platform/file_identity.h"

namespace trv {

// The names a displaced file waits under beside `hostPath`: ".NAME.displaced", then
// ".NAME.displaced.2" up to ".9" while the earlier ones are kept from killed runs.
std::string DisplacedNameOf(const std::string& hostPath, int number = 1);
inline constexpr int kDisplacedNames = 9;
// Whether a folder entry is one of those names for the file `name`.
bool IsDisplacedOf(const std::string& entry, const std::string& name);

// Puts the flushed new file `temp` in place of `target` (both in one folder). `previous` and
// `read` are the file as read; `beforeSwap` (may be empty) runs just before the file's name
// changes. Whatever the outcome, nothing of the new file is left beside `target`; FileChanged
// and Refused leave `target` as the other program left it. The new file waits for the swap as
// a second name (a hard link) of `temp`, so that a run killed before the swap leaves a
// displaced name that the next run knows as its own (OwnDisplacedFile).
WriteResult SwapInChecked(const std::string& temp, const std::string& target, std::string_view previous,
                          const FileIdentity& read, const std::function<void()>& beforeSwap);
// A new file where none was read: created only while the name is still free.
WriteResult PlaceNew(const std::string& temp, const std::string& target, const std::function<void()>& beforeSwap);

// The displaced files that killed runs left beside `hostFile`: one that never took the file's
// place (it is still a second name of one of the file's temporary files) is removed; the others
// are kept, since each may hold another program's write, and returned (host paths).
std::vector<std::string> SortOutDisplacedFiles(const std::string& hostFile);

// Still the file that was read: the same identity and, since timestamps may be as coarse as
// a clock tick, the same bytes (compared piece by piece, so no second copy is held). With
// `renamed`, the change time is not compared (a rename sets it).
bool HoldsTheFileRead(const std::string& path, std::string_view previous, const FileIdentity& read,
                      bool renamed = false);

}  // namespace trv
