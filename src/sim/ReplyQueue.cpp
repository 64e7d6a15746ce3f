// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ReplyQueue.h"

#include <algorithm>
#include <chrono>

namespace tessaro::sim {

ReplyQueue::ReplyQueue(link::Clock& clock, ReplyFaults faults) : clock_(clock), faults_(faults) {
    if (faults_.lineLow) {
        endlessFrom_ = clock_.now();
    }
}

bool ReplyQueue::push(std::string_view reply, int baud) {
    if (faults_.silent || faults_.lineLow || reply.empty()) {
        return false;
    }
    const link::Micros at = clock_.now() + std::chrono::milliseconds(faults_.delayMs);
    const std::size_t room = kCapacity - std::min(kCapacity, bytes_.size());
    for (const char byte : reply.substr(0, room)) {
        bytes_.push_back({at, faults_.garbage ? kGarbage : byte, baud});
    }
    fillerBaud_ = baud;
    if (faults_.endless && !endlessFrom_) {
        endlessFrom_ = at;
    }
    return true;
}

std::size_t ReplyQueue::readyQueued() {
    const link::Micros now = clock_.now();
    // Bytes are queued in time order, so the ready ones are at the front.
    const auto firstLater = std::partition_point(bytes_.begin(), bytes_.end(),
                                                 [now](const Byte& b) { return b.at <= now; });
    return static_cast<std::size_t>(firstLater - bytes_.begin());
}

std::size_t ReplyQueue::ready() {
    const std::size_t queued = readyQueued();
    const bool fillerDue = endlessFrom_ && queued == bytes_.size() && clock_.now() >= *endlessFrom_;
    return queued + (fillerDue ? kFillerChunk : 0);
}

std::string ReplyQueue::take(std::size_t max, std::optional<int> hostBaud) {
    const std::size_t count = std::min(max, ready());
    const std::size_t queued = std::min(count, readyQueued());
    // A line held low reads as zero bytes whatever the speed.
    const auto heard = [this, &hostBaud](int baud) {
        return !hostBaud || *hostBaud == baud || faults_.lineLow;
    };
    std::string out;
    for (std::size_t i = 0; i < queued; ++i) {
        if (heard(bytes_.front().baud)) {
            out += bytes_.front().value;
        }
        bytes_.pop_front();
    }
    if (heard(fillerBaud_)) {
        out.append(count - queued, faults_.lineLow ? '\0' : kFiller);
    }
    return out;
}

std::optional<link::Micros> ReplyQueue::nextReadyAt() {
    const std::size_t queued = readyQueued();
    if (queued < bytes_.size()) {
        return bytes_[queued].at;
    }
    if (endlessFrom_ && clock_.now() < *endlessFrom_) {
        return endlessFrom_;
    }
    return std::nullopt;
}

void ReplyQueue::clear() {
    bytes_.clear();
    endlessFrom_.reset();
}

} // namespace tessaro::sim
