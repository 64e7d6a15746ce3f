// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/QtSerialControl.h"

#include "link/PortDiagnosis.h"
#include "workspace/UniqueFd.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace tessaro::link {

QtSerialControl::QtSerialControl(const PortMap& ports) : ports_(ports) {
    QObject::connect(&port_, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError error) { noteError(error); });
}

void QtSerialControl::setSettings(std::string_view text) {
    // "speed,N,8,1": only the speed varies.
    const auto speed = text.substr(0, text.find(','));
    int baud = 0;
    const auto [end, error] = std::from_chars(speed.data(), speed.data() + speed.size(), baud);
    baud_ = (error == std::errc{} && end == speed.data() + speed.size()) ? baud : 0;
}

std::string QtSerialControl::describePort() const {
    return ports_.describe(commPort_);
}

std::string QtSerialControl::open() {
    if (port_.isOpen()) {
        return "";
    }
    const std::string device = pins_.device(commPort_, ports_);
    if (device.empty()) {
        problem_ = PortProblem::Absent;
        return describePort() + ": no such port";
    }
    if (baud_ <= 0) {
        problem_ = PortProblem::Unusable;
        return describePort() + ": speed refused";
    }
    fault_.clear();
    if (const std::string refused = claim(device); !refused.empty()) {
        return describePort() + ": " + refused;
    }
    // Through the descriptor held, never the name again. QSerialPort's own lock file is named
    // after this path, so it never takes another program's lock file for a stale one of its own.
    port_.setPortName(QString::fromStdString("/proc/" + std::to_string(::getpid()) + "/fd/" +
                                             std::to_string(device_.get())));
    port_.setBaudRate(baud_);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(handshaking_ == 1   ? QSerialPort::SoftwareControl
                         : handshaking_ >= 2 ? QSerialPort::HardwareControl
                                             : QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        std::string failure = openFailure(device);
        letGo();
        return failure;
    }
    fault_.clear(); // errors seen while opening are the open's, already reported
    problem_ = PortProblem::None;
    return "";
}

// Opens the device by its name and holds it: it must be the device this operation found
// under the name first, and no other program may hold it (a terminal program's lock file or
// flock). "" when it is held, else why not.
std::string QtSerialControl::claim(const std::string& device) {
    workspace::UniqueFd held(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!held) {
        return refusal(device, errno);
    }
    if (std::string changed = pins_.check(commPort_, device, held.get()); !changed.empty()) {
        problem_ = PortProblem::Lost;
        return changed;
    }
    std::string why;
    auto lock =
        PortLock::take(held.get(), device, identityOf(held.get()).value_or(DeviceIdentity{}),
                       ports_.lockDirectory(), why);
    if (!lock) {
        problem_ = PortProblem::InUse;
        return why;
    }
    device_ = std::move(held);
    lock_ = std::move(*lock);
    return "";
}

std::string QtSerialControl::refusal(const std::string& device, int error) {
    problem_ = problemOfErrno(error);
    switch (error) {
    case EACCES:
    case EPERM:
        return permissionDenied(device, "permission denied; join the dialout group "
                                        "(sudo adduser $USER dialout, then log in again)");
    case EBUSY:
        return inUse(device, "in use by another program");
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return vanished(device, "no such device");
    case EIO: // an adapter going away as it is opened
        problem_ = PortProblem::Lost;
        return vanished(device, std::strerror(error));
    default:
        return std::strerror(error);
    }
}

void QtSerialControl::letGo() {
    lock_.release();
    device_.reset();
}

std::string QtSerialControl::openFailure(const std::string& device) {
    switch (port_.error()) {
    case QSerialPort::DeviceNotFoundError:
        problem_ = PortProblem::Absent;
        return describePort() + ": " + vanished(device, "no such device");
    case QSerialPort::PermissionError:
        if (::access(device.c_str(), R_OK | W_OK) != 0) {
            problem_ = PortProblem::Permission;
            return describePort() + ": " +
                   permissionDenied(device, "permission denied; join the dialout group "
                                            "(sudo adduser $USER dialout, then log in again)");
        }
        problem_ = PortProblem::InUse;
        return describePort() + ": " + inUse(device, "in use by another program");
    case QSerialPort::OpenError:
        problem_ = PortProblem::InUse;
        return describePort() + ": already open";
    case QSerialPort::ResourceError: // EIO: an adapter going away as it is opened
        problem_ = PortProblem::Lost;
        return describePort() + ": " + vanished(device, port_.errorString().toStdString());
    default:
        problem_ = PortProblem::Unusable;
        return describePort() + ": " + port_.errorString().toStdString();
    }
}

namespace {

// What a close may wait beyond the bytes' own time on the wire.
constexpr std::chrono::milliseconds kDrainMargin{100};
constexpr std::chrono::milliseconds kDrainPoll{1};

// Ten bits a byte: start, eight data bits, stop.
std::chrono::microseconds wireTime(std::size_t bytes, int baud) {
    return std::chrono::microseconds(baud > 0 ? bytes * 10'000'000ULL / std::size_t(baud) : 0);
}

} // namespace

void QtSerialControl::close() {
    if (!port_.isOpen()) {
        return;
    }
    drainOutput();
    closeKeepingSettings();
}

// Waits until the bytes written have left the device: first Qt's own buffer, then the
// driver's queue, then the transmitter (tcdrain, only once the queue is empty, so that a
// line held by flow control cannot block it). Bounded by the bytes' time on the wire plus a
// margin: a printer that holds the line cannot hang the program.
void QtSerialControl::drainOutput() {
    const std::size_t written = std::exchange(unsentBytes_, 0);
    if (written == 0 && port_.bytesToWrite() == 0) {
        return;
    }
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + wireTime(written, baud_) +
                          std::chrono::duration_cast<Clock::duration>(kDrainMargin);
    const auto remainingMs = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
            .count();
    };
    while (port_.bytesToWrite() > 0 && remainingMs() > 0) {
        port_.waitForBytesWritten(static_cast<int>(remainingMs()));
    }
    const int fd = static_cast<int>(port_.handle());
    int queued = 0;
    while (::ioctl(fd, TIOCOUTQ, &queued) == 0 && queued > 0 && Clock::now() < deadline) {
        std::this_thread::sleep_for(kDrainPoll);
    }
    if (queued == 0 && port_.bytesToWrite() == 0) {
        ::tcdrain(fd);
    }
}

// QSerialPort puts back the settings the terminal had before it opened, at once, as it
// closes. The last bytes must leave at the speed they were written at, and whoever opens
// the port next sets their own: Qt closes a stand-in (/dev/null put in the descriptor's
// place), and the terminal itself is let go through a second descriptor, with its
// exclusive use given up and its settings untouched.
void QtSerialControl::closeKeepingSettings() {
    const int fd = static_cast<int>(port_.handle());
    const workspace::UniqueFd keeper(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
    const workspace::UniqueFd standIn(::open("/dev/null", O_RDWR | O_CLOEXEC));
    const bool swapped = keeper && standIn && ::dup3(standIn.get(), fd, O_CLOEXEC) == fd;
    port_.close();
    if (swapped) {
        ::ioctl(keeper.get(), TIOCNXCL);
    }
    letGo();
}

// Qt counts only what it has pulled from the driver: pull first, without waiting.
void QtSerialControl::pullFromDriver() {
    if (port_.isOpen()) {
        port_.waitForReadyRead(0);
    }
}

int QtSerialControl::inBufferCount() {
    pullFromDriver();
    return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0;
}

void QtSerialControl::discardInput() {
    if (!port_.isOpen()) {
        return;
    }
    pullFromDriver();
    port_.readAll();
    port_.clear(QSerialPort::Input);
}

void QtSerialControl::output(std::string_view bytes) {
    if (!port_.isOpen()) {
        return; // a port that did not open sends nothing
    }
    port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    port_.flush();
    unsentBytes_ += bytes.size();
}

std::string QtSerialControl::input() {
    pullFromDriver();
    if (!port_.isOpen()) {
        return "";
    }
    return port_.read(inputLen_).toStdString();
}

bool QtSerialControl::waitForInput(int ms) {
    if (!port_.isOpen()) {
        return false;
    }
    return port_.bytesAvailable() > 0 || port_.waitForReadyRead(ms);
}

namespace {

// Whether the terminal behind fd has hung up: its adapter gone, or the other end of a
// pseudo-terminal closed. A read there ends at once with nothing, which Qt reports as a
// read error, not as a device that went away.
bool hungUp(int fd) {
    pollfd watch{fd, 0, 0};
    return ::poll(&watch, 1, 0) > 0 && (watch.revents & (POLLHUP | POLLERR)) != 0;
}

} // namespace

void QtSerialControl::noteError(QSerialPort::SerialPortError error) {
    // An unplugged adapter raises a resource error, often more than once, or a read error on
    // a line that hung up: report it once. One raised by a failing open is the open's:
    // closing then would put "not open" in place of the reason.
    const bool gone = error == QSerialPort::ResourceError ||
                      ((error == QSerialPort::ReadError || error == QSerialPort::WriteError) &&
                       port_.isOpen() && hungUp(static_cast<int>(port_.handle())));
    if (gone && fault_.empty() && port_.isOpen()) {
        fault_ = describePort() + ": " +
                 vanished(pins_.device(commPort_, ports_), "the device was disconnected");
        problem_ = PortProblem::Lost;
        port_.close();
        letGo();
    }
}

std::string QtSerialControl::takeFault() {
    return std::exchange(fault_, std::string{});
}

} // namespace tessaro::link
