#pragma once
// Port I/O on Linux through libieee1284: the kernel's parallel ports (ppdev), addressed by
// the base addresses this adapter reports as the BIOS table entries of LPT1 and LPT2.

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

    std::string failure() const override { return failure_; }

  private:
    struct Slot {
        parport* port = nullptr;
        std::string device;
        std::uint16_t base = 0;
        bool opened = false;
        bool claimed = false;
        bool reverse = false;
    };
    Slot* slotAt(std::uint32_t address);
    bool claim(Slot& slot);
    bool attach(int n, Slot& slot);

    const PortMap& ports_;
    std::array<Slot, 2> slots_;
    struct PortListDeleter {
        void operator()(parport_list* list) const;
    };
    std::unique_ptr<parport_list, PortListDeleter> list_;
    std::string failure_;
};

} // namespace tessaro::link
