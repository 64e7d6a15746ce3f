// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The events a station's workers post to the station's thread, in the order posted, and
// the workers that are through. A mutex guards them; an event descriptor, readable while
// something waits, wakes the station's thread, which waits on it and on the interruptions at
// once (poll(2)).

#include "station/StationEvent.h"
#include "workspace/UniqueFd.h"

#include <deque>
#include <mutex>
#include <vector>

namespace tessaro::station {

struct StationMail {
    std::vector<StationEvent> events;  // oldest first
    std::vector<std::size_t> finished; // the workers through since, after their events
};

class StationMailbox {
  public:
    explicit StationMailbox(std::size_t workers);
    StationMailbox(const StationMailbox&) = delete;
    StationMailbox& operator=(const StationMailbox&) = delete;

    // Any thread.
    void post(StationEvent event);
    // A worker's last word; it needs no memory, so that a worker whose memory ran out can
    // still say it.
    void finished(std::size_t worker) noexcept;
    // Readable while mail waits.
    int fd() const { return fd_.get(); }
    // The mail waiting; does not wait.
    StationMail take();

  private:
    void wake() noexcept;

    workspace::UniqueFd fd_;
    std::mutex mutex_;
    std::deque<StationEvent> events_;
    std::vector<char> finished_; // per worker: through, not yet taken
};

} // namespace tessaro::station
