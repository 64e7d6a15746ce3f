// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sets up the printer sessions of a station's workers one at a time: finding a port's devices
// reads the system's port lists from udev (through Qt's serial port information) and
// libieee1284, and a session's parallel driver asks libieee1284 for its ports; neither is to
// be used from two threads at once. Reading the lists costs far more than a status request:
// they are read again only once the directories their devices come and go in (/dev,
// /dev/usb) have changed, and serve every worker meanwhile.

#include "link/PortMap.h"
#include "station/PrinterSession.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace tessaro::station {

class PortFinder {
  public:
    // Any thread.
    std::unique_ptr<PrinterSession> session(const link::PortRef& port, UnitFeedback& feedback,
                                            const link::Cancellation* stop);
    // session, as a command's session maker; the finder must outlive it.
    SessionMaker maker();

  private:
    std::mutex mutex_;
    std::optional<link::PortMap> system_;
    std::vector<std::int64_t> readWith_; // the directories' changes when system_ was read
};

} // namespace tessaro::station
