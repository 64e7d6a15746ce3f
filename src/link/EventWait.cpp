// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/EventWait.h"

#include "link/Cancellation.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <poll.h>

namespace tessaro::link {

EventWait waitForEventsUntil(int fd, short events, Deadline deadline, const Cancellation* stop) {
    // poll skips an entry whose descriptor is negative: without a cancellation, only fd.
    std::array<pollfd, 2> watched{{{fd, events, 0}, {stop ? stop->fd() : -1, POLLIN, 0}}};
    while (true) {
        if (stop != nullptr && stop->cancelled()) {
            return EventWait::Stopped;
        }
        const auto now = std::chrono::steady_clock::now();
        // Rounded up, so that a wake-up that finds nothing is past the deadline.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
        const int count = ::poll(watched.data(), watched.size(),
                                 static_cast<int>(std::clamp<decltype(left)>(left, 0, INT_MAX)));
        if (count < 0 && errno != EINTR) {
            return EventWait::Failed;
        }
        if ((watched[1].revents & POLLNVAL) != 0) {
            watched[1].fd = -1; // never readable: without it the poll would not wait
        }
        if (stop != nullptr && stop->cancelled()) {
            return EventWait::Stopped;
        }
        if (count > 0 && (watched[0].revents & (events | POLLERR | POLLHUP | POLLNVAL)) != 0) {
            return EventWait::Ready;
        }
        if (count == 0 && std::chrono::steady_clock::now() >= deadline) {
            return EventWait::TimedOut;
        }
    }
}

} // namespace tessaro::link
