// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bytes the printer is about to send back, each with the time it becomes ready, and the
// reply faults: silence, late answers, garbage, an answer that never ends, and a line held
// low.

#include "link/Clock.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::sim {

struct ReplyFaults {
    bool silent = false;
    int delayMs = 0;
    bool garbage = false;
    bool endless = false;
    // The line is held low (a broken cable): the host reads zero bytes from the start, at any
    // speed, and no reply ever comes through.
    bool lineLow = false;
};

class ReplyQueue {
  public:
    // A printer's transmit buffer is small; a host that asks and never reads loses the rest.
    static constexpr std::size_t kCapacity = 64 * 1024;
    // How many filler bytes an endless reply offers at a time.
    static constexpr std::size_t kFillerChunk = 256;
    static constexpr char kFiller = 0x55;
    static constexpr char kGarbage = static_cast<char>(0xFF);

    ReplyQueue(link::Clock& clock, ReplyFaults faults);

    // Queues a reply the printer sends at baud bit/s, ready after the delay; returns false
    // when it is not sent at all.
    bool push(std::string_view reply, int baud);
    std::size_t ready();
    // Takes up to max ready bytes; with hostBaud, only the bytes sent at that speed are
    // returned, the others are lost on the way.
    std::string take(std::size_t max, std::optional<int> hostBaud = std::nullopt);
    // When the next queued byte becomes ready; nothing when none is waiting for its time.
    std::optional<link::Micros> nextReadyAt();
    // Forgets every reply, an endless one's filler too: the host they were for has gone.
    void clear();

  private:
    struct Byte {
        link::Micros at;
        char value;
        int baud;
    };
    std::size_t readyQueued();

    link::Clock& clock_;
    ReplyFaults faults_;
    std::deque<Byte> bytes_;
    std::optional<link::Micros> endlessFrom_;
    int fillerBaud_ = 0; // the speed of the latest reply
};

} // namespace tessaro::sim
