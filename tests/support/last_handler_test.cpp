// The last handler of both programs: an exception that nothing else caught, caught in main or
// reaching std::terminate (out of a noexcept function, as out of an event handler), is said
// on stderr and ends the process with status 5.
#include "support/last_handler.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace trv {
namespace {

[[noreturn]] void Throw(int kind) {
  if (kind == 0) throw std::runtime_error("the disk went away");
  throw 42;
}

void ThrowThroughNoexcept(int kind) noexcept { Throw(kind); }

int MainLike(int kind) {
  InstallLastHandler("trvtest");
  try {
    Throw(kind);
  } catch (...) {
    return ReportUnexpectedError("trvtest");
  }
}

TEST(LastHandlerDeathTest, AnExceptionNothingCaughtIsSaidAndEndsWithStatusFive) {
  const struct {
    int kind;
    const char* says;
  } cases[] = {{0, "^trvtest: unexpected error: the disk went away\n$"},
               {1, "^trvtest: unexpected error: an exception of an unknown kind\n$"}};
  for (const auto& c : cases) {
    EXPECT_EXIT(std::exit(MainLike(c.kind)), ::testing::ExitedWithCode(kUnexpectedError), c.says);
    EXPECT_EXIT(
        {
          InstallLastHandler("trvtest");
          ThrowThroughNoexcept(c.kind);
        },
        ::testing::ExitedWithCode(kUnexpectedError), c.says);
  }
}

}  // namespace
}  // namespace trv
