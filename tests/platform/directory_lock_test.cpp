#include "platform/directory_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "test_util.h"

namespace trv {
namespace {

using std::chrono::milliseconds;

// What a wait told, in order.
struct Told {
  LockWaitNotice Notice(bool goOn = true) {
    return [this, goOn](const LockWaiting& w) {
      calls.push_back(w);
      return goOn;
    };
  }
  std::vector<LockWaiting> calls;
};

std::string ErrorOf(const std::string& dir, const LockWaitNotice& notice, milliseconds limit) {
  try {
    DirectoryLock lock(dir, notice, limit);
  } catch (const DirectoryLockError& e) {
    EXPECT_EQ(e.Dir(), dir);
    return e.what();
  }
  return "taken";
}

TEST(DirectoryLock, AFolderLockedByAnotherProcessIsWaitedForAtMostTheLimitAndTheWaitIsTold) {
  test::TempDir tmp;
  const std::string dir = tmp.path().string();
  test::ForeignFolderLock foreign(dir);

  Told timedOut;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ErrorOf(dir, timedOut.Notice(), milliseconds(2000)),
            "The folder " + dir + " is locked by another program; gave up after waiting 2 seconds");
  EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(3000));
  ASSERT_GE(timedOut.calls.size(), 3u);
  EXPECT_GE(timedOut.calls.front().waited, kLockWaitQuiet);  // quiet for the first second
  EXPECT_EQ(timedOut.calls.front().dir, dir);
  EXPECT_EQ(timedOut.calls.front().limit, milliseconds(2000));
  EXPECT_FALSE(timedOut.calls.front().over);
  EXPECT_TRUE(timedOut.calls.back().over);

  Told cancelled;
  EXPECT_EQ(ErrorOf(dir, cancelled.Notice(false), milliseconds(10000)),
            "The folder " + dir + " is locked by another program; the wait was cancelled");
  ASSERT_EQ(cancelled.calls.size(), 2u);
  EXPECT_TRUE(cancelled.calls.back().over);

  std::thread release([&] {
    std::this_thread::sleep_for(milliseconds(1300));
    foreign.Release();
  });
  Told released;
  EXPECT_EQ(ErrorOf(dir, released.Notice(), milliseconds(10000)), "taken");
  release.join();
  EXPECT_FALSE(released.calls.empty());
  EXPECT_TRUE(released.calls.back().over);
}

TEST(DirectoryLock, AFreeFolderIsTakenAtOnceAndSharedWithinTheProcess) {
  test::TempDir tmp;
  Told told;
  const DirectoryLock outer(tmp.path().string(), told.Notice(), milliseconds(100));
  EXPECT_EQ(ErrorOf(tmp.path().string(), told.Notice(), milliseconds(100)), "taken");
  EXPECT_EQ(ErrorOf(tmp / "missing", told.Notice(), milliseconds(100)), "taken");  // nothing to guard
  EXPECT_TRUE(told.calls.empty());
}

}  // namespace
}  // namespace trv
