#include "ui/pages/com_port_line.h"

#include <QDialog>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cstring>

#include "platform/host_files.h"
#include "platform/wine_prefix.h"
#include "ui/dialogs/serial_device_form.h"
#include "ui/layout_builders.h"
#include "ui/modal_windows.h"

namespace trv {
namespace {

constexpr int kLines = 3;  // the room the line keeps

QString Host(const std::string& path) { return QFile::decodeName(path.c_str()); }

}  // namespace

std::string WinePrefixOfProgram(const HostFileSystem& files) {
  const auto host = files.ToHost(files.ProgramDir());
  return host ? WinePrefixFor(*host) : std::string();
}

ComPortLine::ComPortLine(ModalWindows& modals, std::string prefix, QWidget* parent)
    : QWidget(parent), modals_(modals), prefix_(std::move(prefix)), host_(SerialHost::OfThisProcess()) {
  setObjectName("TNC_ComPortLine");
  text_ = Named(new QLabel, "TNC_Label_ComDevice");
  text_->setWordWrap(true);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // A long name never widens the page, and the line has room for three lines (a device path of
  // /dev/serial/by-id takes them) whatever it says: the window keeps its size as the user goes
  // through the TNCs (see ShowPort).
  text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  text_->setFixedHeight(kLines * text_->fontMetrics().lineSpacing() + 2 * text_->margin());
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  map_ = Named(new QPushButton(tr("&Map...")), "TNC_Button_MapCom");
  map_->setToolTip(tr("Choose the serial device that Wine maps to this COM port"));
  map_->setAccessibleName(tr("Map the COM port to a serial device"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(text_, 1);
  row->addWidget(map_, 0, Qt::AlignTop);
  connect(map_, &QPushButton::clicked, this, [this] { MapClick(); });
  ShowPort(0);
}

void ComPortLine::Use(std::string prefix, SerialHost host) {
  prefix_ = std::move(prefix);
  host_ = std::move(host);
  ShowPort(port_);
  Refresh();
}

// The registry is read from the event loop, once the window is up and no action holds the
// folder's lock (the TNC page shows its first TNC while the file is loaded).
void ComPortLine::ShowPort(int port) {
  port_ = port;
  const bool inPrefix = IsWinePrefix(prefix_);
  const bool shown = port >= 1 && port <= 9 && inPrefix;
  for (QWidget* w : {static_cast<QWidget*>(text_), static_cast<QWidget*>(map_)}) {
    QSizePolicy policy = w->sizePolicy();  // in a Wine prefix, a SIRQ port keeps the line's room
    policy.setRetainSizeWhenHidden(inPrefix);
    w->setSizePolicy(policy);
  }
  text_->setVisible(shown);
  map_->setVisible(shown);
  text_->clear();
  text_->setToolTip({});
  if (!shown || refreshQueued_) return;
  refreshQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    refreshQueued_ = false;
    Refresh();
  });
}

void ComPortLine::Refresh() {
  if (port_ < 1 || port_ > 9 || !IsWinePrefix(prefix_)) return;
  std::string problem;
  const ComPort mapping = NextStartComPorts(prefix_, host_, 9, &problem)[static_cast<std::size_t>(port_ - 1)];
  if (!problem.empty()) {
    text_->setText(tr("COM %1: %2 cannot be read (%3)")
                       .arg(port_)
                       .arg(Host(SystemRegistryFile(prefix_)), QString::fromLocal8Bit(problem.c_str())));
    return;
  }
  text_->setText(LineText(mapping));
  text_->setToolTip(text_->text());  // whole, should a name be longer still
}

QString ComPortLine::LineText(const ComPort& mapping) const {
  if (mapping.source == PortSource::None) return tr("COM %1 is not mapped in this Wine prefix").arg(mapping.number);
  const DeviceFacts facts = ProbeSerialDevice(mapping.device, host_);
  // A by-id path names the adapter in brackets; the line names the node it leads to.
  const bool byId = mapping.device.rfind(host_.byIdDir + "/", 0) == 0 && !facts.node.empty();
  const QString node = Host(byId ? facts.node : mapping.device);
  switch (facts.state) {
    case DeviceState::Missing:
      return tr("COM %1 is %2, which does not exist").arg(mapping.number).arg(Host(mapping.device));
    case DeviceState::NotAllowed:
      return tr("COM %1 is %2, which you may not open (add yourself to the group %3)")
          .arg(mapping.number)
          .arg(node, Host(facts.group));
    case DeviceState::Present: break;
  }
  if (facts.adapter.empty()) return tr("COM %1 is %2 (present)").arg(mapping.number).arg(node);
  return tr("COM %1 is %2 (%3, present)").arg(mapping.number).arg(node, Host(facts.adapter));
}

void ComPortLine::MapClick() {
  const QString prefix = Host(prefix_);
  const QString serverRuns =
      tr("Wine is running in %1. It keeps the prefix's registry in memory and writes it back when it ends, so "
         "nothing is changed now. Close the programs running in Wine (or run wineserver -k) and map the port "
         "again.")
          .arg(prefix);
  if (WineServerRunning(prefix_, host_)) return modals_.ShowInformation(serverRuns);
  const std::vector<SerialDevice> devices = PresentSerialDevices(host_);
  if (devices.empty()) return modals_.ShowInformation(tr("No serial device is present."));
  SerialDeviceForm form(port_, devices, this);
  if (modals_.RunDialog(form) != QDialog::Accepted || form.ChosenPath().isEmpty()) return;
  const QString device = form.ChosenPath();
  const std::string file = SystemRegistryFile(prefix_);
  const QString question =
      tr("Map COM %1 to %2?\n\nThis sets one value in %3, under the key [Software\\Wine\\Ports]:\n\"COM%1\"=\"%2\"\n"
         "%4Nothing else in the Wine prefix changes. Wine maps the port this way from its next start on.")
          .arg(port_)
          .arg(device, Host(file), [&] {
            const ComPort now = NextStartComPorts(prefix_, host_)[static_cast<std::size_t>(port_ - 1)];
            if (now.source != PortSource::Registry) return QString();
            return tr("It replaces \"COM%1\"=\"%2\".\n").arg(port_).arg(Host(now.device));
          }());
  if (!modals_.AskYesNo(question)) return;
  const MapResult result = MapComPort(prefix_, port_, QFile::encodeName(device).toStdString(), host_);
  switch (result.outcome) {
    case MapResult::Outcome::Mapped: break;
    case MapResult::Outcome::ServerRunning: modals_.ShowInformation(serverRuns); break;
    case MapResult::Outcome::NoRegistry:
      modals_.ShowError(
          tr("%1 does not exist: start a program in this Wine prefix once, then map the port").arg(Host(file)));
      break;
    case MapResult::Outcome::BadDevice:
      modals_.ShowError(tr("%1 cannot be written into the Wine registry").arg(device));
      break;
    case MapResult::Outcome::Refused:
      modals_.ShowError(tr("%1 could not be written: %2")
                            .arg(Host(file), result.error == 0 ? tr("it is not a regular file")
                                                               : QString::fromLocal8Bit(std::strerror(result.error))));
      break;
  }
  Refresh();
}

}  // namespace trv
