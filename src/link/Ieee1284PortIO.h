// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Port I/O on Linux through libieee1284: the kernel's parallel ports (ppdev), addressed by
// the base addresses this adapter reports as the BIOS table entries of LPT1 and LPT2. Each
// port is opened at start-up (so that a missing permission shows early), claimed when the
// link opens it and released when the link closes it. A port that cannot be opened or
// claimed says why; it does not make the other port unusable.

#include "link/PortIO.h"
#include "link/PortMap.h"

#include <array>
#include <memory>
#include <string>

struct parport;
struct parport_list;

namespace tessaro::link {

class Ieee1284PortIO final : public PortIO {
  public:
    explicit Ieee1284PortIO(const PortMap& ports);
    Ieee1284PortIO(const Ieee1284PortIO&) = delete;
    Ieee1284PortIO& operator=(const Ieee1284PortIO&) = delete;
    ~Ieee1284PortIO() override;

    bool initialize() override;
    void shutdown() override;
    std::uint8_t getPortVal(std::uint32_t address) override;
    void setPortVal(std::uint32_t address, std::uint8_t value) override;
    bool getPhysLong(std::uint32_t address, std::uint32_t& value) override;
    message::Failure acquire(std::uint32_t base) override;
    void release(std::uint32_t base) override;

    message::Failure failure() const override;

  private:
    struct Slot {
        parport* port = nullptr;
        std::string name;   // "LPT1 (/dev/parport0)"
        std::string device; // "/dev/parport0"
        std::uint16_t base = 0;
        bool opened = false;
        bool claimed = false;
        bool reverse = false;
        message::Failure failure; // why it could not be opened
    };
    Slot* slotWithBase(std::uint32_t base);
    Slot* claimedSlotAt(std::uint32_t address);
    void attach(int n, Slot& slot, const message::Failure& unsupported);

    const PortMap& ports_;
    std::array<Slot, 2> slots_;
    struct PortListDeleter {
        void operator()(parport_list* list) const;
    };
    std::unique_ptr<parport_list, PortListDeleter> list_;
    message::Failure failure_;
};

// A libieee1284 result code in words (E1284_SYS: the system's errno, read at once, and for a
// refused permission or a port in use, a look at the device when it is named).
message::Message ieee1284ErrorText(int code, const std::string& device = {});

} // namespace tessaro::link
