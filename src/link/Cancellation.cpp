// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Cancellation.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace tessaro::link {

Cancellation::Cancellation() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (!fd_) {
        throw std::runtime_error("no event descriptor for stopping an operation");
    }
}

void Cancellation::cancel() noexcept {
    if (!cancelled_.exchange(true, std::memory_order_acq_rel)) {
        const std::uint64_t one = 1;
        // The counter cannot overflow with a single increment; nothing to do if it failed.
        [[maybe_unused]] const ssize_t written = ::write(fd_.get(), &one, sizeof one);
    }
}

bool Cancellation::waitFor(std::chrono::milliseconds interval) const {
    const auto end = std::chrono::steady_clock::now() + interval;
    while (!cancelled()) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return true;
        }
        pollfd watched{fd_.get(), POLLIN, 0};
        if (::poll(&watched, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) {
            std::this_thread::sleep_for(left); // cannot watch the descriptor: wait all
        }
    }
    return false;
}

} // namespace tessaro::link
