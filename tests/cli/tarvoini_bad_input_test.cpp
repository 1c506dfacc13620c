// tarvoini given what it must refuse: values with line breaks, a folder that is not there,
// huge lines. A clear error, the right status, and the file untouched.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

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

// Many odd arguments for every verb: each run ends with one of the documented statuses (0 to 4;
// 5 would be an exception nothing caught), never with a signal or an abort.
TEST_F(TarvoIniBadInput, EveryVerbEndsWithADocumentedStatusWhateverItsArguments) {
  const fs::path program = tmp.path() / "prog";
  WriteFile(program / "TARVO.INI",
            "[STATION]\r\nCALL=DL1ABC\r\n[DEVICE]\r\nTNC0=1,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\n");
  WriteFile(program / "DRIVER.TNC" / "TNC2.TNC", "");
  const std::string dir = "--dir '" + program.string() + "' ", file = File(), json = tmp / "odd.json";
  const std::string big = "99999999999999999999999999";
  const std::vector<std::string> runs = {"''",
                                         "-",
                                         "--",
                                         "--dir",
                                         "--dir ''",
                                         "--dir '' show",
                                         "--dir /dev/null show",
                                         dir + "--dir x show",
                                         dir + "show --json --json",
                                         dir + "get",
                                         dir + "get ''",
                                         dir + "get 'TncTable[" + big + "].Port'",
                                         dir + "get 'TncTable[-1].Port'",
                                         dir + "get '['",
                                         dir + "get 'TncTable[0]'",
                                         dir + "names x",
                                         dir + "ports x",
                                         dir + "set",
                                         dir + "set a",
                                         dir + "set '' ''",
                                         dir + "set StationSettings.Call ''",
                                         dir + "set ExtraSettings.UtcOffset " + big,
                                         dir + "set ExtraSettings.UtcOffset 99999999999",
                                         dir + "set ExtraSettings.UtcOffset -99999999999",
                                         dir + "set MailboxSettings.Timeout 9223372036854775807min",
                                         dir + "set MailboxSettings.Timeout -9223372036854775808min",
                                         dir + "set MailboxSettings.Timeout min",
                                         dir + "set TncTable[0].Qrg nan",
                                         dir + "set TncTable[0].Qrg inf",
                                         dir + "set TncTable[0].Qrg 1e400",
                                         dir + "set TncTable[0].Qrg -0",
                                         dir + "set TncTable[0].Qrg ,",
                                         dir + "set TncTable[0].Port " + big,
                                         dir + "set TncTable[0].Channels -1",
                                         dir + "set MailboxSettings.FHeaderText '['",
                                         dir + "set MailboxSettings.FHeaderText '[]'",
                                         dir + "set MailboxSettings.FHeaderText ']'",
                                         dir + "set DisplaySettings.SaveRX ''",
                                         dir + "set --dry-run",
                                         dir + "set --dry-run --dry-run a b",
                                         dir + "tnc",
                                         dir + "tnc del",
                                         dir + "tnc del ''",
                                         dir + "tnc del 2x",
                                         dir + "tnc del +0",
                                         dir + "tnc del -0",
                                         dir + "tnc del ' 0'",
                                         dir + "tnc del " + big,
                                         dir + "tnc add x",
                                         dir + "tnc --dry-run del 0",
                                         dir + "apply",
                                         dir + "apply ''",
                                         dir + "apply /nonexistent",
                                         dir + "apply /dev/null",
                                         dir + "apply '" + program.string() + "'",
                                         dir + "apply '" + json + "'",
                                         dir + "restore x",
                                         dir + "resave x",
                                         dir + "check --file",
                                         dir + "check --file ''",
                                         dir + "check --file /dev/null",
                                         "ini",
                                         "ini get",
                                         "ini get '' '' ''",
                                         "ini set " + file + " '' '' ''",
                                         "ini set " + file + " S '' v",
                                         "ini del " + file + " ''",
                                         "ini keys " + file + " ''",
                                         "ini sections /dev/null",
                                         "ini get /nonexistent/x S K",
                                         "ini set '" + program.string() + "' S K V"};
  // What apply is given: odd JSON, deep, with bad escapes and numbers.
  const std::vector<std::string> documents = {"",
                                              "{",
                                              "[",
                                              "{\"a\":",
                                              "\"\\u\"",
                                              "\"\\uZZZZ\"",
                                              "{\"StationSettings\":{\"Call\":\"\\uD800\"}}",
                                              "{\"StationSettings\":{\"Call\":123}}",
                                              "{\"TncTable\":[{\"Port\":1e999}]}",
                                              "{\"TncTable\":[{},{},{},{},{},{},{},{},{},{},{}]}",
                                              "{\"MailboxSettings\":{\"FHeaderText\":\"\"}}",
                                              "{\"ExtraSettings\":{\"UtcOffset\":" + big + "}}",
                                              std::string(100, '[') + std::string(100, ']'),
                                              "{\"\":{\"\":{\"\":1}}}",
                                              "[1,2,3]",
                                              "nul",
                                              "tru",
                                              "-",
                                              "\"\\"};
  for (const std::string& document : documents) {
    WriteFile(json, document);
    const int status = Run(dir + "apply '" + json + "'");
    EXPECT_TRUE(status >= 0 && status <= 4) << document << " gave " << status << ": " << err;
  }
  for (const std::string& args : runs) {
    const int status = Run(args);
    EXPECT_TRUE(status >= 0 && status <= 4) << args << " gave " << status << ": " << err;
  }
}

// The last handler: memory that runs out (here under a limit on the address space) is said and
// ends with status 5 of its own, not with an abort.
TEST_F(TarvoIniBadInput, AnExceptionNothingElseCatchesEndsWithStatusFiveAndSaysSo) {
  if (!std::string(PRELOAD_FIRST).empty()) GTEST_SKIP() << "a sanitizer's runtime needs more address space";
  const fs::path program = tmp.path() / "prog";
  WriteFile(program / "TARVO.INI", "[STATION]\r\nCALL=DL1ABC\r\n");
  const std::string json = tmp / "long.json";
  WriteFile(json, "\"" + std::string(60'000'000, 'a') + "\"");  // read, then copied: more than the limit
  const test::Result r = test::RunTarvoIni(tmp, "--dir '" + program.string() + "' apply '" + json + "'",
                                           "ulimit -v 100000; WINEPREFIX='" + (tmp / "no-wine-prefix") + "'");
  EXPECT_EQ(r.status, 5) << r.err;
  EXPECT_EQ(r.err, "tarvoini: unexpected error: std::bad_alloc\n");
  EXPECT_EQ(ReadFile(program / "TARVO.INI"), "[STATION]\r\nCALL=DL1ABC\r\n");
}

// Numbers in arguments are whole numbers: 0002 is 2, and anything but digits is refused.
TEST_F(TarvoIniBadInput, NumbersInArgumentsAreReadWhole) {
  const fs::path program = tmp.path() / "prog";
  const std::string three =
      "[DEVICE]\r\nTNC0=1,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\n"
      "TNC1=2,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\n"
      "TNC2=3,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC3=END OF BLOCK\r\n";
  WriteFile(program / "DRIVER.TNC" / "TNC2.TNC", "");
  const struct {
    const char* args;
    int status;
    const char* says;  // in the error, or the line the file gets
  } cases[] = {
      {"tnc del 0002", 0, "TNC1=2,248,19200,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC2=END OF BLOCK\r\n"},
      {"tnc del 00", 0, "TNC0=2,248,"},
      {"tnc del ''", 2, "tnc del needs the number of a TNC (0, 1, ...), not ''"},
      {"tnc del 2x", 2, "not '2x'"},
      {"tnc del +2", 2, "not '+2'"},
      {"tnc del ' 2'", 2, "not ' 2'"},
      {"tnc del -0", 2, "not '-0'"},
      {"tnc del 0x1", 2, "not '0x1'"},
      {"tnc del 3", 2, "no TNC 3 (the TNCs are numbered 0 to 2)"},
      {"tnc del 99999999999999999999999", 2, "no TNC 99999999999999999999999"},
      {"set 'TncTable[0001].Baud' 9600", 0, "TNC1=2,248,9600,"},
      {"set MailboxSettings.Timeout 0030min", 0, "TIMEOUT=30\r\n"},
      {"set MailboxSettings.Timeout +30min", 2, "'+30' is not a whole number"},
      {"set ExtraSettings.UtcOffset 2147483648", 2, "'2147483648' is outside -2147483648 to 2147483647"},
  };
  for (const auto& c : cases) {
    WriteFile(program / "TARVO.INI", three);
    EXPECT_EQ(Run("--dir '" + program.string() + "' " + c.args), c.status) << c.args << err;
    if (c.status == 0) {
      EXPECT_NE(ReadFile(program / "TARVO.INI").find(c.says), std::string::npos)
          << c.args << ReadFile(program / "TARVO.INI");
    } else {
      EXPECT_NE(err.find(c.says), std::string::npos) << c.args << err;
      EXPECT_EQ(ReadFile(program / "TARVO.INI"), three) << c.args;
    }
  }
}

// A settings file that is deeply nested is refused before it can exhaust the stack; one that
// names a setting many times is read in time that grows with its size.
TEST_F(TarvoIniBadInput, ApplyRefusesDeepNestingAndReadsRepeatedNamesInLinearTime) {
  const fs::path program = tmp.path() / "prog";
  WriteFile(program / "TARVO.INI", "[STATION]\r\nCALL=DL1ABC\r\n");
  const std::string json = tmp / "big.json", dir = "--dir '" + program.string() + "' ";
  const struct {
    std::size_t depth;
    int status;
  } nestings[] = {{64, 2}, {65, 2}, {50'000, 2}};  // 64 levels are read (and refused: a list, not settings)
  for (const auto& n : nestings) {
    WriteFile(json, std::string(n.depth, '[') + std::string(n.depth, ']'));
    EXPECT_EQ(Run(dir + "apply '" + json + "'"), n.status) << n.depth << err;
    EXPECT_EQ(err.find("nested deeper than 64 levels") != std::string::npos, n.depth > 64) << n.depth << err;
    EXPECT_EQ(err.find("an object of settings, not a list") != std::string::npos, n.depth <= 64) << n.depth << err;
  }
  std::string repeated = "{\"StationSettings\": {";
  for (int i = 0; i < 300'000; ++i) repeated += i % 2 == 0 ? "\"Call\": \"DL1ABC\", " : "\"CALL\": \"DL1ABC\", ";
  repeated += "\"call\": \"DK0NEW\"}}";
  WriteFile(json, repeated);
  EXPECT_EQ(Run(dir + "apply '" + json + "'"), 0) << err;  // read in linear time: a second, not a minute
  EXPECT_EQ(ReadFile(program / "TARVO.INI"), "[STATION]\r\nCALL=DK0NEW\r\n");  // the last one counts
}

}  // namespace
}  // namespace trv
