// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/CallerMailbox.h"

namespace tessaro::worker {

CallerMailbox::CallerMailbox()
    : notifier_(std::make_unique<QSocketNotifier>(calls_.fd(), QSocketNotifier::Read)) {
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { deliver(); });
}

CallerMailbox::~CallerMailbox() {
    notifier_.reset(); // before the descriptor it watches
}

void CallerMailbox::deliver() {
    while (std::optional<std::function<void()>> call = calls_.takeOne()) {
        (*call)();
    }
}

} // namespace tessaro::worker
