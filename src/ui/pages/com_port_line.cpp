#include "ui/pages/com_port_line.h"

#include <QDialog>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "platform/host_files.h"
#include "platform/system_reason.h"
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
      if (facts.group.empty()) return tr("COM %1 is %2, which you may not open").arg(mapping.number).arg(node);
      return tr("COM %1 is %2, which you may not open (add yourself to the group %3)")
          .arg(mapping.number)
          .arg(node, Host(facts.group));
    case DeviceState::Present: break;
  }
  if (facts.adapter.empty()) return tr("COM %1 is %2 (present)").arg(mapping.number).arg(node);
  return tr("COM %1 is %2 (%3, present)").arg(mapping.number).arg(node, Host(facts.adapter));
}

bool ComPortLine::Refused(const ComPortChange& check, const QString& device) {
  using Refusal = ComPortChange::Refusal;
  const QString file = Host(check.registryFile);
  switch (check.refusal) {
    case Refusal::None: return false;
    case Refusal::ServerRunning:
      modals_.ShowInformation(
          tr("Wine is running in %1. It keeps the prefix's registry in memory and writes it back when it ends, so "
             "nothing is changed now. Close the programs running in Wine (or run wineserver -k) and map the port "
             "again.")
              .arg(Host(prefix_)));
      break;
    case Refusal::NoRegistry:
      modals_.ShowError(tr("%1 does not exist: start a program in this Wine prefix once, then map the port").arg(file));
      break;
    case Refusal::RegistryUnreadable:
      modals_.ShowError(tr("%1 cannot be read").arg(file), QString::fromLocal8Bit(check.reason.c_str()));
      break;
    case Refusal::RegistryReadOnly:
      modals_.ShowError(tr("%1 cannot be written").arg(file), QString::fromLocal8Bit(check.reason.c_str()));
      break;
    case Refusal::BadDevice:
      switch (check.pathProblem) {
        case DevicePathProblem::Empty: modals_.ShowInformation(tr("Choose a device or type its path.")); break;
        case DevicePathProblem::NotFullPath:
          modals_.ShowError(tr("Type the device's full path, such as /dev/ttyUSB0"));
          break;
        case DevicePathProblem::NotPlainText:
        case DevicePathProblem::TooLong:
        case DevicePathProblem::None:
          modals_.ShowError(tr("%1 cannot be written into the Wine registry").arg(device),
                            check.pathProblem == DevicePathProblem::TooLong
                                ? tr("Wine skips a device path longer than 255 bytes.")
                                : tr("The registry takes a device path in printable ASCII only."));
          break;
      }
      break;
  }
  return true;
}

QString ComPortLine::Notes(const ComPortChange& check) const {
  const ComPort& port = check.after;
  if (port.source == PortSource::None) return {};
  QString notes;
  const QString device = Host(port.device);
  switch (check.device.state) {
    case DeviceState::Present: break;
    case DeviceState::Missing:
      notes += tr("%1 does not exist now; Wine maps the port to it all the same.\n").arg(device);
      break;
    case DeviceState::NotAllowed:
      notes += check.device.group.empty()
                   ? tr("You may not open %1.\n").arg(device)
                   : tr("You may not open %1 (add yourself to the group %2).\n").arg(device, Host(check.device.group));
      break;
  }
  for (const ComPort& other : check.sameDevice)
    notes += tr("%1 is COM %2 as well: both ports lead to the same device.\n").arg(device).arg(other.number);
  return notes;
}

void ComPortLine::MapClick() {
  // Whatever the user picks, it cannot be written while Wine runs or without a writable
  // system.reg: that is said before anything is asked.
  const ComPortChange now = CheckComPortChange(prefix_, port_, {}, host_);
  if (Refused(now, {})) return Refresh();
  SerialDeviceForm form(port_, PresentSerialDevices(host_), now.hasValue, this);
  if (modals_.RunDialog(form) != QDialog::Accepted) return;
  const QString file = Host(now.registryFile);
  const QString device = form.UnmapChosen() ? QString() : form.ChosenPath();
  if (!form.UnmapChosen() && device.isEmpty()) return modals_.ShowInformation(tr("Choose a device or type its path."));
  const ComPortChange check = CheckComPortChange(prefix_, port_, QFile::encodeName(device).toStdString(), host_);
  if (Refused(check, device)) return Refresh();
  QString question;
  if (form.UnmapChosen()) {
    question = tr("Remove \"COM%1\"=\"%2\" from %3, under the key [Software\\Wine\\Ports]?\n\n")
                   .arg(port_)
                   .arg(Host(check.valueNow), file) +
               (check.after.source == PortSource::None
                    ? tr("From its next start on Wine leaves COM %1 unmapped.\n").arg(port_)
                    : tr("From its next start on Wine maps COM %1 to %2.\n").arg(port_).arg(Host(check.after.device))) +
               Notes(check) + tr("Nothing else in the Wine prefix changes.");
  } else if (check.unchanged) {
    return modals_.ShowInformation(tr("COM %1 is %2 already.").arg(port_).arg(device));
  } else {
    question =
        tr("Map COM %1 to %2?\n\nThis sets one value in %3, under the key [Software\\Wine\\Ports]:\n\"COM%1\"=\"%2\"\n")
            .arg(port_)
            .arg(device, file) +
        (check.hasValue ? tr("It replaces \"COM%1\"=\"%2\".\n").arg(port_).arg(Host(check.valueNow)) : QString()) +
        Notes(check) +
        tr("Nothing else in the Wine prefix changes. Wine maps the port this way from its next start on.");
  }
  if (!modals_.AskYesNo(question, ModalWindows::DefaultAnswer::No)) return;
  const std::string chosen = QFile::encodeName(device).toStdString();
  const MapResult result =
      form.UnmapChosen() ? UnmapComPort(prefix_, port_, host_) : MapComPort(prefix_, port_, chosen, host_);
  switch (result.outcome) {
    case MapResult::Outcome::Mapped: break;
    case MapResult::Outcome::ServerRunning:
    case MapResult::Outcome::NoRegistry:
    case MapResult::Outcome::BadDevice:  // the prefix changed since the question: say why as the check says it
      if (!Refused(CheckComPortChange(prefix_, port_, chosen, host_), device))
        modals_.ShowError(tr("%1 could not be written").arg(file));
      break;
    case MapResult::Outcome::Refused:
      modals_.ShowError(
          tr("%1 could not be written").arg(file),
          result.error == 0 ? tr("it is not a regular file") : QString::fromLocal8Bit(SystemReason(result.error)));
      break;
  }
  Refresh();
}

}  // namespace trv
