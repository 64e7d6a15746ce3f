#include "link/Ieee1284PortIO.h"

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
    if (ieee1284_find_ports(list.get(), 0) != E1284_OK) {
        failure_ = "no parallel port support";
        return false;
    }
    list_.reset(list.release());
    for (int n = 1; n <= kLptPorts; ++n) {
        if (!attach(n, slots_[static_cast<std::size_t>(n - 1)])) {
            return false;
        }
    }
    return true;
}

// Finds the kernel port LPT n stands for and opens it, so that a missing permission shows
// at start-up rather than as a time-out later.
bool Ieee1284PortIO::attach(int n, Slot& slot) {
    const auto device = ports_.parallelDevice(n);
    if (!device) {
        return true;
    }
    for (int i = 0; i < list_->portc; ++i) {
        parport* port = list_->portv[i];
        if (port->filename && device->device == port->filename) {
            slot.port = port;
            slot.device = device->device;
            const auto base = static_cast<std::uint16_t>(port->base_addr & 0xFFFF);
            slot.base = base != 0 ? base : kStandInBases[static_cast<std::size_t>(n - 1)];
        }
    }
    if (slot.port == nullptr) {
        return true;
    }
    int capabilities = 0;
    if (ieee1284_open(slot.port, 0, &capabilities) != E1284_OK) {
        const bool denied = errno == EACCES || errno == EPERM;
        failure_ = "LPT" + std::to_string(n) + " (" + slot.device +
                   "): " + (denied ? "permission denied; join the lp group" : std::strerror(errno));
        slot = Slot{};
        return false;
    }
    slot.opened = true;
    return true;
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
}

bool Ieee1284PortIO::getPhysLong(std::uint32_t address, std::uint32_t& value) {
    if (list_ == nullptr) {
        return false;
    }
    const std::uint32_t lpt1 = slots_[0].opened ? slots_[0].base : 0;
    const std::uint32_t lpt2 = slots_[1].opened ? slots_[1].base : 0;
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

Ieee1284PortIO::Slot* Ieee1284PortIO::slotAt(std::uint32_t address) {
    for (Slot& slot : slots_) {
        if (slot.opened && address >= slot.base && address <= slot.base + 2u) {
            return claim(slot) ? &slot : nullptr;
        }
    }
    return nullptr;
}

bool Ieee1284PortIO::claim(Slot& slot) {
    if (!slot.claimed) {
        slot.claimed = ieee1284_claim(slot.port) == E1284_OK;
    }
    return slot.claimed;
}

// libieee1284 speaks line levels; the PC registers invert some lines. XOR with
// S1284_INVERTED (status) and C1284_INVERTED (control) turns one into the other. The
// direction bit (control bit 5) is not a line: it goes through ieee1284_data_dir.
std::uint8_t Ieee1284PortIO::getPortVal(std::uint32_t address) {
    Slot* slot = slotAt(address);
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
    Slot* slot = slotAt(address);
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
