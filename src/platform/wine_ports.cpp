#include "platform/wine_ports.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>

#include "platform/atomic_file_writer.h"
#include "platform/checked_swap.h"
#include "platform/file_reader.h"
#include "platform/folder_entries.h"
#include "platform/system_reason.h"
#include "platform/temporary_files.h"
#include "platform/unique_fd.h"
#include "platform/wine_registry.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

constexpr int kWineMaxPorts = 256;
const char* const kFoundSeries[] = {"ttyS", "ttyUSB", "ttyACM"};

// A small regular file's bytes; empty for anything else (a FIFO is never opened to wait).
std::string ReadSmallFile(const std::string& path) { return ReadRegularFile(path, 65536).bytes; }

// The devices a Wine start finds, in the order it gives them COM numbers.
std::vector<std::string> FoundDevices(const SerialHost& host) {
  std::vector<std::string> found;
  for (const char* series : kFoundSeries)
    for (int i = 0;; ++i) {
      std::string path = host.devDir + "/" + series + std::to_string(i);
      if (::access(path.c_str(), F_OK) != 0) break;
      found.push_back(std::move(path));
    }
  return found;
}

std::string LinkTarget(const fs::path& link) {
  std::error_code ec;
  const fs::path target = fs::read_symlink(link, ec);
  return ec ? std::string() : target.string();
}

bool MayOpen(const struct stat& st, const SerialHost& host) {
  constexpr mode_t kReadWrite = 06;
  if (host.uid == 0) return true;
  if (st.st_uid == host.uid) return ((st.st_mode >> 6) & kReadWrite) == kReadWrite;
  const bool member = std::find(host.groups.begin(), host.groups.end(), st.st_gid) != host.groups.end();
  if (member) return ((st.st_mode >> 3) & kReadWrite) == kReadWrite;
  return (st.st_mode & kReadWrite) == kReadWrite;
}

// Whether joining the device's group would let the user open it: the group may read and write
// it, and the owner's bits do not apply to the user instead.
bool GroupWouldHelp(const struct stat& st, const SerialHost& host) {
  constexpr mode_t kReadWrite = 06;
  return st.st_uid != host.uid && ((st.st_mode >> 3) & kReadWrite) == kReadWrite;
}

std::string GroupName(gid_t gid) {
  const struct group* entry = ::getgrgid(gid);
  return entry != nullptr ? entry->gr_name : std::to_string(gid);
}

std::string Canonical(const std::string& path) {
  std::error_code ec;
  const fs::path target = fs::canonical(path, ec);
  return ec ? std::string() : target.string();
}

// by-id link name by the device node it leads to.
std::map<std::string, std::string> ByIdNames(const SerialHost& host) {
  std::map<std::string, std::string> names;
  for (const std::string& name : ListFolder(host.byIdDir).names) {
    const std::string node = Canonical(host.byIdDir + "/" + name);
    if (!node.empty()) names.emplace(node, name);
  }
  return names;
}

bool HasUart(const SerialHost& host, const std::string& name) {
  const std::string type = ReadSmallFile(host.sysTtyDir + "/" + name + "/type");
  return !type.empty() && type != "0\n" && type != "0";
}

std::string ServerFolderName(const std::string& prefix) {
  struct stat st {};
  if (::stat(prefix.c_str(), &st) != 0) return {};
  char name[64];
  std::snprintf(name, sizeof name, "server-%llx-%llx", static_cast<unsigned long long>(st.st_dev),
                static_cast<unsigned long long>(st.st_ino));
  return name;
}

bool LockHeld(const std::string& lockFile) {
  const UniqueFd fd(::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return false;
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  return ::fcntl(fd.get(), F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
}

// The registry file, read only when it is a regular file, whole up to kMaxRegistryBytes;
// temporary files of killed mappings beside it that nobody holds go first, and their new files
// that never took the file's place (a displaced file that did is kept: it may hold Wine's write).
FileContents ReadRegistry(const std::string& prefix) {
  RemoveLeftRegistryCopies(prefix);
  return ReadRegularFile(SystemRegistryFile(prefix), kMaxRegistryBytes);
}

std::string ProblemOf(const FileContents& registry) {
  switch (registry.state) {
    case FileContents::State::Read:
    case FileContents::State::Missing: return {};
    case FileContents::State::NotRegular: return "it is not a regular file";
    case FileContents::State::Failed: break;
  }
  if (registry.error == EFBIG) return "it is larger than " + std::to_string(kMaxRegistryBytes >> 20) + " MB";
  return SystemReason(registry.error);
}

}  // namespace

SerialHost SerialHost::OfThisProcess() {
  SerialHost host;
  host.uid = ::getuid();
  const int count = ::getgroups(0, nullptr);
  std::vector<gid_t> groups(count > 0 ? static_cast<std::size_t>(count) : 0);
  if (count > 0 && ::getgroups(count, groups.data()) == count) host.groups.assign(groups.begin(), groups.end());
  host.groups.push_back(::getgid());
  return host;
}

namespace {

// COM 1 to `highest` as the next Wine start maps them with these registry values.
std::vector<ComPort> PortsFrom(const std::map<int, std::string>& registryPorts, const std::string& prefix,
                               const SerialHost& host, int highest) {
  std::map<int, ComPort> ports;
  for (const auto& [number, device] : registryPorts) ports[number] = {number, device, PortSource::Registry};
  int number = 1;
  for (const std::string& device : FoundDevices(host)) {
    while (number <= kWineMaxPorts && ports.count(number) != 0) ++number;
    if (number > kWineMaxPorts) break;
    ports[number] = {number, device, PortSource::FoundDevice};
  }
  std::vector<ComPort> result;
  for (int n = 1; n <= highest; ++n) {
    if (const auto it = ports.find(n); it != ports.end()) {
      result.push_back(it->second);
      continue;
    }
    const std::string left = LinkTarget(fs::path(prefix) / "dosdevices" / ("com" + std::to_string(n)));
    result.push_back({n, left, left.empty() ? PortSource::None : PortSource::LeftLink});
  }
  return result;
}

}  // namespace

std::vector<ComPort> NextStartComPorts(const std::string& prefix, const SerialHost& host, int highest,
                                       std::string* registryProblem) {
  const FileContents registry = ReadRegistry(prefix);
  if (registryProblem != nullptr) *registryProblem = ProblemOf(registry);
  return PortsFrom(RegistryComPorts(registry.bytes), prefix, host, highest);
}

std::string AdapterName(std::string byIdName) {
  for (const std::string_view bus : {"usb-", "pci-", "platform-"})
    if (byIdName.rfind(bus, 0) == 0) byIdName.erase(0, bus.size());
  if (const std::size_t iface = byIdName.rfind("-if"); iface != std::string::npos && iface > 0) byIdName.erase(iface);
  std::replace(byIdName.begin(), byIdName.end(), '_', ' ');
  return byIdName;
}

DeviceFacts ProbeSerialDevice(const std::string& device, const SerialHost& host) {
  DeviceFacts facts;
  struct stat st {};
  if (device.empty() || ::stat(device.c_str(), &st) != 0) return facts;
  facts.node = Canonical(device);
  if (const auto names = ByIdNames(host); names.count(facts.node) != 0)
    facts.adapter = AdapterName(names.at(facts.node));
  facts.state = MayOpen(st, host) ? DeviceState::Present : DeviceState::NotAllowed;
  if (facts.state == DeviceState::NotAllowed && GroupWouldHelp(st, host)) facts.group = GroupName(st.st_gid);
  return facts;
}

std::vector<SerialDevice> PresentSerialDevices(const SerialHost& host) {
  std::vector<SerialDevice> devices;
  std::set<std::string> named;
  for (const auto& [node, name] : ByIdNames(host)) {
    devices.push_back({host.byIdDir + "/" + name, AdapterName(name) + " (" + node + ")"});
    named.insert(node);
  }
  std::sort(devices.begin(), devices.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
  for (const std::string& path : FoundDevices(host)) {
    const std::string name = fs::path(path).filename().string();
    const bool uartPort = name.rfind("ttyS", 0) == 0;
    if (named.count(Canonical(path)) != 0 || (uartPort && !HasUart(host, name))) continue;
    devices.push_back({path, path});
  }
  return devices;
}

bool WineServerRunning(const std::string& prefix, const SerialHost& host) {
  const std::string server = ServerFolderName(prefix);
  if (server.empty()) return false;
  std::vector<std::string> roots = {host.tempDir + "/.wine-" + std::to_string(host.uid)};
  // Debian's Wine names its folder under the temporary directory in the prefix's file "wineserver".
  std::string named = ReadSmallFile(prefix + "/wineserver");
  while (!named.empty() && (named.back() == '\n' || named.back() == '\0')) named.pop_back();
  if (!named.empty() && named.find('/') == std::string::npos) roots.push_back(host.tempDir + "/" + named);
  return std::any_of(roots.begin(), roots.end(),
                     [&](const std::string& root) { return LockHeld(root + "/" + server + "/lock"); });
}

std::string SystemRegistryFile(const std::string& prefix) { return prefix + "/system.reg"; }

void RemoveLeftRegistryCopies(const std::string& prefix) {
  const std::string file = SystemRegistryFile(prefix);
  SortOutDisplacedFiles(file);
  RemoveUnheldTemporaries(prefix, {fs::path(file).filename().string()});
}

namespace {

// Replaces the registry file with what `change` makes of it, unless a Wine server runs for the
// prefix (checked again just before the write) or the file changed since it was read.
template <class Change>
MapResult ChangeRegistry(const std::string& prefix, const SerialHost& host, const Change& change) {
  if (WineServerRunning(prefix, host)) return {MapResult::Outcome::ServerRunning};
  const FileContents contents = ReadRegistry(prefix);
  if (contents.state == FileContents::State::Missing) return {MapResult::Outcome::NoRegistry};
  if (contents.state != FileContents::State::Read) return {MapResult::Outcome::Refused, contents.error};
  const std::optional<std::string> changed = change(contents.bytes);
  if (!changed) return {MapResult::Outcome::BadDevice};
  if (*changed == contents.bytes) return {};
  if (WineServerRunning(prefix, host)) return {MapResult::Outcome::ServerRunning};
  AtomicFileWriter writer;
  const WriteResult written = writer.Replace(SystemRegistryFile(prefix), *changed, contents.bytes, contents.identity);
  if (written.outcome == WriteResult::Outcome::Written) return {};
  return {MapResult::Outcome::Refused, written.outcome == WriteResult::Outcome::FileChanged ? EAGAIN : written.error};
}

// The errno why the registry file cannot be replaced (the file or, for the new copy that
// replaces it, its folder is not writable); 0 when it can.
int ReplaceProblem(const std::string& file) {
  const std::string target = FileBehindLinks(file);
  if (::access(target.c_str(), W_OK) != 0) return errno;
  const std::string folder = fs::path(target).parent_path().string();
  if (::access(folder.empty() ? "." : folder.c_str(), W_OK) != 0) return errno;
  return 0;
}

}  // namespace

MapResult MapComPort(const std::string& prefix, int number, const std::string& device, const SerialHost& host) {
  return ChangeRegistry(prefix, host, [&](const std::string& bytes) {
    return WithRegistryComPort(bytes, number, device, static_cast<long long>(std::time(nullptr)));
  });
}

MapResult UnmapComPort(const std::string& prefix, int number, const SerialHost& host) {
  return ChangeRegistry(prefix, host, [&](const std::string& bytes) {
    return std::optional<std::string>(WithoutRegistryComPort(bytes, number));
  });
}

DevicePathProblem CheckDevicePath(const std::string& device) {
  if (device.empty()) return DevicePathProblem::Empty;
  if (device.front() != '/') return DevicePathProblem::NotFullPath;
  if (std::any_of(device.begin(), device.end(), [](char c) { return c < 0x20 || c > 0x7e; }))
    return DevicePathProblem::NotPlainText;
  if (device.size() > 255) return DevicePathProblem::TooLong;
  return DevicePathProblem::None;
}

ComPortChange CheckComPortChange(const std::string& prefix, int number, const std::string& device,
                                 const SerialHost& host) {
  using Refusal = ComPortChange::Refusal;
  ComPortChange check;
  check.registryFile = SystemRegistryFile(prefix);
  if (!device.empty() && (check.pathProblem = CheckDevicePath(device)) != DevicePathProblem::None) {
    check.refusal = Refusal::BadDevice;
    return check;
  }
  if (WineServerRunning(prefix, host)) {
    check.refusal = Refusal::ServerRunning;
    return check;
  }
  const FileContents registry = ReadRegistry(prefix);
  if (registry.state == FileContents::State::Missing) {
    check.refusal = Refusal::NoRegistry;
    return check;
  }
  if (registry.state != FileContents::State::Read) {
    check.refusal = Refusal::RegistryUnreadable;
    check.reason = ProblemOf(registry);
    return check;
  }
  if (const int error = ReplaceProblem(check.registryFile); error != 0) {
    check.refusal = Refusal::RegistryReadOnly;
    check.reason = SystemReason(error);
    return check;
  }
  const std::map<int, std::string> now = RegistryComPorts(registry.bytes);
  if (const auto it = now.find(number); it != now.end()) {
    check.hasValue = true;
    check.valueNow = it->second;
  }
  const std::optional<std::string> changed =
      device.empty() ? std::optional<std::string>(WithoutRegistryComPort(registry.bytes, number))
                     : WithRegistryComPort(registry.bytes, number, device, 0);
  if (!changed) {
    check.refusal = Refusal::BadDevice;
    check.pathProblem = DevicePathProblem::NotPlainText;
    return check;
  }
  check.unchanged = *changed == registry.bytes;
  const std::vector<ComPort> ports = PortsFrom(RegistryComPorts(*changed), prefix, host, kWineMaxPorts);
  if (number < 1 || number > static_cast<int>(ports.size())) return check;
  check.after = ports[static_cast<std::size_t>(number - 1)];
  if (check.after.source == PortSource::None) return check;
  check.device = ProbeSerialDevice(check.after.device, host);
  const auto same = [&](const std::string& other) {
    if (other == check.after.device) return true;
    const std::string node = Canonical(other);
    return !node.empty() && node == check.device.node;
  };
  for (const ComPort& port : ports)
    if (port.number != number && port.source != PortSource::None && same(port.device)) check.sameDevice.push_back(port);
  return check;
}

}  // namespace trv
