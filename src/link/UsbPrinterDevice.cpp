#include "link/UsbPrinterDevice.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <utility>

namespace tessaro::link {
namespace {

// Waits for events on fd, at most ms; true when they came.
bool waitFor(int fd, short events, int ms) {
    pollfd watch{fd, events, 0};
    int count = 0;
    do {
        count = ::poll(&watch, 1, ms);
    } while (count < 0 && errno == EINTR);
    return count > 0 && (watch.revents & events) != 0;
}

} // namespace

std::string UsbPrinterDevice::describePort() const {
    const std::string device = ports_.usbDevice(port_);
    return "USB" + std::to_string(port_) + (device.empty() ? "" : " (" + device + ")");
}

std::string UsbPrinterDevice::open() {
    if (fd_ >= 0) {
        return "";
    }
    const std::string device = ports_.usbDevice(port_);
    if (device.empty()) {
        return describePort() + ": no such port";
    }
    fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM) {
            return describePort() + ": permission denied; join the lp group "
                                    "(sudo adduser $USER lp, then log in again)";
        }
        return describePort() + ": " + std::strerror(error);
    }
    received_.clear();
    fault_.clear();
    return "";
}

void UsbPrinterDevice::close() {
    if (fd_ >= 0) {
        ::close(std::exchange(fd_, -1));
    }
    received_.clear();
}

// A printer that went away answers ENODEV (or EIO): report it once and let the port go.
void UsbPrinterDevice::lost(int error) {
    if (fault_.empty()) {
        fault_ = describePort() + ": the printer was disconnected (" + std::strerror(error) + ")";
    }
    close();
}

// Takes what the printer sent into our buffer, without waiting.
void UsbPrinterDevice::pull() {
    std::array<char, 512> buffer{};
    while (fd_ >= 0 && received_.size() < kReceiveCapacity) {
        const ssize_t count = ::read(fd_, buffer.data(), buffer.size());
        if (count > 0) {
            received_.append(buffer.data(), static_cast<std::size_t>(count));
            continue;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            lost(errno);
        }
        return; // nothing more now (0: nothing to read)
    }
}

int UsbPrinterDevice::inBufferCount() {
    pull();
    return static_cast<int>(received_.size());
}

void UsbPrinterDevice::discardInput() {
    pull();
    received_.clear();
}

void UsbPrinterDevice::output(std::string_view bytes) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWriteTimeoutMs);
    while (fd_ >= 0 && !bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            lost(errno);
            return;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0 || !waitFor(fd_, POLLOUT, static_cast<int>(left))) {
            return; // the printer took nothing for too long: the rest is lost
        }
    }
}

std::string UsbPrinterDevice::input() {
    pull();
    const std::size_t count = inputLen_ > 0
                                  ? std::min(received_.size(), static_cast<std::size_t>(inputLen_))
                                  : received_.size();
    std::string bytes = received_.substr(0, count);
    received_.erase(0, count);
    return bytes;
}

bool UsbPrinterDevice::waitForInput(int ms) {
    pull();
    if (!received_.empty()) {
        return true;
    }
    if (fd_ < 0 || !waitFor(fd_, POLLIN, ms)) {
        return false;
    }
    pull();
    return !received_.empty();
}

std::string UsbPrinterDevice::takeFault() {
    return std::exchange(fault_, std::string{});
}

} // namespace tessaro::link
