// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A name server that does not answer until the test lets it.

#include "link/NameResolver.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

namespace tessaro::test {

class HangingResolver final : public link::NameResolver {
  public:
    link::ResolvedName resolve(const std::string&, int) const override {
        std::unique_lock lock(mutex_);
        ++calls_;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_; });
        ++returns_;
        changed_.notify_all();
        return {{}, message::Message::shown("released"), false};
    }
    int calls() const {
        const std::lock_guard lock(mutex_);
        return calls_;
    }
    bool waitForCalls(int count) const {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return calls_ >= count; });
    }
    // Lets every lookup answer and waits for them to have answered.
    bool releaseAll() {
        std::unique_lock lock(mutex_);
        released_ = true;
        changed_.notify_all();
        return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return returns_ == calls_; });
    }

  private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    mutable int calls_ = 0;
    mutable int returns_ = 0;
    bool released_ = false;
};

} // namespace tessaro::test
