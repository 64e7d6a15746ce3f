// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/PortFinder.h"

#include <sys/stat.h>

namespace tessaro::station {
namespace {

// When /dev (serial adapters, parallel ports) and /dev/usb (USB printers) last changed, in
// ns; -1 for one that is not there.
std::vector<std::int64_t> deviceDirectoriesChanged() {
    std::vector<std::int64_t> changed;
    for (const char* directory : {"/dev", "/dev/usb"}) {
        struct stat facts {};
        changed.push_back(::stat(directory, &facts) == 0
                              ? facts.st_mtim.tv_sec * 1'000'000'000LL + facts.st_mtim.tv_nsec
                              : -1);
    }
    return changed;
}

} // namespace

std::unique_ptr<PrinterSession> PortFinder::session(const link::PortRef& port,
                                                    UnitFeedback& feedback,
                                                    const link::Cancellation* stop) {
    const std::lock_guard lock(mutex_);
    // Looked at before the lists are read: a device that comes meanwhile makes them read
    // again next time.
    std::vector<std::int64_t> changed = deviceDirectoriesChanged();
    if (!system_ || changed != readWith_) {
        system_ = link::PortMap::fromSystem();
        readWith_ = std::move(changed);
    }
    return std::make_unique<PrinterSession>(resolvePort(port, *system_), feedback, stop);
}

SessionMaker PortFinder::maker() {
    return [this](const link::PortRef& port, UnitFeedback& feedback,
                  const link::Cancellation* stop) { return session(port, feedback, stop); };
}

} // namespace tessaro::station
