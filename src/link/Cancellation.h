// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A request to stop an operation under way, made from any thread and seen at once by every
// wait of that operation: a clock's delay ends early and a poll on a connecting socket
// wakes, because the request makes a descriptor readable that those waits watch too.

#include "workspace/UniqueFd.h"

#include <atomic>
#include <chrono>

namespace tessaro::link {

class Cancellation {
  public:
    Cancellation();
    Cancellation(const Cancellation&) = delete;
    Cancellation& operator=(const Cancellation&) = delete;

    // Any thread, any number of times; the first call counts.
    void cancel() noexcept;
    bool cancelled() const noexcept { return cancelled_.load(std::memory_order_acquire); }
    // Readable from the first cancel() on: for poll(2) beside the descriptor waited for.
    int fd() const noexcept { return fd_.get(); }
    // Waits the whole interval unless cancelled first; true when the interval passed.
    bool waitFor(std::chrono::milliseconds interval) const;

  private:
    workspace::UniqueFd fd_;
    std::atomic<bool> cancelled_ = false;
};

} // namespace tessaro::link
