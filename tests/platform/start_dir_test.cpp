#include "platform/start_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "test_util.h"

namespace trv {
namespace {

namespace fs = std::filesystem;

TEST(StartDirectory, NamesTheFolderOfTheStartPathWithoutFollowingLinks) {
  test::TempDir dir;
  test::WriteFile(dir / "usr/bin/trvcfg", "#!/bin/sh\n");
  fs::permissions(dir / "usr/bin/trvcfg", fs::perms::owner_all);
  fs::create_directories(dir / "drive_c/TARVO");
  fs::create_symlink(dir / "usr/bin/trvcfg", dir / "drive_c/TARVO/trvcfg");

  EXPECT_EQ(StartDirectory(dir / "drive_c/TARVO/trvcfg", "", "/"), dir / "drive_c/TARVO");
  EXPECT_EQ(StartDirectory("./TARVO/../TARVO/trvcfg", "", dir / "drive_c"), dir / "drive_c/TARVO");
  EXPECT_EQ(StartDirectory("/trvcfg", "", "/x"), "/");
}

TEST(StartDirectory, LooksUpABareNameInThePathLikeAShell) {
  test::TempDir dir;
  test::WriteFile(dir / "a/trvcfg", "not executable");
  test::WriteFile(dir / "b/trvcfg", "#!/bin/sh\n");
  fs::permissions(dir / "b/trvcfg", fs::perms::owner_all);
  fs::create_directories(dir / "c/trvcfg");  // a folder of that name is no program

  const std::string path = (dir / "c") + ":" + (dir / "a") + ":" + (dir / "b");
  EXPECT_EQ(StartDirectory("trvcfg", path, "/"), dir / "b");
  EXPECT_EQ(StartDirectory("trvcfg", ":" + path, dir / "b"), dir / "b");  // empty entry: working folder
  EXPECT_EQ(StartDirectory("trvcfg", dir / "a", "/"), "");
  EXPECT_EQ(StartDirectory("", path, "/"), "");
}

}  // namespace
}  // namespace trv
