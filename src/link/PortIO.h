// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Direct access to the registers of a PC parallel port, and to the BIOS table of the LPT
// base addresses (physical 0x408 for LPT1, 0x40A for LPT2).

#include "message/Message.h"

#include <cstdint>
#include <string>

namespace tessaro::link {

class PortIO {
  public:
    virtual ~PortIO() = default;
    virtual bool initialize() = 0;
    virtual void shutdown() = 0;
    virtual std::uint8_t getPortVal(std::uint32_t address) = 0;
    virtual void setPortVal(std::uint32_t address, std::uint8_t value) = 0;
    // The 32-bit little-endian value at physical address; false when it cannot be read.
    virtual bool getPhysLong(std::uint32_t address, std::uint32_t& value) = 0;
    // Takes the port at this base address for this program, for as long as it is open:
    // "" when it may be used, else why not, naming the port ("LPT1 (/dev/parport0): the
    // port is in use by another driver or program"). A failure is final for this opening.
    virtual message::Failure acquire(std::uint32_t base) {
        (void)base;
        return {};
    }
    // Lets others use the port again.
    virtual void release(std::uint32_t base) { (void)base; }
    // Why initialize() failed or a port could not be opened, naming the port and the group
    // to join; "" when nothing failed.
    virtual message::Failure failure() const { return std::nullopt; }
};

} // namespace tessaro::link
