// tarvoini ports and the port findings of check, in a prefix laid out as Wine lays it out.
// Only registry values are used: the /dev/ttyS* nodes of the machine take other numbers.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <map>

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

  // A copy of system.reg that a killed mapping left and nobody holds goes at the start of every verb.
  for (const char* verb : {"show", "get StationSettings.Call", "set StationSettings.Qth JN00AA", "resave", "check"}) {
    test::WriteFile(prefix + "/.system.reg.aB3dE9", "x");
    test::RunTarvoIni(tmp, "--dir '" + program + "' " + verb);
    EXPECT_FALSE(std::filesystem::exists(prefix + "/.system.reg.aB3dE9")) << verb;
  }

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

// ports map and unmap run the checks of the window's Map... before anything is written: the
// registry must be there and writable and Wine must not run; a typed path is taken, also for
// a device that is not there yet, and a device that another COM port has too is said. A
// change touches the port's value alone; every refusal leaves system.reg as it was.
TEST(TarvoIniPortsTest, MapAndUnmapChangeOnlyThePortsValueAfterTheirChecks) {
  test::TempDir tmp;
  const std::string prefix = test::MakeWinePrefix(tmp);
  const std::string program = prefix + "/drive_c/TARVO";
  const std::string file = prefix + "/system.reg";
  test::WriteFile(program + "/TARVO.INI", "[STATION]\r\nCALL=DL1ABC\r\n");
  const std::string fixture = test::ReadFile(file);  // COM3 "/dev/ttyUSB0", COM7 "/dev/ttyS9"
  const std::string pty = tmp / "pts-7";
  test::WriteFile(pty, "");
  const std::string key = "[Software\\Wine\\Ports] in " + file;
  enum Setup { Fixture, Missing, Folder, Immutable, WineRuns };
  const struct {
    Setup setup;
    std::string args;
    int status;
    std::string out;  // exactly
    std::string err;  // a part of it
    std::string after;
  } cases[] = {
      {Fixture, "map COM5 " + pty, 0,
       "set \"COM5\"=\"" + pty + "\" under " + key + "\nfrom the next Wine start on, COM 5 is " + pty +
           " (Software\\Wine\\Ports)\n",
       "", *WithRegistryComPort(fixture, 5, pty, 0)},
      {Fixture, "map com3 " + pty, 0,
       "set \"COM3\"=\"" + pty + "\" under " + key +
           " (it was \"/dev/ttyUSB0\")\nfrom the next Wine start on, COM 3 is " + pty + " (Software\\Wine\\Ports)\n",
       "", *WithRegistryComPort(fixture, 3, pty, 0)},
      {Fixture, "map 'COM 4' /dev/rfcomm0", 0, "", "note: /dev/rfcomm0: does not exist\n",
       *WithRegistryComPort(fixture, 4, "/dev/rfcomm0", 0)},
      {Fixture, "map COM5 /dev/ttyS9", 0, "",
       "note: /dev/ttyS9 is also COM 7 (Software\\Wine\\Ports); COM 5 and COM 7 share the device\n",
       *WithRegistryComPort(fixture, 5, "/dev/ttyS9", 0)},
      {Fixture, "map COM3 /dev/ttyUSB0", 0, "COM 3 is /dev/ttyUSB0 already; nothing changed\n", "", fixture},
      {Fixture, "unmap COM3", 0,
       "removed \"COM3\"=\"/dev/ttyUSB0\" from " + key + "\nfrom the next Wine start on, COM 3 is ", "",
       WithoutRegistryComPort(fixture, 3)},
      {Fixture, "unmap COM4", 0, "\"COM4\" is not under " + key + "; nothing changed\n", "", fixture},
      {Fixture, "map COM3 dev/ttyUSB1", 2, "", "name the device by its full path", fixture},
      {Fixture, "map COM3 /dev/gerät", 2, "", "printable ASCII only", fixture},
      {Fixture, "map COM10 /dev/ttyUSB1", 2, "", "COM10 is no COM port from COM1 to COM9", fixture},
      {Fixture, "map COM3", 2, "", "ports takes map COMn DEVICE or unmap COMn", fixture},
      {Missing, "map COM3 /dev/ttyUSB1", 4, "", file + " does not exist: start a program in this Wine prefix once", ""},
      {Folder, "unmap COM3", 4, "", file + " cannot be read: it is not a regular file", ""},
      {Immutable, "map COM3 /dev/ttyUSB1", 3, "", file + " cannot be written: Operation not permitted", fixture},
      {WineRuns, "unmap COM3", 3, "", "Wine is running in " + prefix, fixture},
  };
  for (const auto& c : cases) {
    std::filesystem::remove_all(file);
    std::filesystem::remove(prefix + "/wineserver");
    if (c.setup == Folder) std::filesystem::create_directory(file);
    if (c.setup != Missing && c.setup != Folder) test::WriteFile(file, fixture);
    ::chmod(file.c_str(), 0640);
    // Debian's Wine keeps its server folder under /tmp, named in the prefix's file "wineserver".
    const std::string serverRoot = "/tmp/trv-wine-" + tmp.path().filename().string();
    std::unique_ptr<test::ServerLock> server;
    if (c.setup == WineRuns) {
      test::WriteFile(prefix + "/wineserver", std::filesystem::path(serverRoot).filename().string());
      const std::string folder =
          serverRoot + "/" + std::filesystem::path(test::WineServerFolder(prefix, {})).filename().string();
      std::filesystem::create_directories(folder);
      server = std::make_unique<test::ServerLock>(folder + "/lock");
    }
    const bool immutable = c.setup == Immutable && std::system(("chattr +i '" + file + "' 2>/dev/null").c_str()) == 0;
    if (c.setup == Immutable && !immutable) continue;  // chattr is not allowed here
    const test::Result r = test::RunTarvoIni(tmp, "--dir '" + program + "' ports " + c.args);
    if (immutable) std::system(("chattr -i '" + file + "'").c_str());
    server.reset();
    std::filesystem::remove_all(serverRoot);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    if (!c.out.empty() && c.out.back() != ' ') {
      EXPECT_EQ(r.out, c.out) << c.args;
    }
    if (c.status != 0) {
      EXPECT_EQ(r.out, "") << c.args;
    }
    EXPECT_EQ(r.out.rfind(c.out, 0), 0u) << c.args << "\n" << r.out;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args << "\n" << r.err;
    if (c.setup != Missing && c.setup != Folder) {
      EXPECT_EQ(test::ReadFile(file), c.after) << c.args;
      struct stat st {};
      ::stat(file.c_str(), &st);
      EXPECT_EQ(st.st_mode & 07777, 0640u) << c.args;
    }
  }
  for (const auto& entry : std::filesystem::directory_iterator(prefix))  // no copy left beside it
    EXPECT_EQ(entry.path().filename().string().rfind(".system.reg", 0), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace trv
