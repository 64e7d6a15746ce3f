// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/DevicePins.h"

#include <algorithm>
#include <array>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro::link {

bool DeviceIdentity::sameDevice(const DeviceIdentity& other) const {
    if (character && other.character) {
        return number == other.number;
    }
    return character == other.character && fileSystem == other.fileSystem && file == other.file;
}

std::optional<DeviceIdentity> identityOf(int fd) {
    struct stat facts {};
    if (::fstat(fd, &facts) != 0) {
        return std::nullopt;
    }
    DeviceIdentity identity;
    identity.character = S_ISCHR(facts.st_mode);
    identity.number = identity.character ? facts.st_rdev : 0;
    identity.fileSystem = facts.st_dev;
    identity.file = facts.st_ino;
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    std::array<char, 4096> target{};
    const ssize_t length = ::readlink(link.c_str(), target.data(), target.size() - 1);
    if (length > 0) {
        identity.target.assign(target.data(), static_cast<std::size_t>(length));
    }
    return identity;
}

const DevicePins::Pin* DevicePins::find(const PortRef& port) const {
    const auto pin = std::ranges::find(pins_, port, &Pin::port);
    return pin == pins_.end() ? nullptr : &*pin;
}

std::string DevicePins::device(const PortRef& port, const PortMap& ports) const {
    const Pin* pin = find(port);
    return pin ? pin->device : ports.deviceOf(port);
}

std::string DevicePins::check(const PortRef& port, const std::string& device, int fd) {
    const auto identity = identityOf(fd);
    if (!identity) {
        return "";
    }
    const Pin* pin = find(port);
    if (pin == nullptr) {
        pins_.push_back({port, device, *identity});
        return "";
    }
    if (pin->identity.sameDevice(*identity)) {
        return "";
    }
    const std::string now = identity->target.empty() ? "another device" : identity->target;
    const std::string before = pin->identity.target.empty() ? "" : ", not " + pin->identity.target;
    return "the name now leads to another device (" + now + before +
           ") than the printer was found on; detect the printer again";
}

} // namespace tessaro::link
