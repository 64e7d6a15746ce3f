#include "sim/PortIOFactory.h"

#include "link/Ieee1284PortIO.h"
#include "link/VirtualClock.h"
#include "sim/PrinterModel.h"
#include "sim/VirtualParallelPort.h"

namespace tessaro::sim {
namespace {

// The virtual printer cabled to one LPT, owning what it is made of.
class VirtualLpt final : public link::PortIO {
  public:
    VirtualLpt(int lpt, link::Clock& clock)
        : printer_(PrinterConfig{}, clock), port_(printer_, portClock_, optionsFor(lpt)) {}

    bool initialize() override { return port_.initialize(); }
    void shutdown() override { port_.shutdown(); }
    std::uint8_t getPortVal(std::uint32_t address) override { return port_.getPortVal(address); }
    void setPortVal(std::uint32_t address, std::uint8_t value) override {
        port_.setPortVal(address, value);
    }
    bool getPhysLong(std::uint32_t address, std::uint32_t& value) override {
        return port_.getPhysLong(address, value);
    }

  private:
    static VirtualParallelPort::Options optionsFor(int lpt) {
        VirtualParallelPort::Options options;
        options.lptBase = {static_cast<std::uint16_t>(lpt == 1 ? 0x378 : 0),
                           static_cast<std::uint16_t>(lpt == 2 ? 0x278 : 0), 0};
        options.printerPort = lpt;
        return options;
    }

    link::VirtualClock portClock_; // the port's own register timing
    PrinterModel printer_;
    VirtualParallelPort port_;
};

} // namespace

std::unique_ptr<link::PortIO> makePortIO(const link::PortMap& ports, link::Clock& clock) {
    for (int n = 1; n <= link::kLptPorts; ++n) {
        if (ports.lpt(n).kind == link::LptPort::Kind::Virtual) {
            return std::make_unique<VirtualLpt>(n, clock);
        }
    }
    return std::make_unique<link::Ieee1284PortIO>(ports);
}

} // namespace tessaro::sim
