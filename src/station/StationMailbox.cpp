// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/StationMailbox.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <sys/eventfd.h>
#include <unistd.h>

namespace tessaro::station {

StationMailbox::StationMailbox(std::size_t workers)
    : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), finished_(workers, 0) {
    if (!fd_) {
        throw std::runtime_error(std::string("no event descriptor for the station: ") +
                                 std::strerror(errno));
    }
}

void StationMailbox::wake() noexcept {
    const std::uint64_t one = 1;
    // Only an overflow of the counter could fail, and it is read back to zero long before.
    [[maybe_unused]] const ssize_t written = ::write(fd_.get(), &one, sizeof one);
}

void StationMailbox::post(StationEvent event) {
    const std::lock_guard lock(mutex_);
    events_.push_back(std::move(event));
    wake();
}

void StationMailbox::finished(std::size_t worker) noexcept {
    const std::lock_guard lock(mutex_);
    if (worker < finished_.size()) {
        finished_[worker] = 1;
    }
    wake();
}

StationMail StationMailbox::take() {
    const std::lock_guard lock(mutex_);
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t read = ::read(fd_.get(), &count, sizeof count); // back to zero
    StationMail mail;
    mail.events.assign(std::make_move_iterator(events_.begin()),
                       std::make_move_iterator(events_.end()));
    events_.clear();
    for (std::size_t worker = 0; worker < finished_.size(); ++worker) {
        if (finished_[worker] != 0) {
            finished_[worker] = 0;
            mail.finished.push_back(worker);
        }
    }
    return mail;
}

} // namespace tessaro::station
