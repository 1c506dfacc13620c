// tarvoini given what it must refuse: values with line breaks, a folder that is not there,
// huge lines. A clear error, the right status, and the file untouched.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>

#include "tarvoini_runner.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::ReadFile;
using test::WriteFile;

class TarvoIniBadInput : public ::testing::Test {
 protected:
  // Runs tarvoini with `args` (shell words); its exit status, stdout in `out`, stderr in `err`.
  int Run(const std::string& args) {
    const test::Result result = test::RunTarvoIni(tmp, args);
    out = result.out;
    err = result.err;
    return result.status;
  }
  std::string File() const { return "'" + ini + "'"; }

  test::TempDir tmp;
  std::string ini = tmp / "TARVO.INI";
  std::string out, err;
};

TEST_F(TarvoIniBadInput, AValueOrNameWithALineBreakIsRefusedAndTheFileKept) {
  const std::string before = "[S]\r\nK=old\r\n";
  WriteFile(ini, before);
  for (const char* word : {"\"$(printf 'a\\rb')\"", "\"$(printf 'a\\nb')\"", "\"$(printf 'a\\r\\n[X]\\r\\nY=1')\""}) {
    EXPECT_EQ(Run("ini set " + File() + " S K " + word), 2) << word;
    EXPECT_NE(err.find("a value may not hold a line break or NUL"), std::string::npos) << err;
    EXPECT_EQ(Run("ini set " + File() + " S " + word + " 1"), 2) << word;
    EXPECT_NE(err.find("a name may not hold a line break or NUL"), std::string::npos) << err;
    EXPECT_EQ(Run("ini set " + File() + " " + word + " K 1"), 2) << word;
  }
  EXPECT_EQ(ReadFile(ini), before);
}

TEST_F(TarvoIniBadInput, AProgramFolderThatIsNotThereIsNeverMade) {
  const fs::path missing = tmp.path() / "gone";
  for (const char* verb : {"show", "check", "resave"}) {
    EXPECT_NE(Run("--dir '" + missing.string() + "' " + verb), 0) << verb;
    EXPECT_NE(err.find("no such directory"), std::string::npos) << err;
  }
  EXPECT_FALSE(fs::exists(missing));
}

TEST_F(TarvoIniBadInput, AHugeLineIsReadCutAndKeptOnWrite) {
  const std::string huge(5'000'000, 'x');
  const std::string before = "[S]\r\nK=" + huge + "\r\n[T]\r\nA=1\r\n";
  WriteFile(ini, before);
  EXPECT_EQ(Run("ini get " + File() + " S K"), 0);
  EXPECT_EQ(out, std::string(2047, 'x') + "\n");
  EXPECT_EQ(Run("ini set " + File() + " T A 2"), 0);
  EXPECT_TRUE(ReadFile(ini) == "[S]\r\nK=" + huge + "\r\n[T]\r\nA=2\r\n");
}

}  // namespace
}  // namespace trv
