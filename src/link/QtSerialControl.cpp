#include "link/QtSerialControl.h"

#include <charconv>
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
    const std::string device = ports_.comDevice(commPort_);
    return "COM" + std::to_string(commPort_) + (device.empty() ? "" : " (" + device + ")");
}

std::string QtSerialControl::open() {
    if (port_.isOpen()) {
        return "";
    }
    const std::string device = ports_.comDevice(commPort_);
    if (device.empty()) {
        return describePort() + ": no such port";
    }
    if (baud_ <= 0) {
        return describePort() + ": speed refused";
    }
    fault_.clear();
    port_.setPortName(QString::fromStdString(device));
    port_.setBaudRate(baud_);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(handshaking_ == 1   ? QSerialPort::SoftwareControl
                         : handshaking_ >= 2 ? QSerialPort::HardwareControl
                                             : QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        return openFailure();
    }
    fault_.clear(); // errors seen while opening are the open's, already reported
    return "";
}

std::string QtSerialControl::openFailure() const {
    const std::string device = ports_.comDevice(commPort_);
    switch (port_.error()) {
    case QSerialPort::DeviceNotFoundError:
        return describePort() + ": no such device";
    case QSerialPort::PermissionError:
        if (::access(device.c_str(), R_OK | W_OK) != 0) {
            return describePort() + ": permission denied; join the dialout group "
                                    "(sudo adduser $USER dialout, then log in again)";
        }
        return describePort() + ": in use by another program";
    case QSerialPort::OpenError:
        return describePort() + ": already open";
    default:
        return describePort() + ": " + port_.errorString().toStdString();
    }
}

void QtSerialControl::close() {
    if (port_.isOpen()) {
        port_.close();
    }
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

void QtSerialControl::noteError(QSerialPort::SerialPortError error) {
    // An unplugged adapter raises a resource error, often more than once: report it once.
    if (error == QSerialPort::ResourceError && fault_.empty()) {
        fault_ = describePort() + ": the device was disconnected";
        port_.close();
    }
}

std::string QtSerialControl::takeFault() {
    return std::exchange(fault_, std::string{});
}

} // namespace tessaro::link
