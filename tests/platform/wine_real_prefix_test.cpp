// The mapping against Debian's Wine: a prefix made by wineboot and a pseudo-terminal standing
// in for the TNC's serial device. Skips where wine is not installed (CI does not install it).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/unique_fd.h"
#include "platform/wine_ports.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

// Every process of the command, and those Wine leaves running, away from the test's output: a
// Wine process holding it keeps the test runner waiting.
int Wine(const std::string& prefix, const std::string& command) {
  return std::system(
      ("export WINEPREFIX='" + prefix + "' WINEDEBUG=-all DISPLAY=; (" + command + ") </dev/null >/dev/null 2>&1")
          .c_str());
}

std::string ReadFor(int fd, int milliseconds) {
  std::string got;
  pollfd p{fd, POLLIN, 0};
  while (::poll(&p, 1, milliseconds) > 0) {
    char buffer[256];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    got.append(buffer, static_cast<std::size_t>(n));
  }
  return got;
}

TEST(WineRealPrefixTest, TheNextStartMapsAsPredictedAndTheMappingReachesThePty) {
  if (std::system("command -v wine >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "wine is not installed (apt-get install --no-install-recommends wine)";
  test::TempDir dir;
  const std::string prefix = dir / "prefix";
  ASSERT_EQ(Wine(prefix, "wineboot -i && wineserver -w"), 0);
  const SerialHost host = SerialHost::OfThisProcess();

  int master = -1;
  int slave = -1;
  ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
  const UniqueFd masterFd(master);
  const UniqueFd slaveFd(slave);
  const std::string pty = ::ttyname(slave);

  Wine(prefix, "wineserver -p 60");  // a server stays up (or the one of wineboot still is)
  EXPECT_TRUE(WineServerRunning(prefix, host));
  EXPECT_EQ(MapComPort(prefix, 5, pty, host).outcome, MapResult::Outcome::ServerRunning);
  ASSERT_EQ(Wine(prefix, "wineserver -k; wineserver -w"), 0);
  EXPECT_FALSE(WineServerRunning(prefix, host));
  ASSERT_EQ(MapComPort(prefix, 5, pty, host).outcome, MapResult::Outcome::Mapped);

  const std::vector<ComPort> predicted = NextStartComPorts(prefix, host);
  EXPECT_EQ(predicted[4].device, pty);
  Wine(prefix, "wine cmd /c \"echo to-the-tnc> COM5\"");
  EXPECT_NE(ReadFor(master, 2000).find("to-the-tnc"), std::string::npos);
  ASSERT_EQ(Wine(prefix, "wineserver -w"), 0);
  for (const ComPort& port : predicted) {
    std::error_code ec;
    const fs::path link = fs::read_symlink(prefix + "/dosdevices/com" + std::to_string(port.number), ec);
    EXPECT_EQ(ec ? std::string() : link.string(), port.device) << "COM " << port.number;
  }
  Wine(prefix, "wineserver -k");
}

}  // namespace
}  // namespace trv
