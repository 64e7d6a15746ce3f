// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Clock.h"

#include "link/Cancellation.h"

#include <thread>

namespace tessaro::link {

Micros SteadyClock::now() {
    return std::chrono::duration_cast<Micros>(std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyClock::waitWhole(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SteadyClock::wait(int ms) {
    if (stop_ != nullptr) {
        stop_->waitFor(std::chrono::milliseconds(ms));
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace tessaro::link
