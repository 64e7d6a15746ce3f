// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the devices of a station's ports (resolvePort) one worker at a time: the system's
// port lists come from udev (through Qt's serial port information) and libieee1284, which
// are not to be read from two threads at once.

#include "cli/PrinterSession.h"

#include <mutex>

namespace tessaro::cli {

class PortFinder {
  public:
    // Any thread.
    ResolvedPort find(const PortChoice& port);
    // find, as a command's port resolver; the finder must outlive it.
    PortResolver resolver();

  private:
    std::mutex mutex_;
};

} // namespace tessaro::cli
