#pragma once
// Reading a file that another program may be writing in place (the terminal program cuts its
// file to nothing and then writes it anew): the file is used once it has settled. A read is
// taken when the file's state is the same before and after it (the reader's own check); a
// file changed only a moment ago is looked at once more a little later and read again when it
// changed; an empty file is given a short time to be filled.
#include <chrono>
#include <functional>
#include <string>

#include "platform/file_reader.h"

namespace trv {

struct SettleBounds {
  // A file whose modification time is less than `fresh` ago (not in the future) is looked at
  // again `recheck` later.
  std::chrono::milliseconds fresh{100};
  std::chrono::milliseconds recheck{50};
  // An empty file is looked at every `recheck` until it has been unchanged this long, at most
  // this long from the first read; also the bound of all reading again.
  std::chrono::milliseconds emptyWait{2000};
  // How a pause passes; empty: the thread sleeps. Where a test lets the other program write.
  std::function<void(std::chrono::milliseconds)> pause = {};

  // No waiting at all: every file counts as settled (tests).
  static SettleBounds None() {
    return {std::chrono::milliseconds(0), std::chrono::milliseconds(0), std::chrono::milliseconds(0)};
  }
};

// `reader`'s read of `hostPath` once the file has settled within `bounds`; the last read when it
// has not settled by then (a write checks the file again before it replaces anything).
FileContents ReadSettled(FileReader& reader, const std::string& hostPath, const SettleBounds& bounds);

}  // namespace trv
