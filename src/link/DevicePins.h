// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device each port stood for when an operation first opened it. A port's name may lead
// to another device later in the same operation (a /dev/serial/by-id link repointed, adapters
// swapped): every later opening within the operation must find the same device there, or the
// settings would reach another printer than the one detected. A port is resolved to its
// device path once per operation; the device is known by its number (a character device) or
// by its file (anything else), as stat(2) gives them.

#include "link/PortMap.h"
#include "link/PortRef.h"
#include "message/Message.h"

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tessaro::link {

struct DeviceIdentity {
    bool character = false; // a character device, known by its number
    dev_t number = 0;
    dev_t fileSystem = 0;
    ino_t file = 0;
    std::string target; // what the name led to ("/dev/ttyUSB0")

    bool sameDevice(const DeviceIdentity& other) const;
};

// The device open on fd; nothing when it cannot be examined.
std::optional<DeviceIdentity> identityOf(int fd);

class DevicePins {
  public:
    // A new operation: every port is resolved afresh at its next opening.
    void forget() { pins_.clear(); }
    // The device path of the port in this operation: the one its first opening used, else
    // what the port map says now.
    std::string device(const PortRef& port, const PortMap& ports) const;
    // Checks the device open on fd, opened by its path: the port's first opening in the
    // operation pins it, later ones must find the same. "" when it is, else why not.
    message::Failure check(const PortRef& port, const std::string& device, int fd);

  private:
    struct Pin {
        PortRef port;
        std::string device;
        DeviceIdentity identity;
    };
    const Pin* find(const PortRef& port) const;

    std::vector<Pin> pins_;
};

} // namespace tessaro::link
