// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/VirtualLpt.h"

#include "link/VirtualClock.h"
#include "sim/PrinterModel.h"
#include "sim/VirtualParallelPort.h"
#include "sim/VirtualPrinterOptions.h"

#include <cstdlib>

namespace tessaro::sim {
namespace {

// The virtual printer cabled to one LPT, owning what it is made of.
class VirtualLpt final : public link::PortIO {
  public:
    // The printer and its port as TESSARO_VIRTUAL_PRINTER describes them.
    struct Settings {
        PrinterConfig printer;
        VirtualParallelPort::Options port;
        std::string failure;
    };
    static Settings fromEnvironment() {
        Settings settings;
        const char* text = std::getenv(kVirtualPrinterVariable);
        settings.failure =
            applyVirtualPrinterOptions(text ? text : "", settings.printer, settings.port);
        return settings;
    }

    VirtualLpt(int lpt, link::Clock& clock, const Settings& settings)
        : failure_(settings.failure), printer_(settings.printer, clock),
          port_(printer_, portClock_, withPort(lpt, settings.port)) {}

    bool initialize() override { return failure_.empty() && port_.initialize(); }
    // The virtual printer's own option error, as it words it.
    message::Failure failure() const override {
        return failure_.empty() ? std::nullopt
                                : message::Failure(message::Message::shown(failure_));
    }
    void shutdown() override { port_.shutdown(); }
    std::uint8_t getPortVal(std::uint32_t address) override { return port_.getPortVal(address); }
    void setPortVal(std::uint32_t address, std::uint8_t value) override {
        port_.setPortVal(address, value);
    }
    bool getPhysLong(std::uint32_t address, std::uint32_t& value) override {
        return failure_.empty() && port_.getPhysLong(address, value); // no printer if misread
    }

  private:
    static VirtualParallelPort::Options withPort(int lpt, VirtualParallelPort::Options options) {
        options.lptBase = {static_cast<std::uint16_t>(lpt == 1 ? 0x378 : 0),
                           static_cast<std::uint16_t>(lpt == 2 ? 0x278 : 0), 0};
        options.printerPort = lpt;
        return options;
    }

    std::string failure_;
    link::VirtualClock portClock_; // the port's own register timing
    PrinterModel printer_;
    VirtualParallelPort port_;
};

} // namespace

std::unique_ptr<link::PortIO> makeVirtualLpt(int lpt, link::Clock& clock) {
    return std::make_unique<VirtualLpt>(lpt, clock, VirtualLpt::fromEnvironment());
}

} // namespace tessaro::sim
