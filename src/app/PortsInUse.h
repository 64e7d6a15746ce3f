// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ports the main window's printer operation is using: the one it detects or sends on, or
// every port while the automatic search runs. The production station does not start on any
// of them; the window does not detect on a port the station holds.

#include "link/PortRef.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tessaro::app {

struct PortsInUse {
    bool every = false; // the automatic search: any port may be reached
    std::vector<link::PortRef> ports;

    bool empty() const { return !every && ports.empty(); }
    // The first of wanted that is in use: every port is while the search runs.
    std::optional<link::PortRef> firstOf(const std::vector<link::PortRef>& wanted) const {
        for (const link::PortRef& port : wanted) {
            if (every || std::find(ports.begin(), ports.end(), port) != ports.end()) {
                return port;
            }
        }
        return std::nullopt;
    }
};

} // namespace tessaro::app
