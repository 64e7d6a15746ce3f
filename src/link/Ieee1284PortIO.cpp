// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Ieee1284PortIO.h"

#include "link/PortDiagnosis.h"

#include <cerrno>
#include <cstring>
#include <ieee1284.h>

namespace tessaro::link {
namespace {

constexpr std::uint32_t kLpt1Entry = 0x408;
constexpr std::uint32_t kLpt2Entry = 0x40A;
// Ports without an I/O address of their own (USB bridges) get a conventional one.
constexpr std::array<std::uint16_t, 2> kStandInBases{0x378, 0x278};

} // namespace

message::Message ieee1284ErrorText(int code, const std::string& device) {
    using message::MessageId;
    using message::Part;
    switch (code) {
    case E1284_OK:
        return MessageId::ParallelNoError;
    case E1284_NOTIMPL:
        return MessageId::ParallelNotImplemented;
    case E1284_NOTAVAIL:
        return MessageId::ParallelNoCapability;
    case E1284_TIMEDOUT:
        return MessageId::ParallelTimedOut;
    case E1284_REJECTED:
        return MessageId::ParallelRejected;
    case E1284_NEGFAILED:
        return MessageId::ParallelNegotiationFailed;
    case E1284_NOMEM:
        return MessageId::ParallelNoMemory;
    case E1284_INIT:
        return MessageId::ParallelInitFailed;
    case E1284_SYS: {
        const int error = errno;
        if (error == EACCES || error == EPERM) {
            return permissionDenied(device, MessageId::JoinLpGroup);
        }
        if (error == EBUSY) {
            return inUse(device, MessageId::InUseByDriverOrProgram);
        }
        return error != 0 ? message::Message(MessageId::SystemError, {Part::systemError(error)})
                          : message::Message(MessageId::ParallelSystemError);
    }
    case E1284_NOID:
        return MessageId::ParallelNoDeviceId;
    case E1284_INVALIDPORT:
        return MessageId::ParallelNotOpen;
    default:
        return {MessageId::ParallelLibraryError, {Part::verbatim(std::to_string(code))}};
    }
}

void Ieee1284PortIO::PortListDeleter::operator()(parport_list* list) const {
    ieee1284_free_ports(list);
    delete list;
}

Ieee1284PortIO::Ieee1284PortIO(const PortMap& ports) : ports_(ports) {}

Ieee1284PortIO::~Ieee1284PortIO() {
    shutdown();
}

bool Ieee1284PortIO::initialize() {
    shutdown();
    auto list = std::make_unique<parport_list>();
    message::Failure unsupported;
    if (const int code = ieee1284_find_ports(list.get(), 0); code != E1284_OK) {
        unsupported = message::Message(message::MessageId::ParallelNoSupport,
                                       {message::Part::framed(ieee1284ErrorText(code))});
    } else {
        list_.reset(list.release());
    }
    for (int n = 1; n <= kLptPorts; ++n) {
        attach(n, slots_[static_cast<std::size_t>(n - 1)], unsupported);
    }
    // Each port the map has says it in its own failure; without any, the library says it.
    if (!failure()) {
        failure_ = unsupported;
    }
    return list_ != nullptr;
}

// Finds the kernel port LPT n stands for and opens it. Every LPT the port map has gets an
// address, the one it does not open too, so that using it says why it cannot be used: the
// map alone says which LPTs exist.
void Ieee1284PortIO::attach(int n, Slot& slot, const message::Failure& unsupported) {
    const auto device = ports_.parallelDevice(n);
    if (!device) {
        return;
    }
    slot.name = "LPT" + std::to_string(n) + " (" + device->device + ")";
    slot.device = device->device;
    slot.base = kStandInBases[static_cast<std::size_t>(n - 1)];
    for (int i = 0; list_ != nullptr && i < list_->portc && slot.port == nullptr; ++i) {
        parport* port = list_->portv[i];
        if (port->filename && device->device == port->filename) {
            slot.port = port;
            if (const auto base = static_cast<std::uint16_t>(port->base_addr & 0xFFFF); base != 0) {
                slot.base = base;
            }
        }
    }
    if (slot.port == nullptr) {
        slot.failure = message::Message(
            message::MessageId::PortReason,
            {message::Part::verbatim(slot.name),
             message::Part::framed(unsupported.value_or(message::MessageId::ParallelNotListed))});
        return;
    }
    int capabilities = 0;
    errno = 0;
    if (const int code = ieee1284_open(slot.port, 0, &capabilities); code != E1284_OK) {
        slot.failure =
            message::Message(message::MessageId::PortReason,
                             {message::Part::verbatim(slot.name),
                              message::Part::framed(ieee1284ErrorText(code, slot.device))});
        return;
    }
    slot.opened = true;
}

// Each failure on a line of its own.
message::Failure Ieee1284PortIO::failure() const {
    message::Failure all = failure_;
    for (const Slot& slot : slots_) {
        if (slot.failure) {
            all = all ? message::Message(
                            message::MessageId::LinesOneAfterAnother,
                            {message::Part::framed(*all), message::Part::framed(*slot.failure)})
                      : slot.failure;
        }
    }
    return all;
}

void Ieee1284PortIO::shutdown() {
    for (Slot& slot : slots_) {
        if (slot.claimed) {
            ieee1284_release(slot.port);
        }
        if (slot.opened) {
            ieee1284_close(slot.port);
        }
        slot = Slot{};
    }
    list_.reset();
    failure_.reset();
}

bool Ieee1284PortIO::getPhysLong(std::uint32_t address, std::uint32_t& value) {
    const std::uint32_t lpt1 = slots_[0].base;
    const std::uint32_t lpt2 = slots_[1].base;
    if (address == kLpt1Entry) {
        value = lpt1 | (lpt2 << 16);
        return true;
    }
    if (address == kLpt2Entry) {
        value = lpt2;
        return true;
    }
    return false;
}

Ieee1284PortIO::Slot* Ieee1284PortIO::slotWithBase(std::uint32_t base) {
    for (Slot& slot : slots_) {
        if (slot.base != 0 && slot.base == base) {
            return &slot;
        }
    }
    return nullptr;
}

message::Failure Ieee1284PortIO::acquire(std::uint32_t base) {
    Slot* slot = slotWithBase(base);
    if (slot == nullptr) {
        return message::Message(message::MessageId::ParallelNoPortAtAddress);
    }
    if (!slot->opened) {
        return slot->failure;
    }
    if (!slot->claimed) {
        errno = 0;
        if (const int code = ieee1284_claim(slot->port); code != E1284_OK) {
            return message::Message(message::MessageId::ParallelCannotClaim,
                                    {message::Part::verbatim(slot->name),
                                     message::Part::framed(ieee1284ErrorText(code, slot->device))});
        }
        slot->claimed = true;
    }
    return std::nullopt;
}

void Ieee1284PortIO::release(std::uint32_t base) {
    Slot* slot = slotWithBase(base);
    if (slot != nullptr && slot->claimed) {
        ieee1284_release(slot->port);
        slot->claimed = false;
    }
}

// Only a claimed port is touched: a port that was not claimed answers nothing.
Ieee1284PortIO::Slot* Ieee1284PortIO::claimedSlotAt(std::uint32_t address) {
    for (Slot& slot : slots_) {
        if (slot.claimed && address >= slot.base && address <= slot.base + 2u) {
            return &slot;
        }
    }
    return nullptr;
}

// libieee1284 speaks line levels; the PC registers invert some lines. XOR with
// S1284_INVERTED (status) and C1284_INVERTED (control) turns one into the other. The
// direction bit (control bit 5) is not a line: it goes through ieee1284_data_dir.
std::uint8_t Ieee1284PortIO::getPortVal(std::uint32_t address) {
    Slot* slot = claimedSlotAt(address);
    if (slot == nullptr) {
        return 0xFF; // nothing answers on an unknown address
    }
    switch (address - slot->base) {
    case 0:
        return static_cast<std::uint8_t>(ieee1284_read_data(slot->port));
    case 1:
        return static_cast<std::uint8_t>(ieee1284_read_status(slot->port) ^ S1284_INVERTED);
    default:
        return static_cast<std::uint8_t>(
            ((ieee1284_read_control(slot->port) ^ C1284_INVERTED) & 0x0F) |
            (slot->reverse ? 0x20 : 0x00));
    }
}

void Ieee1284PortIO::setPortVal(std::uint32_t address, std::uint8_t value) {
    Slot* slot = claimedSlotAt(address);
    if (slot == nullptr) {
        return;
    }
    if (address == slot->base) {
        ieee1284_write_data(slot->port, value);
        return;
    }
    if (address == slot->base + 2u) {
        const bool reverse = (value & 0x20) != 0;
        if (reverse != slot->reverse) {
            ieee1284_data_dir(slot->port, reverse ? 1 : 0);
            slot->reverse = reverse;
        }
        ieee1284_write_control(slot->port,
                               static_cast<unsigned char>((value & 0x0F) ^ C1284_INVERTED));
    }
}

} // namespace tessaro::link
