// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Questions a worker asks on its caller's thread: the call is queued to the caller, and the
// worker waits for the answer, or until the caller gives the worker up (then the question
// counts as not answered).

#include "worker/CallerMailbox.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace tessaro::worker {

class CallerQuestions {
  public:
    // caller: the mailbox of the caller's thread; it outlives every question.
    explicit CallerQuestions(CallerMailbox& caller) : caller_(caller) {}

    // Runs ask on the caller's thread and returns its answer; unanswered when given up.
    template <typename R> R ask(std::function<R()> ask, R unanswered) {
        auto answer = std::make_shared<std::optional<R>>();
        caller_.post([this, ask = std::move(ask), answer] {
            R given = ask();
            const std::lock_guard lock(mutex_);
            *answer = std::move(given);
            answered_.notify_all();
        });
        std::unique_lock lock(mutex_);
        answered_.wait(lock, [&] { return answer->has_value() || givenUp_; });
        return answer->has_value() ? std::move(**answer) : unanswered;
    }

    // From the caller's thread: the questions waiting and any later one end unanswered.
    void giveUp() {
        const std::lock_guard lock(mutex_);
        givenUp_ = true;
        answered_.notify_all();
    }

  private:
    CallerMailbox& caller_;
    std::mutex mutex_;
    std::condition_variable answered_;
    bool givenUp_ = false;
};

} // namespace tessaro::worker
