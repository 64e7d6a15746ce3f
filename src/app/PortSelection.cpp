// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PortSelection.h"

#include "app/QtUserFeedback.h"
#include "app/RememberedSettings.h"
#include "detect/Autodetect.h"
#include "link/SerialPortDetails.h"
#include "protocol/Identity.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <exception>

namespace tessaro::app {

namespace {

// The status bar after a detection: a printer that reports a fault (paper out, head up...)
// says so in its last panel, as the command line warns of it.
std::vector<message::Message> withFaults(const detect::DetectionResult& result) {
    std::vector<message::Message> panels = result.panels;
    const auto status = result.session.printer.StatusByte;
    if (const message::Failure faults =
            result.found && status ? protocol::faultsOf(*status) : std::nullopt;
        faults && !panels.empty()) {
        panels.back() = message::Message(
            message::MessageId::PrinterReportsFault,
            {message::Part::verbatim(result.port.shownName()), message::Part::framed(*faults)});
    }
    return panels;
}

// The number of the checked option, counted from 1.
template <std::size_t N>
std::optional<int> checkedNumber(const std::array<QRadioButton*, N>& options) {
    for (std::size_t i = 0; i < N; ++i) {
        if (options[i]->isChecked()) {
            return static_cast<int>(i + 1);
        }
    }
    return std::nullopt;
}

// What the system knows of a serial adapter, for telling one from another.
std::string serialDetails(const std::string& device) {
    return device.empty() ? "" : link::describeSerialPort(link::serialPortFacts(device));
}

} // namespace

PortSelection::PortSelection(worker::PrinterOperations& worker,
                             const worker::PortInventory& inventory, QtUserFeedback& feedback,
                             RememberedSettings& remembered, QWidget* parent)
    : QDialog(parent), worker_(worker), feedback_(feedback), remembered_(remembered) {
    const link::PortMap& ports = inventory.ports;
    setObjectName("PortSelection");
    setWindowTitle(tr("Communication Port Selection"));
    setModal(true);
    ports_ = new QButtonGroup(this);
    auto* layout = new QGridLayout(this);
    layout->addWidget(buildSerialFrame(ports), 0, 0, 3, 1);
    layout->addWidget(buildParallelFrame(), 0, 1);
    layout->addWidget(buildUsbNetworkFrame(ports), 1, 1);
    autodetectButton_ = new QPushButton(tr("Autodetect Printer"), this);
    autodetectButton_->setObjectName("Autodetect");
    layout->addWidget(autodetectButton_, 2, 1);
    auto* current = new QGroupBox(tr("Current printer"), this);
    current->setObjectName("Frame2");
    DetectedPrinter = new QLabel(current);
    DetectedPrinter->setObjectName("DetectedPrinter");
    DetectedPrinter->setWordWrap(true);
    auto* column = new QVBoxLayout(current);
    column->addWidget(DetectedPrinter);
    // The automatic search's steps: the wake-up, each COM port at each speed, each USB printer
    // and parallel port.
    searchProgress_ = new QProgressBar(current);
    searchProgress_->setObjectName("SearchProgress");
    searchProgress_->setAccessibleName(tr("Search progress"));
    stopSearch_ = new QPushButton(tr("Stop"), current);
    stopSearch_->setObjectName("StopSearch");
    stopSearch_->setToolTip(tr("End the detection or the automatic search now"));
    stopSearch_->setEnabled(false);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchProgress_, 1);
    searchRow->addWidget(stopSearch_);
    column->addLayout(searchRow);
    layout->addWidget(current, 3, 0, 1, 2);
    connect(detectSerial_, &QPushButton::clicked, this, &PortSelection::DetectSerialPrinter_Click);
    connect(detectParallel_, &QPushButton::clicked, this,
            &PortSelection::DetectParallelPrinter_Click);
    connect(detectUsbNetwork_, &QPushButton::clicked, this,
            &PortSelection::DetectUsbNetworkPrinter_Click);
    connect(autodetectButton_, &QPushButton::clicked, this, &PortSelection::Autodetect_Click);
    // The detection runs on the printer's worker: the click is seen at once and ends it.
    connect(stopSearch_, &QPushButton::clicked, this, &PortSelection::stopDetection);
    feedback_.setResultSink([this](const QString& text) { DetectedPrinter->setText(text); });
    Form_Load(inventory);
}

PortSelection::~PortSelection() {
    feedback_.setResultSink({});
}

QWidget* PortSelection::buildSerialFrame(const link::PortMap& ports) {
    auto* frame = new QGroupBox(tr("Serial Port"), this);
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);
    for (int n = 1; n <= link::kComPorts; ++n) {
        const link::PortRef port = link::PortRef::numbered(link::LinkKind::Serial, n);
        const std::string device = ports.deviceOf(port);
        auto* option = addPortOption(frame, port, device, serialDetails(device));
        com_[static_cast<std::size_t>(n - 1)] = option;
        grid->addWidget(option, (n - 1) / 2, (n - 1) % 2);
    }
    // A serial port at the far end of the network: the serial server takes the speed and
    // handshake over telnet, so they are set here as for a COM port. Made before the lists
    // below it, Tab reaches it before them.
    const AddressOption& server = addAddressOption(
        frame, {link::LinkKind::Rfc2217, "SerialServer", "SerialServerAddress", tr("Serial server"),
                tr("host:port"), tr("Serial server address"),
                tr("A serial port on a network serial server (RFC 2217), as host:port; the "
                   "speed and handshake below are set on it"),
                &PortSelection::DetectSerialPrinter_Click});
    serialServer_ = server.option;
    serialServerAddress_ = server.address;
    auto* speedLabel = new QLabel(tr("Baudrate:"), frame);
    speedLabel->setObjectName("label");
    serialspeed_ = new QComboBox(frame);
    serialspeed_->setObjectName("serialspeed");
    auto* handshakeLabel = new QLabel(tr("Handshake:"), frame);
    handshakeLabel->setObjectName("Label1");
    serialhandshakeconf_ = new QComboBox(frame);
    serialhandshakeconf_->setObjectName("serialhandshakeconf");
    // A screen reader reads the labels as the lists'.
    speedLabel->setBuddy(serialspeed_);
    handshakeLabel->setBuddy(serialhandshakeconf_);
    detectSerial_ = new QPushButton(tr("Detect Printer"), frame);
    detectSerial_->setObjectName("DetectSerialPrinter");
    grid->addWidget(serialServer_, 3, 0, 1, 2);
    grid->addWidget(serialServerAddress_, 4, 0, 1, 2);
    grid->addWidget(speedLabel, 5, 0);
    grid->addWidget(serialspeed_, 5, 1);
    grid->addWidget(handshakeLabel, 6, 0);
    grid->addWidget(serialhandshakeconf_, 6, 1);
    grid->addWidget(detectSerial_, 7, 0, 1, 2);
    return frame;
}

QWidget* PortSelection::buildParallelFrame() {
    auto* frame = new QGroupBox(tr("Parallel Port"), this);
    frame->setObjectName("Frame3");
    auto* column = new QVBoxLayout(frame);
    for (int n = 1; n <= link::kLptPorts; ++n) {
        const link::PortRef port = link::PortRef::numbered(link::LinkKind::Parallel, n);
        auto* option = new QRadioButton(QString::fromStdString(port.text()), frame);
        option->setObjectName(QString::fromStdString(port.text()));
        ports_->addButton(option);
        options_.emplace_back(port, option);
        lpt_[static_cast<std::size_t>(n - 1)] = option;
        column->addWidget(option);
    }
    detectParallel_ = new QPushButton(tr("Detect Printer"), frame);
    detectParallel_->setObjectName("DetectParallelPrinter");
    column->addWidget(detectParallel_);
    return frame;
}

QWidget* PortSelection::buildUsbNetworkFrame(const link::PortMap& ports) {
    auto* frame = new QGroupBox(tr("USB and network"), this);
    frame->setObjectName("FrameUsbNetwork");
    auto* grid = new QGridLayout(frame);
    for (int n = 1; n <= link::kUsbPorts; ++n) {
        const link::PortRef port = link::PortRef::numbered(link::LinkKind::Usb, n);
        auto* option = addPortOption(frame, port, ports.deviceOf(port));
        usb_[static_cast<std::size_t>(n - 1)] = option;
        grid->addWidget(option, (n - 1) / 2, (n - 1) % 2);
    }
    const AddressOption& printer = addAddressOption(
        frame, {link::LinkKind::Network, "NetworkPrinter", "NetworkAddress", tr("Network printer"),
                tr("host or host:port"), tr("Network printer address"),
                tr("A printer on raw TCP; port 9100 unless the address names another"),
                &PortSelection::DetectUsbNetworkPrinter_Click});
    network_ = printer.option;
    networkAddress_ = printer.address;
    detectUsbNetwork_ = new QPushButton(tr("Detect Printer"), frame);
    detectUsbNetwork_->setObjectName("DetectUsbNetworkPrinter");
    grid->addWidget(network_, 2, 0, 1, 2);
    grid->addWidget(networkAddress_, 3, 0, 1, 2);
    grid->addWidget(detectUsbNetwork_, 4, 0, 1, 2);
    return frame;
}

QRadioButton* PortSelection::addPortOption(QWidget* frame, const link::PortRef& port,
                                           const std::string& device, const std::string& details) {
    const QString path = QString::fromStdString(device);
    const QString caption = QString::fromStdString(port.spacedName());
    auto* option = new QRadioButton(
        path.isEmpty() ? caption
                       : tr("%1 (%2)", "port and its device").arg(caption, path.section('/', -1)),
        frame);
    option->setObjectName(QString::fromStdString(port.text()));
    options_.emplace_back(port, option);
    option->setToolTip(details.empty() ? path : path + "\n" + QString::fromStdString(details));
    ports_->addButton(option);
    return option;
}

const PortSelection::AddressOption& PortSelection::addAddressOption(QWidget* frame,
                                                                    const AddressEntry& entry) {
    auto* option = new QRadioButton(entry.caption, frame);
    option->setObjectName(QLatin1String(entry.name));
    ports_->addButton(option);
    auto* address = new QLineEdit(frame);
    address->setObjectName(QLatin1String(entry.addressName));
    address->setPlaceholderText(entry.placeholder);
    address->setAccessibleName(entry.accessibleName);
    address->setToolTip(entry.tip);
    address->installEventFilter(this);
    connect(address, &QLineEdit::textEdited, option, [option] { option->setChecked(true); });
    addressOptions_.push_back({entry.kind, option, address, entry.detect});
    return addressOptions_.back();
}

// Every opening tests again which ports exist.
void PortSelection::Form_Load(const worker::PortInventory& inventory) {
    for (const auto& [port, option] : options_) {
        option->setEnabled(inventory.exists(port));
    }
    // The network printer of the last detection, if there was one, to try again.
    networkAddress_->setText(QString::fromStdString(inventory.networkAddress));
    for (const std::string_view speed : detect::kSpeedList) {
        serialspeed_->addItem(
            QString::fromUtf8(speed.data(), static_cast<qsizetype>(speed.size())));
    }
    serialhandshakeconf_->addItems({tr("Xon-Xoff"), tr("DSR/DTR Mode")});
    serialspeed_->setCurrentIndex(3);
    serialhandshakeconf_->setCurrentIndex(1);
    DetectedPrinter->setText(tr("No printer found yet, please start detection."));
    selectRemembered();
}

// The port of the last detection, unless it has gone since, with its speed and handshake.
void PortSelection::selectRemembered() {
    const auto& port = remembered_.port();
    if (!port) {
        return;
    }
    if (const int speed = serialspeed_->findText(port->speed); speed >= 0) {
        serialspeed_->setCurrentIndex(speed);
    }
    if (port->handshake >= 0 && port->handshake < serialhandshakeconf_->count()) {
        serialhandshakeconf_->setCurrentIndex(port->handshake);
    }
    const link::PortRef& remembered = port->port;
    for (const AddressOption& entry : addressOptions_) {
        if (entry.kind == remembered.kind()) {
            const QString address = QString::fromStdString(remembered.address()).trimmed();
            if (!address.isEmpty()) {
                entry.option->setChecked(true);
                entry.address->setText(address);
            }
            return;
        }
    }
    for (const auto& [ref, option] : options_) {
        if (ref == remembered && option->isEnabled()) {
            option->setChecked(true);
        }
    }
}

// What a detection ran with is what the user chose, whether or not a printer answered: a
// printer switched off is found on the same port the next time. A detection refused for want
// of a port, and an automatic search that found nothing, chose nothing.
void PortSelection::remember(const link::PortRef& port, const QString& speed, int handshake) {
    remembered_.setPort({port, speed, handshake});
}

std::optional<int> PortSelection::selectedComPort() const {
    return checkedNumber(com_);
}

std::optional<int> PortSelection::selectedLptPort() const {
    return checkedNumber(lpt_);
}

std::string PortSelection::selectedSpeed() const {
    return serialspeed_->currentText().toStdString();
}

int PortSelection::selectedHandshake() const {
    return serialhandshakeconf_->currentIndex();
}

void PortSelection::setDetectionButtonsEnabled(bool enabled) {
    buttonsEnabled_ = enabled;
    detectSerial_->setEnabled(enabled);
    detectParallel_->setEnabled(enabled);
    detectUsbNetwork_->setEnabled(enabled);
    autodetectButton_->setEnabled(enabled && searchOffered_);
    enabled ? unsetCursor() : setCursor(Qt::WaitCursor);
}

void PortSelection::offerSearch(bool offered) {
    searchOffered_ = offered;
    autodetectButton_->setEnabled(buttonsEnabled_ && offered);
    autodetectButton_->setToolTip(
        offered ? QString()
                : tr("The production station is using ports: the automatic search "
                     "would reach its printers."));
}

void PortSelection::showResult(const detect::DetectionResult& result) {
    if (result.probed) {
        feedback_.showDetectionResult(result.said); // the "Current printer" line shows it
    }
    if (!result.found) {
        return;
    }
    for (const auto& [ref, option] : options_) {
        if (ref == result.port) {
            option->setChecked(true);
        }
    }
    if (result.port.row().lineSettings) {
        if (const int speed = serialspeed_->findText(QString::fromStdString(result.speed));
            speed >= 0) {
            serialspeed_->setCurrentIndex(speed);
        }
        serialhandshakeconf_->setCurrentIndex(result.handshakeIndex);
    }
    accept();
}

// Without a port of its kind checked, a detection only says that one must be. The window
// goes on while it runs: what is checked or typed meanwhile is not what it ran on.
void PortSelection::detectOn(const std::optional<link::PortRef>& port) {
    if (!port) {
        return;
    }
    const QString speed = serialspeed_->currentText();
    const int handshake = selectedHandshake();
    startDetection(
        {false, {*port}},
        [port = *port, chosen = speed.toStdString(), handshake](worker::WorkerLink& printer) {
            return printer.detection().detectOn(port, chosen, handshake);
        },
        [this, port = *port, speed, handshake](const detect::DetectionResult& result) {
            showResult(result);
            // A printer found on a serial line tells the handshake it uses.
            if (result.found && port.row().lineSettings) {
                remember(port, QString::fromStdString(result.speed), result.handshakeIndex);
            } else {
                remember(port, speed, handshake);
            }
        });
}

std::optional<link::PortRef> PortSelection::chosenSerialServer() {
    const QString typed = serialServerAddress_->text().trimmed();
    if (typed.isEmpty()) {
        feedback_.show(link::MessageIcon::Exclamation,
                       tr("Enter the serial server's address (host:port)."));
        serialServerAddress_->setFocus();
        return std::nullopt;
    }
    if (auto port = link::PortRef::typedAddress(link::LinkKind::Rfc2217, typed.toStdString())) {
        return port;
    }
    feedback_.show(link::MessageIcon::Exclamation,
                   tr("Not a serial server's address: \"%1\". Enter it as host:port, an IPv6 "
                      "host in brackets ([::1]:2001).")
                       .arg(typed));
    serialServerAddress_->setFocus();
    serialServerAddress_->selectAll();
    return std::nullopt;
}

void PortSelection::startDetection(
    PortsInUse ports, std::function<detect::DetectionResult(worker::WorkerLink&)> detection,
    std::function<void(const detect::DetectionResult&)> shown) {
    setDetectionButtonsEnabled(false);
    stopSearch_->setEnabled(true);
    stopped_ = false;
    if (portsInUse_) {
        portsInUse_(std::move(ports));
    }
    feedback_.setBusy(true);
    const auto ended = [this] {
        feedback_.setBusy(false);
        if (portsInUse_) {
            portsInUse_({});
        }
        stopSearch_->setEnabled(false);
        setDetectionButtonsEnabled(true);
        if (std::exchange(closeWhenEnded_, false)) {
            QDialog::reject();
            return true;
        }
        return false;
    };
    // A detection begins the operation the printer commands after it belong to: the ports are
    // resolved to their devices afresh.
    worker_.start<detect::DetectionResult>(
        [detection = std::move(detection)](worker::WorkerLink& printer) {
            printer.link().startOperation();
            return detection(printer);
        },
        [this, ended, shown = std::move(shown)](const detect::DetectionResult& result) {
            if (!ended()) {
                // The printer commands are there while a printer is.
                feedback_.enablePrinterCommands(result.session.printer.PrinterFound);
                if (!result.panels.empty()) {
                    feedback_.showStatusPanels(withFaults(result));
                }
                shown(result);
                if (stopped_ && !result.found) {
                    DetectedPrinter->setText(tr("Detection stopped."));
                }
            }
        },
        [this, ended](const std::string& what) {
            // Said here: an error must not pass through the window's event loop.
            feedback_.show(link::MessageIcon::Critical, QString::fromUtf8(what.c_str()));
            ended();
        });
}

// The detection under way ends at once; its result line then says it was stopped, not that
// no printer is there.
void PortSelection::stopDetection() {
    stopped_ = true;
    stopSearch_->setEnabled(false);
    worker_.stop();
}

void PortSelection::closeWhenEnded() {
    if (running()) {
        closeWhenEnded_ = true;
        stopDetection();
    } else {
        QDialog::reject();
    }
}

void PortSelection::DetectSerialPrinter_Click() {
    if (running()) {
        return;
    }
    detectOn(serialServer_->isChecked() ? chosenSerialServer()
                                        : detect::chosenComPort(*this, feedback_));
}

void PortSelection::DetectParallelPrinter_Click() {
    if (!running()) {
        detectOn(detect::chosenLptPort(*this, feedback_));
    }
}

void PortSelection::DetectUsbNetworkPrinter_Click() {
    if (running()) {
        return;
    }
    if (const auto n = checkedNumber(usb_)) {
        detectOn(link::PortRef::numbered(link::LinkKind::Usb, *n));
    } else if (network_->isChecked()) {
        const std::string address = networkAddress_->text().trimmed().toStdString();
        if (address.empty()) {
            feedback_.show(link::MessageIcon::Exclamation,
                           tr("Enter the network printer's address (host or host:port)."));
            networkAddress_->setFocus();
            return;
        }
        detectOn(link::PortRef::network(address));
    } else {
        feedback_.show(link::MessageIcon::Critical,
                       tr("You must select a USB port or a network printer"));
    }
}

void PortSelection::Autodetect_Click() {
    if (running()) {
        return;
    }
    startDetection(
        {true, {}},
        [this](worker::WorkerLink& printer) {
            detect::Autodetect search(printer.detection());
            search.setCancellation(printer.cancellation());
            search.onProgress([this, &printer](int step, int total, std::string_view) {
                printer.toCaller([this, step, total] {
                    searchProgress_->setRange(0, total);
                    searchProgress_->setValue(step);
                });
            });
            return search.Autodetect_Click();
        },
        [this](const detect::DetectionResult& result) {
            searchProgress_->reset();
            showResult(result);
            if (result.found) {
                // The speed and handshake it was found at are shown.
                remember(result.port, serialspeed_->currentText(), selectedHandshake());
            }
        });
}

void PortSelection::reject() {
    if (running()) {
        stopDetection();
        return;
    }
    QDialog::reject();
}

bool PortSelection::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (const AddressOption& entry : addressOptions_) {
            if (watched != entry.address || (key != Qt::Key_Return && key != Qt::Key_Enter)) {
                continue;
            }
            if (!running()) {
                // The field's own option, though another one was checked since it was typed in.
                entry.option->setChecked(true);
                (this->*entry.detect)();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tessaro::app
