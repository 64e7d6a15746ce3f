// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/VirtualClock.h"

#include <algorithm>

namespace tessaro::link {

void VirtualClock::advance(Micros step) {
    const Micros end = now_ + step;
    for (;;) {
        auto next =
            std::min_element(alarms_.begin(), alarms_.end(),
                             [](const Alarm& a, const Alarm& b) { return a.when < b.when; });
        if (next == alarms_.end() || next->when > end) {
            break;
        }
        now_ = std::max(now_, next->when);
        auto action = std::move(next->action);
        alarms_.erase(next);
        action(); // may add alarms of its own
    }
    now_ = end;
}

void VirtualClock::at(Micros when, std::function<void()> action) {
    alarms_.push_back({when, std::move(action)});
    if (when <= now_) {
        advance(Micros{0});
    }
}

} // namespace tessaro::link
