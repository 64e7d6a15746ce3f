// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/InterruptWatch.h"

#include <pthread.h>
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

InterruptWatch::InterruptWatch() {
    const sigset_t set = watchedSignals();
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &set, &previous);
    fd_.reset(::signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK));
    if (!fd_) {
        pthread_sigmask(SIG_SETMASK, &previous, nullptr); // they end the program as usual
    }
}

int InterruptWatch::take() {
    int count = 0;
    signalfd_siginfo info{};
    while (fd_ && ::read(fd_.get(), &info, sizeof info) == sizeof info) {
        ++count;
    }
    return count;
}

} // namespace tessaro::cli
