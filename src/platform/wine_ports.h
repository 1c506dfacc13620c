#pragma once
// Which host device each COM port of a Wine prefix is. Every Wine start rebuilds the comN
// links in the prefix's dosdevices folder: first from the "COMn" values under
// Software\Wine\Ports in system.reg, then with the /dev/ttyS*, ttyUSB* and ttyACM* devices it
// finds (each series up to its first missing number), which take the free numbers from COM 1
// on. Links for numbers that neither gives stay as they are. Only the registry value lasts
// for a number that a found device would take. docs/wine-com-ports.md has the details.
#include <cstddef>
#include <string>
#include <vector>

namespace trv {

// Where the devices and the Wine servers' folders are, and who opens the devices. Tests
// point the folders at their own.
struct SerialHost {
  std::string devDir = "/dev";
  std::string byIdDir = "/dev/serial/by-id";
  std::string sysTtyDir = "/sys/class/tty";
  std::string tempDir = "/tmp";
  unsigned uid = 0;
  std::vector<unsigned> groups;
  static SerialHost OfThisProcess();
};

enum class PortSource { Registry, FoundDevice, LeftLink, None };

struct ComPort {
  int number = 0;
  std::string device;  // host path; empty when the port is not mapped
  PortSource source = PortSource::None;
};

// COM 1 to `highest` as the next Wine start in `prefix` maps them. A system.reg that cannot be
// read counts as one without mappings; `registryProblem` gets why ("it is not a regular file",
// "it is larger than 64 MB", the system's reason), empty when it can be read or is missing. It
// is opened only when it is a regular file and never blocks (a FIFO) or fills the memory
// (/dev/zero). Reading it also removes the temporary files that a killed mapping left beside it
// and that nobody holds.
std::vector<ComPort> NextStartComPorts(const std::string& prefix, const SerialHost& host, int highest = 9,
                                       std::string* registryProblem = nullptr);

enum class DeviceState { Present, Missing, NotAllowed };

struct DeviceFacts {
  DeviceState state = DeviceState::Missing;
  std::string node;     // the device node that the path leads to (/dev/ttyUSB0)
  std::string adapter;  // the adapter's name from /dev/serial/by-id (AdapterName); often empty
  // When the user may not open the device: its group, if joining that group would let them
  // (the group may read and write it); empty when it would not (a device of root's, mode 0600).
  std::string group;
};

// A /dev/serial/by-id name as the user knows the adapter: "usb-FTDI_FT232R_USB_UART_A5-if00-port0"
// is "FTDI FT232R USB UART A5".
std::string AdapterName(std::string byIdName);

DeviceFacts ProbeSerialDevice(const std::string& device, const SerialHost& host);

struct SerialDevice {
  std::string path;   // what a mapping names: the by-id path where there is one
  std::string label;  // what a list shows
};

// The serial devices present: adapters by their by-id names, then USB and ACM nodes without
// one, then the ttyS ports that have a UART behind them.
std::vector<SerialDevice> PresentSerialDevices(const SerialHost& host);

// True while a Wine server runs for `prefix` (it holds the lock in its server folder). It
// keeps the registry in memory and writes it back when it ends.
bool WineServerRunning(const std::string& prefix, const SerialHost& host);

struct MapResult {
  enum class Outcome { Mapped, ServerRunning, NoRegistry, BadDevice, Refused };
  Outcome outcome = Outcome::Mapped;
  int error = 0;  // errno of a refusal
};

// The host path of the prefix's registry file that holds the mappings.
std::string SystemRegistryFile(const std::string& prefix);
// Removes the copies of system.reg that a killed mapping left in `prefix` and nobody holds.
void RemoveLeftRegistryCopies(const std::string& prefix);

// The registry file is read whole up to this size; a larger one is an error.
inline constexpr std::size_t kMaxRegistryBytes = std::size_t{64} << 20;

// Sets "COM<number>"="<device>" under Software\Wine\Ports in the prefix's system.reg, the only
// change; refused while a Wine server runs for the prefix.
MapResult MapComPort(const std::string& prefix, int number, const std::string& device, const SerialHost& host);
// Removes every value of the key that Wine reads as COM <number>, the only change; the same
// refusals.
MapResult UnmapComPort(const std::string& prefix, int number, const SerialHost& host);

// The COM ports a mapping may name: Tarvo opens COM 1 to COM 9.
inline constexpr int kHighestTarvoComPort = 9;

// What a device path needs before it goes into the registry: a full host path (Wine opens it
// from wherever it runs), printable ASCII (the file holds it as it is), at most 255 bytes
// (Wine skips a longer one). It need not exist now: a Bluetooth port (/dev/rfcomm0) appears
// once it is bound.
enum class DevicePathProblem { None, Empty, NotFullPath, NotPlainText, TooLong };
DevicePathProblem CheckDevicePath(const std::string& device);

// A change of COM <number> in the prefix's registry, checked before the user is asked: the
// rules that trvcfg's Map... and tarvoini ports map/unmap share. `device` empty: unmapping.
struct ComPortChange {
  enum class Refusal {
    None,
    ServerRunning,       // Wine keeps the registry in memory and would write it back
    NoRegistry,          // system.reg does not exist (no program has run in the prefix yet)
    RegistryUnreadable,  // system.reg cannot be read or is no regular file: `reason`
    RegistryReadOnly,    // system.reg, or its folder for the copy that replaces it, is not writable: `reason`
    BadDevice,           // `pathProblem` says why
  };
  Refusal refusal = Refusal::None;
  std::string reason;  // the system's reason, or "it is not a regular file", "it is larger than 64 MB"
  DevicePathProblem pathProblem = DevicePathProblem::None;
  std::string registryFile;
  std::string valueNow;    // the device the port's registry value names now; empty: there is none
  bool hasValue = false;   // the port has a registry value now
  bool unchanged = false;  // the change would leave the file as it is
  ComPort after;           // the port as the next Wine start maps it after the change
  DeviceFacts device;      // the device after the change (after.device)
  // The other COM ports (1 to 255) that the next Wine start maps to the same device after the
  // change: two ports on one device, which a TNC does not share.
  std::vector<ComPort> sameDevice;
};
ComPortChange CheckComPortChange(const std::string& prefix, int number, const std::string& device,
                                 const SerialHost& host);

}  // namespace trv
