// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/InterruptWatch.h"

#include <sys/signalfd.h>
#include <unistd.h>

namespace tessaro::cli {
namespace {

sigset_t watchedSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

} // namespace

InterruptWatch::InterruptWatch(std::function<void()> onSignal) {
    const sigset_t set = watchedSignals();
    pthread_sigmask(SIG_BLOCK, &set, &previous_);
    fd_.reset(::signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK));
    if (!fd_) {
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr); // they end the program as usual
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_.get(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated,
                     [fd = fd_.get(), onSignal = std::move(onSignal)] {
                         signalfd_siginfo info{};
                         while (::read(fd, &info, sizeof info) == sizeof info) {
                             onSignal();
                         }
                     });
}

InterruptWatch::~InterruptWatch() {
    notifier_.reset(); // before the descriptor it watches
    fd_.reset();
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

void InterruptWatch::unblockInChild() {
    const sigset_t set = watchedSignals();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

} // namespace tessaro::cli
