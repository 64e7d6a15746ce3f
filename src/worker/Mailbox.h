// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What worker threads hand to the thread that owns the mailbox: items in the order posted, and
// flags a worker raises without needing memory (its last word, said even when its memory ran
// out). A mutex guards them, so what an item carries is handed over under that lock (which
// ThreadSanitizer sees); an event descriptor, readable while something waits, wakes the
// owner: poll(2) on a command line, a QSocketNotifier in a window (worker/CallerMailbox.h).

#include "workspace/UniqueFd.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <sys/eventfd.h>
#include <unistd.h>
#include <vector>

namespace tessaro::worker {

template <typename Item> class Mailbox {
  public:
    struct Mail {
        std::vector<Item> items;          // oldest first
        std::vector<std::size_t> flagged; // the flags raised since, after their items
    };

    // flags: how many flags there are (a station's workers: one each).
    explicit Mailbox(std::size_t flags = 0)
        : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), flags_(flags, 0) {
        if (!fd_) {
            throw std::runtime_error(std::string("no event descriptor for a mailbox: ") +
                                     std::strerror(errno));
        }
    }
    Mailbox(const Mailbox&) = delete;
    Mailbox& operator=(const Mailbox&) = delete;

    // Any thread.
    void post(Item item) {
        const std::lock_guard lock(mutex_);
        items_.push_back(std::move(item));
        wake();
    }
    // Raises a flag; needs no memory. Any thread.
    void raise(std::size_t flag) noexcept {
        const std::lock_guard lock(mutex_);
        if (flag < flags_.size()) {
            flags_[flag] = 1;
        }
        wake();
    }

    // Readable while something waits.
    int fd() const { return fd_.get(); }

    // All that waits; does not wait.
    Mail take() {
        const std::lock_guard lock(mutex_);
        drain();
        Mail mail;
        mail.items.assign(std::make_move_iterator(items_.begin()),
                          std::make_move_iterator(items_.end()));
        items_.clear();
        for (std::size_t flag = 0; flag < flags_.size(); ++flag) {
            if (flags_[flag] != 0) {
                flags_[flag] = 0;
                mail.flagged.push_back(flag);
            }
        }
        return mail;
    }
    // The oldest item, or none; does not wait. The descriptor is read back to zero first, so
    // an item posted meanwhile makes it readable again.
    std::optional<Item> takeOne() {
        const std::lock_guard lock(mutex_);
        drain();
        if (items_.empty()) {
            return std::nullopt;
        }
        Item item = std::move(items_.front());
        items_.pop_front();
        return item;
    }

  private:
    void wake() noexcept {
        const std::uint64_t one = 1;
        // Only an overflow of the counter could fail, and it is read back to zero long before.
        [[maybe_unused]] const ssize_t written = ::write(fd_.get(), &one, sizeof one);
    }
    void drain() noexcept {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t read = ::read(fd_.get(), &count, sizeof count);
    }

    workspace::UniqueFd fd_;
    std::mutex mutex_;
    std::deque<Item> items_;
    std::vector<char> flags_; // raised, not yet taken
};

} // namespace tessaro::worker
