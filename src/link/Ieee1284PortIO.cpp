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

std::string ieee1284ErrorText(int code, const std::string& device) {
    switch (code) {
    case E1284_OK:
        return "no error";
    case E1284_NOTIMPL:
        return "not implemented by this port";
    case E1284_NOTAVAIL:
        return "a capability the program needs is not available on this port";
    case E1284_TIMEDOUT:
        return "the port did not answer in time";
    case E1284_REJECTED:
        return "the printer rejected the request";
    case E1284_NEGFAILED:
        return "negotiation with the printer failed";
    case E1284_NOMEM:
        return "not enough memory";
    case E1284_INIT:
        return "the port could not be initialised";
    case E1284_SYS: {
        const int error = errno;
        if (error == EACCES || error == EPERM) {
            return permissionDenied(device, "permission denied; join the lp group (sudo adduser "
                                            "$USER lp, then log in again)");
        }
        if (error == EBUSY) {
            return inUse(device, "the port is in use by another driver or program");
        }
        return error != 0 ? std::strerror(error) : "system error";
    }
    case E1284_NOID:
        return "the printer gave no device ID";
    case E1284_INVALIDPORT:
        return "the port is not open";
    default:
        return "libieee1284 error " + std::to_string(code);
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
    std::string unsupported;
    if (const int code = ieee1284_find_ports(list.get(), 0); code != E1284_OK) {
        unsupported = "no parallel port support: " + ieee1284ErrorText(code);
    } else {
        list_.reset(list.release());
    }
    for (int n = 1; n <= kLptPorts; ++n) {
        attach(n, slots_[static_cast<std::size_t>(n - 1)], unsupported);
    }
    // Each port the map has says it in its own failure; without any, the library says it.
    if (failure().empty()) {
        failure_ = unsupported;
    }
    return list_ != nullptr;
}

// Finds the kernel port LPT n stands for and opens it. Every LPT the port map has gets an
// address, the one it does not open too, so that using it says why it cannot be used: the
// map alone says which LPTs exist.
void Ieee1284PortIO::attach(int n, Slot& slot, const std::string& unsupported) {
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
        slot.failure =
            slot.name + ": " +
            (unsupported.empty() ? "the parallel port library does not list it" : unsupported);
        return;
    }
    int capabilities = 0;
    errno = 0;
    if (const int code = ieee1284_open(slot.port, 0, &capabilities); code != E1284_OK) {
        slot.failure = slot.name + ": " + ieee1284ErrorText(code, slot.device);
        return;
    }
    slot.opened = true;
}

std::string Ieee1284PortIO::failure() const {
    std::string text = failure_;
    for (const Slot& slot : slots_) {
        if (!slot.failure.empty()) {
            text += (text.empty() ? "" : "\r") + slot.failure;
        }
    }
    return text;
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
    failure_.clear();
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

std::string Ieee1284PortIO::acquire(std::uint32_t base) {
    Slot* slot = slotWithBase(base);
    if (slot == nullptr) {
        return "no parallel port at this address";
    }
    if (!slot->opened) {
        return slot->failure;
    }
    if (!slot->claimed) {
        errno = 0;
        if (const int code = ieee1284_claim(slot->port); code != E1284_OK) {
            return slot->name + ": cannot claim the port: " + ieee1284ErrorText(code, slot->device);
        }
        slot->claimed = true;
    }
    return "";
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
