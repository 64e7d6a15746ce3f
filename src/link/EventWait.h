// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A wait for a descriptor that ends at a deadline or, at once, when the operation is
// cancelled: the cancellation's descriptor is watched in the same poll.

#include <chrono>

namespace tessaro::link {

class Cancellation;

using Deadline = std::chrono::steady_clock::time_point;

enum class EventWait {
    Ready,    // the events came (or an error or hang-up on the descriptor)
    TimedOut, // the deadline passed first
    Stopped,  // the operation was cancelled
    Failed,   // poll itself failed; errno says why
};

// Waits for events on fd until the deadline; stop may be null (no cancellation).
EventWait waitForEventsUntil(int fd, short events, Deadline deadline, const Cancellation* stop);

} // namespace tessaro::link
