// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ports as a printer's worker finds them when asked (the plugged-in serial and USB
// devices read again): the map of every numbered port, which of them are there, and the
// network printer of the last detection. The port window is built from it.

#include "link/PortMap.h"
#include "link/PortRef.h"
#include "worker/WorkerLink.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tessaro::worker {

struct PortInventory {
    link::PortMap ports;
    std::vector<link::PortRef> present;
    std::string networkAddress; // "HOST:PORT", "" when no network printer was tried

    bool exists(const link::PortRef& port) const {
        return std::find(present.begin(), present.end(), port) != present.end();
    }
};

// On the worker's thread.
PortInventory takeInventory(WorkerLink& worker);

} // namespace tessaro::worker
