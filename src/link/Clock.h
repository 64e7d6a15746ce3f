// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock every wait of the printer link goes through: a worker's and the command line's
// sleep in the system (a stopped operation's waits end at once); tests use a virtual one.

#include <chrono>

namespace tessaro::link {

using Micros = std::chrono::microseconds;

class Clock {
  public:
    virtual ~Clock() = default;
    // Time since an arbitrary start; never goes back.
    virtual Micros now() = 0;
    // Returns once at least ms milliseconds have passed (sooner on a clock whose operation
    // was stopped).
    virtual void wait(int ms) = 0;
    // The same, stopped or not: a wait for an answer that decides what is reported.
    virtual void waitWhole(int ms) { wait(ms); }
};

class Cancellation;

// Sleeps in the operating system; for the command line, a worker and the virtual printer
// program. With a cancellation, a wait ends as soon as the operation is stopped.
class SteadyClock final : public Clock {
  public:
    explicit SteadyClock(const Cancellation* stop = nullptr) : stop_(stop) {}
    Micros now() override;
    void wait(int ms) override;
    void waitWhole(int ms) override;
    // The operation under way on this clock's thread; nullptr: none.
    void setCancellation(const Cancellation* stop) { stop_ = stop; }

  private:
    const Cancellation* stop_;
};

} // namespace tessaro::link
