// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/CallerMailbox.h"

#include <cstdint>
#include <stdexcept>
#include <sys/eventfd.h>
#include <unistd.h>

namespace tessaro::worker {

CallerMailbox::CallerMailbox() : wake_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (!wake_) {
        throw std::runtime_error("no event descriptor for the printer's worker");
    }
    notifier_ = std::make_unique<QSocketNotifier>(wake_.get(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { deliver(); });
}

CallerMailbox::~CallerMailbox() {
    notifier_.reset(); // before the descriptor it watches
}

void CallerMailbox::post(std::function<void()> call) {
    {
        const std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    const std::uint64_t one = 1;
    // The counter only grows by ones here: a write cannot fail short of a closed descriptor.
    [[maybe_unused]] const ssize_t written = ::write(wake_.get(), &one, sizeof one);
}

void CallerMailbox::deliver() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t read = ::read(wake_.get(), &count, sizeof count);
    for (;;) {
        std::function<void()> call;
        {
            const std::lock_guard lock(mutex_);
            if (calls_.empty()) {
                return;
            }
            call = std::move(calls_.front());
            calls_.pop_front();
        }
        call();
    }
}

} // namespace tessaro::worker
