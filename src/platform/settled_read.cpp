#include "platform/settled_read.h"

#include <thread>

namespace trv {
namespace {

using std::chrono::milliseconds;

// Whether the file changed less than `bound` ago; a time in the future is no recent change.
bool ChangedWithin(const FileIdentity& identity, milliseconds bound) {
  if (bound.count() <= 0) return false;
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const auto age = std::chrono::seconds(now.tv_sec - identity.modified.tv_sec) +
                   std::chrono::nanoseconds(now.tv_nsec - identity.modified.tv_nsec);
  return age >= age.zero() && age < bound;
}

void Pause(const SettleBounds& bounds) {
  if (bounds.pause)
    bounds.pause(bounds.recheck);
  else if (bounds.recheck.count() > 0)
    std::this_thread::sleep_for(bounds.recheck);
}

}  // namespace

FileContents ReadSettled(FileReader& reader, const std::string& hostPath, const SettleBounds& bounds) {
  const auto start = std::chrono::steady_clock::now();
  const auto late = [&] { return std::chrono::steady_clock::now() - start >= bounds.emptyWait; };
  for (;;) {
    FileContents contents = reader.Read(hostPath);
    if (contents.state != FileContents::State::Read) return contents;
    if (contents.bytes.empty() && ChangedWithin(contents.identity, bounds.emptyWait) && !late()) {
      Pause(bounds);  // cut a moment ago: its writer may be about to fill it
      continue;
    }
    if (!ChangedWithin(contents.identity, bounds.fresh)) return contents;
    Pause(bounds);
    if (IdentityOf(hostPath) == contents.identity || late()) return contents;
  }
}

}  // namespace trv
