// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/UsbPrinterDevice.h"

#include "link/PortDiagnosis.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tessaro::link {

std::string UsbPrinterDevice::describe() const {
    return ports_.describe(port());
}

workspace::UniqueFd UsbPrinterDevice::connect(message::Message& why, PortProblem& problem) {
    using message::MessageId;
    using message::Part;
    const std::string device = pins_.device(port(), ports_);
    if (device.empty()) {
        why = MessageId::NoSuchPort;
        problem = PortProblem::Absent;
        return {};
    }
    workspace::UniqueFd fd(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd) {
        const int error = errno;
        problem = problemOfErrno(error);
        const message::Message system(MessageId::SystemError, {Part::systemError(error)});
        why = error == EACCES || error == EPERM ? permissionDenied(device, MessageId::JoinLpGroup)
              : error == EBUSY                  ? inUse(device, system)
                                                : system;
        return fd;
    }
    if (message::Failure changed = pins_.check(port(), device, fd.get())) {
        why = std::move(*changed);
        problem = PortProblem::Lost;
        return {};
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
