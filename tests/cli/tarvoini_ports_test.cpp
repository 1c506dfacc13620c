// tarvoini ports and the port findings of check, in a prefix laid out as Wine lays it out.
// Only registry values are used: the /dev/ttyS* nodes of the machine take other numbers.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/wine_registry.h"
#include "platform/wine_test_prefix.h"
#include "tarvoini_runner.h"

namespace trv {
namespace {

TEST(TarvoIniPortsTest, PortsListsTheDevicesAndCheckReportsTheMissingOne) {
  test::TempDir tmp;
  const std::string prefix = test::MakeWinePrefix(tmp);
  const std::string program = prefix + "/drive_c/TARVO";
  std::string registry = test::ReadFile(prefix + "/system.reg");
  registry = *WithRegistryComPort(registry, 3, tmp / "tnc-device", 0);
  registry = *WithRegistryComPort(registry, 5, tmp / "gone", 0);
  test::WriteFile(prefix + "/system.reg", registry);
  test::WriteFile(tmp / "tnc-device", "");
  test::WriteFile(program + "/DRIVER.TNC/TNC2.TNC", "");
  test::WriteFile(program + "/TARVO.INI",
                  "[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0\r\n"
                  "TNC1=5,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0\r\n"
                  "TNC2=316,128,57600,4,0,1,438.125,KISSINI,DEFDEI,1,1\r\nTNC3=END OF BLOCK\r\n");
  ASSERT_EQ(test::RunTarvoIni(tmp, "--dir '" + program + "' resave").status, 0);

  const test::Result check = test::RunTarvoIni(tmp, "--dir '" + program + "' check");
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(check.out, "TARVO.INI: [DEVICE] TNC1: COM 5 is " + (tmp / "gone") + ", which does not exist (Wine prefix " +
                           prefix + ")\n");
  const test::Result ports = test::RunTarvoIni(tmp, "--dir '" + program + "' ports");
  EXPECT_EQ(ports.status, 0);
  EXPECT_NE(ports.out.find("COM 3: " + (tmp / "tnc-device") + " (Software\\Wine\\Ports; present)\n"), std::string::npos)
      << ports.out;
  EXPECT_NE(ports.out.find("COM 5: " + (tmp / "gone") + " (Software\\Wine\\Ports; does not exist)\n"),
            std::string::npos)
      << ports.out;

  // Outside a prefix: check has nothing to say about ports, ports says why it lists nothing.
  const std::string elsewhere = tmp / "prog";
  test::WriteFile(elsewhere + "/TARVO.INI", test::ReadFile(program + "/TARVO.INI"));
  test::WriteFile(elsewhere + "/DRIVER.TNC/TNC2.TNC", "");
  EXPECT_EQ(test::RunTarvoIni(tmp, "--dir '" + elsewhere + "' check").status, 0);
  const test::Result none = test::RunTarvoIni(tmp, "--dir '" + elsewhere + "' ports");
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("is in no Wine prefix"), std::string::npos) << none.err;
}

// A system.reg that is no regular file or is too large is never read to the end or waited
// for: ports says why it lists nothing (exit 4), check says the ports were not checked.
TEST(TarvoIniPortsTest, ARegistryThatIsNoFileOrTooLargeIsAnErrorNotAHang) {
  test::TempDir tmp;
  const std::string prefix = test::MakeWinePrefix(tmp);
  const std::string program = prefix + "/drive_c/TARVO";
  const std::string file = prefix + "/system.reg";
  test::WriteFile(program + "/TARVO.INI", "[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0\r\n");
  const struct {
    const char* kind;
    const char* says;
  } cases[] = {{"fifo", "it is not a regular file"},
               {"zero", "it is not a regular file"},
               {"folder", "it is not a regular file"},
               {"huge", "it is larger than 64 MB"}};
  for (const auto& c : cases) {
    std::filesystem::remove_all(file);
    const std::string kind = c.kind;
    if (kind == "fifo") {
      ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    }
    if (kind == "zero") std::filesystem::create_symlink("/dev/zero", file);
    if (kind == "folder") std::filesystem::create_directory(file);
    if (kind == "huge") {  // sparse: no disk space taken
      test::WriteFile(file, "");
      std::filesystem::resize_file(file, std::uintmax_t{65} << 20);
    }
    const test::Result ports = test::RunTarvoIni(tmp, "--dir '" + program + "' ports");
    EXPECT_EQ(ports.status, 4) << c.kind;
    EXPECT_EQ(ports.err, "tarvoini: " + file + " cannot be read: " + c.says + "\n") << c.kind;
    const test::Result check = test::RunTarvoIni(tmp, "--dir '" + program + "' check");
    EXPECT_EQ(check.status, 1) << c.kind;
    EXPECT_NE(
        check.out.find("TARVO.INI: " + file + " cannot be read (" + c.says + "); the COM ports are not checked\n"),
        std::string::npos)
        << c.kind << check.out;
  }
}

// Without the prefix's drive letters every path on them would read as missing: a dosdevices
// folder that cannot be listed is a read error.
TEST(TarvoIniPortsTest, ADosdevicesFolderThatCannotBeListedIsAReadError) {
  test::TempDir tmp;
  const std::string prefix = test::MakeWinePrefix(tmp);
  const std::string program = prefix + "/drive_c/TARVO";
  test::WriteFile(program + "/TARVO.INI", "[STATION]\r\nCALL=DL1ABC\r\n");
  const std::string fault = test::ShimPreload() + " TRV_LIST_FAIL=read:5:'" +
                            std::filesystem::canonical(prefix + "/dosdevices").string() + "'";
  for (const char* verb : {"show", "resave"}) {
    const test::Result r = test::RunTarvoIni(tmp, "--dir '" + program + "' " + verb, fault);
    EXPECT_EQ(r.status, 4) << verb << r.err;
    EXPECT_NE(r.err.find("dosdevices kann nicht gelesen werden: Input/output error"), std::string::npos) << r.err;
  }
  EXPECT_EQ(test::ReadFile(program + "/TARVO.INI"), "[STATION]\r\nCALL=DL1ABC\r\n");
}

}  // namespace
}  // namespace trv
