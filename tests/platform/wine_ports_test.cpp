// COM port mapping of Wine prefixes laid out as Wine lays them out: dosdevices links and a
// system.reg whose Ports key was written by `wine reg add` (tests/data/wine-prefix).
#include "platform/wine_ports.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "platform/drive_table.h"
#include "platform/wine_prefix.h"
#include "platform/wine_registry.h"
#include "platform/wine_test_prefix.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

const std::string kFixture = test::WineRegistryFixture();

std::string MakePrefix(const test::TempDir& dir, const std::map<int, std::string>& links = {}) {
  return test::MakeWinePrefix(dir, links);
}

SerialHost HostIn(const test::TempDir& dir) { return test::SerialHostIn(dir); }

TEST(WinePrefixTest, TheNearestPrefixAboveTheFolderComesBeforeTheEnvironment) {
  test::TempDir dir;
  for (const char* made : {"bottle/dosdevices", "bottle/drive_c/Tarvo", "half/drive_c/Tarvo"})
    fs::create_directories(dir / made);
  struct Case {
    std::string folder;
    const char* env;
    const char* home;
    std::string expected;
  } cases[] = {
      {dir / "bottle/drive_c/Tarvo", "/elsewhere", "/home/u", dir / "bottle"},
      {dir / "bottle/drive_c/Tarvo/", nullptr, "/home/u", dir / "bottle"},
      {dir / "bottle/drive_c/Tarvo/../Tarvo", nullptr, "/home/u", dir / "bottle"},
      {dir / "half/drive_c/Tarvo", "/elsewhere", "/home/u", "/elsewhere"},  // no dosdevices: no prefix
      {dir / "half/drive_c/Tarvo", "", "/home/u", "/home/u/.wine"},
      {"/opt/tarvo", nullptr, nullptr, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(WinePrefixFor(c.folder, c.env, c.home), c.expected) << c.folder;

  // The drive table comes from that prefix: the folder is C:\Tarvo, not Z:\...
  fs::create_directory_symlink("../drive_c", dir / "bottle/dosdevices/c:");
  EXPECT_EQ(DriveTable::FromWinePrefix(dir / "bottle/drive_c/Tarvo").ToWindows(dir / "bottle/drive_c/Tarvo"),
            "C:\\Tarvo");
}

TEST(WineRegistryTest, PortsAreReadAndWrittenAsWineDoes) {
  EXPECT_EQ(RegistryComPorts(kFixture), (std::map<int, std::string>{{3, "/dev/ttyUSB0"}, {7, "/dev/ttyS9"}}));
  const std::string noKey = "WINE REGISTRY Version 2\n\n[System\\\\Select] 1\n\"Current\"=dword:00000001\n";
  struct Case {
    std::string file;
    int number;
    std::string device;
    std::map<int, std::string> expected;
  } cases[] = {
      {kFixture,
       3,
       "/dev/serial/by-id/usb-FTDI_A1-if00-port0",
       {{3, "/dev/serial/by-id/usb-FTDI_A1-if00-port0"}, {7, "/dev/ttyS9"}}},
      {kFixture, 7, "/dev/ttyACM0", {{3, "/dev/ttyUSB0"}, {7, "/dev/ttyACM0"}}},
      {kFixture, 1, "/tmp/a \"b\"\\c", {{1, "/tmp/a \"b\"\\c"}, {3, "/dev/ttyUSB0"}, {7, "/dev/ttyS9"}}},
      {noKey, 2, "/dev/ttyUSB1", {{2, "/dev/ttyUSB1"}}},
      {"WINE REGISTRY Version 2", 2, "/dev/ttyUSB1", {{2, "/dev/ttyUSB1"}}},
  };
  for (const Case& c : cases) {
    const auto changed = WithRegistryComPort(c.file, c.number, c.device, 1796700202);
    ASSERT_TRUE(changed) << c.device;
    EXPECT_EQ(RegistryComPorts(*changed), c.expected) << *changed;
    // Only lines are added or one line replaced: every other key stays as it was.
    const std::string rest = c.file.substr(std::min(c.file.find("[System"), c.file.size()));
    EXPECT_NE(changed->find(rest), std::string::npos) << *changed;
    EXPECT_EQ(WithRegistryComPort(*changed, c.number, c.device, 0), *changed);
  }
  const std::string replaced = *WithRegistryComPort(kFixture, 3, "/dev/ttyACM1", 0);
  EXPECT_EQ(replaced.size(), kFixture.size());  // "/dev/ttyUSB0" and "/dev/ttyACM1" are as long
  EXPECT_FALSE(WithRegistryComPort(kFixture, 3, "/dev/tty\nx", 0));
  EXPECT_FALSE(WithRegistryComPort(kFixture, 3, "/dev/gerät", 0));
}

// The key as Wine's registry loader and port setup read it: every copy of the key, names and
// strings with their escapes, a later value of the same name (any letter case) winning, the
// number as wcstol reads it after "COM", values listed in name order until one does not fit.
TEST(WineRegistryTest, TheKeyIsReadAsWineReadsIt) {
  const std::string head = "WINE REGISTRY Version 2\n\n[Software\\\\Wine\\\\Ports] 1\n";
  const std::string other = "\n[System\\\\Select] 1\n";
  const std::string longData(256, 'x');                          // 514 bytes with its NUL: more than the 512 Wine reads
  std::string farPath = "\"COM3\"=\"/" + std::string(200, 'a');  // 231 characters, 261 bytes of UTF-8
  for (int i = 0; i < 30; ++i) farPath += "\\x00e4";
  farPath += "\"\n";
  const struct {
    std::string file;
    std::map<int, std::string> expected;
  } cases[] = {
      {head + "\"COM3\"=\"/a\"\n" + other + "[Software\\\\Wine\\\\Ports] 2\n\"COM5\"=\"/b\"\n", {{3, "/a"}, {5, "/b"}}},
      {head + "\"COM3\"=\"/a\"\n" + other + "[SOFTWARE\\\\wine\\\\PORTS]\n\"com3\"=\"/b\"\n", {{3, "/b"}}},
      {head + "\"COM 3\"=\"/a\"\n\"COM\\t4\"=\"/b\"\n\"COM+5\"=\"/c\"\n\"COM6x\"=\"/d\"\n",
       {{3, "/a"}, {4, "/b"}, {5, "/c"}, {6, "/d"}}},
      {head + "\"COM-3\"=\"/a\"\n\"COM0\"=\"/b\"\n\"COM256\"=\"/c\"\n\"COM\"=\"/d\"\n\"COM255\"=\"/e\"\n",
       {{255, "/e"}}},
      {head + "\"COM3\"=\"/a\"\n\"COM03\"=\"/b\"\n", {{3, "/a"}}},  // listed after COM03, so it is taken last
      {head + "  \"COM3\" = \"/a\"\n\"COM4\"=str:\"/b\"\n\"COM5\"=str(2):\"/c\"\n\"COM6\"=hex(1):2f,00,64,00,00,00\n",
       {{3, "/a"}, {4, "/b"}, {6, "/d"}}},
      {"WINE REGISTRY Version 2\n  [Software\\\\Wine\\\\Ports]\n\"COM\\x33\"=\"/dev/\\x41\\\\\\\"\"\n",
       {{3, "/dev/A\\\""}}},
      {head + "\"COM3\"=\"/a\"\n\"COM3\"=\"/b\n", {}},  // a malformed value leaves one of no type
      {head + "\"COM3\"=\"/a\"\n[Software\\\\Wine\\\\Ports\n\"COM4\"=\"/b\"\n", {{3, "/a"}}},
      {head + "\"AAAAAAA\"=\"x\"\n\"COM3\"=\"/a\"\n", {}},  // a name of seven characters ends the list
      {head + "\"A\"=\"" + longData + "\"\n\"COM3\"=\"/a\"\n", {}},
      {head + "\"A\"=hex:00,\\\n  01\n\"COM3\"=\"/a\"\n", {{3, "/a"}}},
      {head + farPath + "\"COM4\"=\"/b\"\n", {{4, "/b"}}},  // 256 bytes of UTF-8 do not fit its 255
      {head + "\"COM3\"=dword:00000001\n\"COM4\"=\"\"\n", {{4, ""}}},
  };
  for (const auto& c : cases) EXPECT_EQ(RegistryComPorts(c.file), c.expected) << c.file;

  // Mapping a port replaces every value Wine would read for its number, in every copy.
  const std::string twice = head + "\"COM 3\"=\"/old\"\n\"COM4\"=\"/d\"\n" + other +
                            "[Software\\\\Wine\\\\Ports] 2\n\"com03\"=\"/older\"\n\"COM3\"=hex:00,\\\n  01\n";
  const std::string mapped = *WithRegistryComPort(twice, 3, "/dev/ttyUSB0", 0);
  EXPECT_EQ(RegistryComPorts(mapped), (std::map<int, std::string>{{3, "/dev/ttyUSB0"}, {4, "/d"}}));
  EXPECT_EQ(mapped, head + "\"COM3\"=\"/dev/ttyUSB0\"\n\"COM4\"=\"/d\"\n" + other + "[Software\\\\Wine\\\\Ports] 2\n");
  // Unmapping removes them all and nothing else.
  EXPECT_EQ(WithoutRegistryComPort(twice, 3), head + "\"COM4\"=\"/d\"\n" + other + "[Software\\\\Wine\\\\Ports] 2\n");
  EXPECT_EQ(WithoutRegistryComPort(twice, 5), twice);
}

TEST(WinePortsTest, TheNextStartTakesRegistryValuesThenFoundDevicesThenLeftLinks) {
  test::TempDir dir;
  const SerialHost host = HostIn(dir);
  for (const char* node : {"ttyS0", "ttyS1", "ttyS3", "ttyUSB0", "ttyACM0"})
    test::WriteFile(dir / ("dev/" + std::string(node)), "");
  const std::string prefix = MakePrefix(dir, {{1, "/dev/null"}, {8, "/tmp/pty-link"}, {9, "/dev/ttyS0"}});
  const std::vector<ComPort> ports = NextStartComPorts(prefix, host);
  const std::vector<std::pair<std::string, PortSource>> expected = {
      {dir / "dev/ttyS0", PortSource::FoundDevice},  // the link to /dev/null is replaced
      {dir / "dev/ttyS1", PortSource::FoundDevice},  // ttyS3 is not found: ttyS2 is missing
      {"/dev/ttyUSB0", PortSource::Registry},         {dir / "dev/ttyUSB0", PortSource::FoundDevice},
      {dir / "dev/ttyACM0", PortSource::FoundDevice}, {"", PortSource::None},
      {"/dev/ttyS9", PortSource::Registry},           {"/tmp/pty-link", PortSource::LeftLink},
      {"/dev/ttyS0", PortSource::LeftLink},
  };
  ASSERT_EQ(ports.size(), expected.size());
  for (std::size_t i = 0; i < ports.size(); ++i) {
    EXPECT_EQ(ports[i].number, static_cast<int>(i + 1));
    EXPECT_EQ(ports[i].device, expected[i].first) << "COM " << i + 1;
    EXPECT_EQ(ports[i].source, expected[i].second) << "COM " << i + 1;
  }
}

TEST(WinePortsTest, DevicesAreNamedByTheirAdapterAndCheckedForAccess) {
  test::TempDir dir;
  SerialHost host = HostIn(dir);
  for (const char* node : {"ttyS0", "ttyS1", "ttyUSB0", "ttyACM0"})
    test::WriteFile(dir / ("dev/" + std::string(node)), "");
  test::WriteFile(dir / "sys/ttyS0/type", "4\n");
  test::WriteFile(dir / "sys/ttyS1/type", "0\n");
  const std::string byId = host.byIdDir + "/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
  fs::create_symlink("../../ttyUSB0", byId);
  ::chmod((dir / "dev/ttyACM0").c_str(), 0660);
  ::chown((dir / "dev/ttyACM0").c_str(), 0, 20);

  for (const std::string& path : {dir / "dev/ttyUSB0", byId}) {
    EXPECT_EQ(ProbeSerialDevice(path, host).node, dir / "dev/ttyUSB0");
    EXPECT_EQ(ProbeSerialDevice(path, host).adapter, "FTDI FT232R USB UART A50285BI");
  }
  EXPECT_EQ(AdapterName("usb-Silicon_Labs_CP2102_0001-if00-port0"), "Silicon Labs CP2102 0001");
  EXPECT_EQ(AdapterName("pci-Intel_UART"), "Intel UART");
  EXPECT_EQ(ProbeSerialDevice(dir / "dev/ttyS7", host).state, DeviceState::Missing);
  EXPECT_EQ(ProbeSerialDevice(dir / "dev/ttyACM0", host).state, DeviceState::Present);  // root opens all
  host.uid = 1000;
  host.groups = {1000};
  const DeviceFacts denied = ProbeSerialDevice(dir / "dev/ttyACM0", host);
  EXPECT_EQ(denied.state, DeviceState::NotAllowed);
  EXPECT_FALSE(denied.group.empty());
  host.groups.push_back(20);
  EXPECT_EQ(ProbeSerialDevice(dir / "dev/ttyACM0", host).state, DeviceState::Present);
  // Joining the group is advised only where the group may read and write the device.
  for (const mode_t mode : {0600, 0640}) {
    ::chmod((dir / "dev/ttyS1").c_str(), mode);
    const DeviceFacts closed = ProbeSerialDevice(dir / "dev/ttyS1", host);
    EXPECT_EQ(closed.state, DeviceState::NotAllowed) << mode;
    EXPECT_EQ(closed.group, "") << mode;
  }

  std::vector<std::string> listed;
  for (const SerialDevice& d : PresentSerialDevices(host)) listed.push_back(d.path);
  EXPECT_EQ(listed, (std::vector<std::string>{byId, dir / "dev/ttyS0", dir / "dev/ttyACM0"}));
}

TEST(WinePortsTest, AMappingChangesOnlySystemRegAndNeverWhileAServerRuns) {
  test::TempDir dir;
  const SerialHost host = HostIn(dir);
  const std::string prefix = MakePrefix(dir, {{4, "/dev/ttyS3"}});
  const std::string server = fs::path(test::WineServerFolder(prefix, host)).filename();
  for (const std::string& folder : {host.tempDir + "/.wine-0/", host.tempDir + "/wine-aqFFpB/"}) {
    test::WriteFile(prefix + "/wineserver", "wine-aqFFpB");
    fs::create_directories(folder + server);
    test::WriteFile(folder + server + "/lock", "");  // left behind by a server that ended
    EXPECT_FALSE(WineServerRunning(prefix, host));
    const test::ServerLock running(folder + server + "/lock");
    EXPECT_TRUE(WineServerRunning(prefix, host)) << folder;
    EXPECT_EQ(MapComPort(prefix, 4, "/dev/ttyUSB0", host).outcome, MapResult::Outcome::ServerRunning);
    EXPECT_EQ(test::ReadFile(prefix + "/system.reg"), kFixture);
  }
  EXPECT_EQ(MapComPort(prefix, 4, "/dev/ttyUSB0", host).outcome, MapResult::Outcome::Mapped);
  EXPECT_EQ(test::ReadFile(prefix + "/system.reg"), *WithRegistryComPort(kFixture, 4, "/dev/ttyUSB0", 0));
  EXPECT_EQ(fs::read_symlink(prefix + "/dosdevices/com4"), "/dev/ttyS3");  // the next Wine start replaces it
  EXPECT_EQ(NextStartComPorts(prefix, host)[3].device, "/dev/ttyUSB0");
  fs::remove(prefix + "/system.reg");
  EXPECT_EQ(MapComPort(prefix, 4, "/dev/ttyUSB0", host).outcome, MapResult::Outcome::NoRegistry);
}

// The copy a killed mapping left beside system.reg goes; one that another Tarvo folder's
// mapping (same prefix, another folder lock) is writing now stays.
TEST(WinePortsTest, ReadingTheRegistryRemovesOnlyTheCopiesNobodyHolds) {
  test::TempDir dir;
  const std::string prefix = MakePrefix(dir);
  test::WriteFile(prefix + "/.system.reg.aB3dE9", kFixture);
  test::WriteFile(prefix + "/.system.reg.HeLd00", kFixture);
  const test::HeldFile writing(prefix + "/.system.reg.HeLd00");
  std::string problem = "not read";
  NextStartComPorts(prefix, HostIn(dir), 9, &problem);
  EXPECT_EQ(problem, "");
  EXPECT_FALSE(fs::exists(prefix + "/.system.reg.aB3dE9"));
  EXPECT_TRUE(fs::exists(prefix + "/.system.reg.HeLd00"));
}

}  // namespace
}  // namespace trv
