// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The link's delays. A delay lasts at least its interval, unless the operation it belongs to
// is stopped; it waits on the thread of the printer's worker.

#include "link/Clock.h"

namespace tessaro::link {

class tempo {
  public:
    explicit tempo(Clock& clock) : clock_(clock) {}

    // Waits ms milliseconds (at least 1).
    void Delay(int ms);
    // Waits the interval of the last Delay.
    void WaitDelay();
    // Waits ms milliseconds even when the operation is stopped meanwhile.
    void DelayWhole(int ms);

    Clock& clock() { return clock_; }

  private:
    Clock& clock_;
    int interval_ = 1;
};

} // namespace tessaro::link
