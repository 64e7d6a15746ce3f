// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock whose time moves only when somebody waits on it, or when a virtual device spends
// time: a 5 s time-out costs no real time, and runs are repeatable.

#include "link/Clock.h"

#include <functional>
#include <vector>

namespace tessaro::link {

class VirtualClock final : public Clock {
  public:
    Micros now() override { return now_; }
    void wait(int ms) override { advance(std::chrono::milliseconds(ms)); }

    // Moves time forward, running each alarm whose time has come, in time order.
    void advance(Micros step);

    // Calls action once when the time reaches at (at once if it has).
    void at(Micros when, std::function<void()> action);

  private:
    struct Alarm {
        Micros when;
        std::function<void()> action;
    };
    Micros now_{0};
    std::vector<Alarm> alarms_;
};

} // namespace tessaro::link
