// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's clock: a wait runs the Qt event loop until its timer Timer1 ticks, so the
// window stays alive (paints, clicks) while the link waits for the printer. Each wait has a
// timer of its own, so a wait started by an event handled during another ends on time and
// does not cut the other one short.

#include "link/Clock.h"

#include <QElapsedTimer>

namespace tessaro::link {

class EventLoopClock final : public Clock {
  public:
    EventLoopClock();
    Micros now() override;
    void wait(int ms) override;

  private:
    QElapsedTimer elapsed_;
};

} // namespace tessaro::link
