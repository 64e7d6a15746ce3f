// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PortFinder.h"

namespace tessaro::cli {

ResolvedPort PortFinder::find(const PortChoice& port) {
    const std::lock_guard lock(mutex_);
    return resolvePort(port);
}

PortResolver PortFinder::resolver() {
    return [this](const PortChoice& port) { return find(port); };
}

} // namespace tessaro::cli
