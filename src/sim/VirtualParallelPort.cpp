// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/VirtualParallelPort.h"

#include <string>

namespace tessaro::sim {
namespace {

constexpr std::uint32_t kData = 0;
constexpr std::uint32_t kStatus = 1;
constexpr std::uint32_t kControl = 2;

constexpr std::uint8_t kNotBusy = 0x80;
constexpr std::uint8_t kAckHigh = 0x40;
constexpr std::uint8_t kPaperEnd = 0x20;
constexpr std::uint8_t kLowBits = 0x1F;

constexpr std::uint8_t kStrobe = 0x01;
constexpr std::uint8_t kAutoFeed = 0x02;
constexpr std::uint8_t kDirection = 0x20;
constexpr std::uint8_t kHostReady = kDirection | kAutoFeed;

// Nothing on the cable: every status line floats high, so Busy reads as busy.
constexpr std::uint8_t kEmptyPortStatus = 0x7F;
// An address nobody answers at, or a data bus nobody drives.
constexpr std::uint8_t kFloating = 0xFF;

} // namespace

VirtualParallelPort::VirtualParallelPort(PrinterEndpoint& printer, link::VirtualClock& clock)
    : VirtualParallelPort(printer, clock, Options{}) {}

VirtualParallelPort::VirtualParallelPort(PrinterEndpoint& printer, link::VirtualClock& clock,
                                         Options options)
    : printer_(printer), clock_(clock), options_(options) {
    startBusyFaultAt(0);
}

bool VirtualParallelPort::initialize() {
    initialized_ = options_.portIoWorks;
    return initialized_;
}

void VirtualParallelPort::shutdown() {
    initialized_ = false;
}

std::uint8_t VirtualParallelPort::getPortVal(std::uint32_t address) {
    clock_.advance(options_.accessTime);
    ++reads_;
    std::uint32_t offset = 0;
    const Block block = blockAt(address, offset);
    const std::uint8_t value = readRegister(block, address, offset);
    record(Access::Kind::Read, address, value);
    return value;
}

void VirtualParallelPort::setPortVal(std::uint32_t address, std::uint8_t value) {
    clock_.advance(options_.accessTime);
    ++writes_;
    std::uint32_t offset = 0;
    const Block block = blockAt(address, offset);
    if ((block == Block::Empty || block == Block::Printer) && offset != kStatus) {
        const std::uint8_t before = latch(address, offset);
        latches_[address] = value;
        if (block == Block::Printer && offset == kControl) {
            controlChanged(before, value, address - kControl);
        }
    }
    record(Access::Kind::Write, address, value);
}

bool VirtualParallelPort::getPhysLong(std::uint32_t address, std::uint32_t& value) {
    bool known = options_.biosReadable;
    std::uint32_t read = 0;
    if (address == 0x408) {
        read = entry(0) | static_cast<std::uint32_t>(entry(1)) << 16;
    } else if (address == 0x40A) {
        read = entry(1) | static_cast<std::uint32_t>(entry(2)) << 16;
    } else if (address == 0x40C) {
        read = entry(2);
    } else {
        known = false;
    }
    value = known ? read : 0;
    record(Access::Kind::BiosRead, address, value);
    return known;
}

VirtualParallelPort::Block VirtualParallelPort::blockAt(std::uint32_t address,
                                                        std::uint32_t& offset) const {
    for (std::size_t i = 0; i < options_.lptBase.size(); ++i) {
        const std::uint32_t base = options_.lptBase[i];
        if (base == 0 || address < base || address > base + kControl) {
            continue;
        }
        offset = address - base;
        if (!options_.lptPresent[i]) {
            return Block::Absent;
        }
        return options_.printerPort == static_cast<int>(i) + 1 ? Block::Printer : Block::Empty;
    }
    return Block::None;
}

std::uint16_t VirtualParallelPort::entry(std::size_t index) const {
    return options_.lptBase[index];
}

std::uint8_t VirtualParallelPort::latch(std::uint32_t address, std::uint32_t offset) const {
    const auto found = latches_.find(address);
    if (found != latches_.end()) {
        return found->second;
    }
    return offset == kControl ? options_.initialControl : 0;
}

std::uint8_t VirtualParallelPort::readRegister(Block block, std::uint32_t address,
                                               std::uint32_t offset) {
    if (block == Block::None || block == Block::Absent) {
        return kFloating;
    }
    if (offset == kStatus) {
        return block == Block::Printer ? printerStatus() : kEmptyPortStatus;
    }
    if (offset == kData && block == Block::Printer) {
        return printerData(address);
    }
    return latch(address, offset);
}

std::uint8_t VirtualParallelPort::printerStatus() {
    offerReply(); // a reply that became ready since the host asked for one
    std::uint8_t status = options_.statusLowBits & kLowBits;
    if (!busy()) {
        status |= kNotBusy;
    }
    if (reverse_ != Reverse::Presenting) {
        status |= kAckHigh;
    }
    if (options_.paperEnd) {
        status |= kPaperEnd;
    }
    return status;
}

// With the lines turned around the host reads what the printer drives; otherwise a PC port
// reads back its own latch.
std::uint8_t VirtualParallelPort::printerData(std::uint32_t address) {
    if ((latch(address + kControl, kControl) & kDirection) == 0) {
        return latch(address, kData);
    }
    return reverse_ == Reverse::Presenting ? lines_ : kFloating;
}

void VirtualParallelPort::controlChanged(std::uint8_t before, std::uint8_t after,
                                         std::uint32_t base) {
    const bool strobeFell = (before & kStrobe) == 0 && (after & kStrobe) != 0;
    if (strobeFell && (after & kDirection) == 0) {
        takeByte(latch(base + kData, kData));
    }
    reverseStep(after);
}

// Idle -> Waiting when the host turns the lines around and pulls nAutoFd low; Waiting ->
// Presenting once a reply byte is there (nAck low); Presenting -> Idle when the host lets
// nAutoFd go and pulls nStrobe low (nAck released). A host that gives up while the printer
// waits sends it back to Idle; a byte on the lines stays there until it is taken.
void VirtualParallelPort::reverseStep(std::uint8_t control) {
    const bool hostReady = (control & kHostReady) == kHostReady;
    if (reverse_ == Reverse::Presenting && (control & kAutoFeed) == 0 && (control & kStrobe) != 0) {
        reverse_ = Reverse::Idle;
    } else if (reverse_ == Reverse::Waiting && !hostReady) {
        reverse_ = Reverse::Idle;
    } else if (reverse_ == Reverse::Idle && hostReady) {
        reverse_ = Reverse::Waiting;
    }
    offerReply();
}

void VirtualParallelPort::offerReply() {
    if (reverse_ != Reverse::Waiting || printer_.replyReady() == 0) {
        return;
    }
    const std::string byte = printer_.takeReply(1);
    if (byte.empty()) {
        return;
    }
    lines_ = static_cast<std::uint8_t>(byte[0]);
    reverse_ = Reverse::Presenting;
    ++replied_;
}

void VirtualParallelPort::takeByte(std::uint8_t byte) {
    printer_.receive(std::string(1, static_cast<char>(byte)));
    ++received_;
    startBusyFaultAt(received_);
}

void VirtualParallelPort::startBusyFaultAt(std::size_t bytes) {
    if (bytes != options_.busyAfterByte) {
        return;
    }
    if (options_.busyForever) {
        busyUntil_ = link::Micros::max();
    } else if (options_.busyHoldSeconds > 0) {
        busyUntil_ = clock_.now() + std::chrono::seconds(options_.busyHoldSeconds);
    }
}

bool VirtualParallelPort::busy() const {
    return busyUntil_ && clock_.now() < *busyUntil_;
}

void VirtualParallelPort::record(Access::Kind kind, std::uint32_t address, std::uint32_t value) {
    if (log_.size() < options_.logLimit) {
        log_.push_back({kind, address, value, clock_.now()});
    }
}

} // namespace tessaro::sim
