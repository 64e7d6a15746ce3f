// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/UsbPrinterDevice.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tessaro::link {

std::string UsbPrinterDevice::describe() const {
    return ports_.describe(true, port());
}

int UsbPrinterDevice::connect(std::string& why) {
    const std::string device = ports_.usbDevice(port());
    if (device.empty()) {
        why = "no such port";
        return -1;
    }
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = errno == EACCES || errno == EPERM
                  ? "permission denied; join the lp group (sudo adduser $USER lp, then log in "
                    "again)"
                  : std::strerror(errno);
    }
    return fd;
}

ssize_t UsbPrinterDevice::readSome(int fd, char* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}

ssize_t UsbPrinterDevice::writeSome(int fd, const char* bytes, std::size_t size) {
    return ::write(fd, bytes, size);
}

} // namespace tessaro::link
