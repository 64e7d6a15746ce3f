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

message::Failure DevicePins::check(const PortRef& port, const std::string& device, int fd) {
    using message::Message;
    using message::MessageId;
    using message::Part;
    const auto identity = identityOf(fd);
    if (!identity) {
        return std::nullopt;
    }
    const Pin* pin = find(port);
    if (pin == nullptr) {
        pins_.push_back({port, device, *identity});
        return std::nullopt;
    }
    if (pin->identity.sameDevice(*identity)) {
        return std::nullopt;
    }
    const Message now = identity->target.empty() ? Message(MessageId::AnotherDevice)
                                                 : Message::shown(identity->target);
    const Message before =
        pin->identity.target.empty()
            ? Message::shown("")
            : Message(MessageId::NameLedTo, {Part::verbatim(pin->identity.target)});
    return Message(MessageId::NameLeadsElsewhere, {Part::framed(now), Part::framed(before)});
}

} // namespace tessaro::link
