// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/tempo.h"

#include <algorithm>

namespace tessaro::link {

void tempo::Delay(int ms) {
    interval_ = std::max(ms, 1);
    WaitDelay();
}

void tempo::DelayWhole(int ms) {
    interval_ = std::max(ms, 1);
    clock_.waitWhole(interval_);
}

void tempo::WaitDelay() {
    clock_.wait(interval_);
}

} // namespace tessaro::link
