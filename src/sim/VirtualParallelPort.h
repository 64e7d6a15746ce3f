// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A PC parallel port with the virtual printer on the other end of the cable, register by
// register, for the link's parallel driver to talk to.
//
// The printer's side of the handshake:
// - forward: the data register latches what the host writes; when nStrobe falls (control
//   bit 0 goes 0 -> 1) with the data lines driven by the host (bit 5 clear), the printer
//   takes the latched byte, once per strobe;
// - Busy (status bit 7 = 0) only while a busy fault holds it;
// - reverse: with the data lines turned around and nAutoFd low (control bits 5 and 1), the
//   printer puts its next reply byte on the data lines and pulls nAck low (status bit 6 = 0);
//   it lets nAck go when the host then lets nAutoFd go and pulls nStrobe low. With nothing
//   to send it keeps nAck high, and looks again at every status read, so a late reply still
//   gets through.
// Status bits 0..4 read Options::statusLowBits (0 by default; a real online printer shows
// Select and nError, 0x18, and many PC ports read the unused bits 0..2 as 1).
// Every register access costs Options::accessTime of virtual time (100 us by default), so a
// driver polling for 5 s ends after 50,000 reads and no real time; BIOS reads cost nothing.

#include "link/PortIO.h"
#include "link/VirtualClock.h"
#include "sim/PrinterEndpoint.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace tessaro::sim {

class VirtualParallelPort final : public link::PortIO {
  public:
    struct Options {
        // The BIOS table: base addresses of LPT1, LPT2 and the entry after them (0 = none).
        // The 32-bit read at 0x408 gives LPT1 | LPT2 << 16, at 0x40A LPT2 | LPT3 << 16.
        std::array<std::uint16_t, 3> lptBase{0x378, 0, 0};
        // Whether a port answers at each listed address; an absent one reads 0xFF everywhere
        // (a stale BIOS entry). A present port without the printer reads status 0x7F.
        std::array<bool, 3> lptPresent{true, true, true};
        int printerPort = 1;                // the LPT the printer is cabled to (1..3)
        bool portIoWorks = true;            // initialize()'s answer: false = no parallel support
        bool biosReadable = true;           // false: every getPhysLong fails
        link::Micros accessTime{100};       // virtual time one register access takes
        std::uint8_t statusLowBits = 0;     // status bits 0..4
        std::uint8_t initialControl = 0x0C; // the control register before the host writes it
        bool paperEnd = false;              // status bit 5
        // Busy fault: after the printer has taken busyAfterByte bytes (0: from the start) it
        // shows Busy for busyHoldSeconds of virtual time, or for good with busyForever.
        std::size_t busyAfterByte = 0;
        int busyHoldSeconds = 0;
        bool busyForever = false;
        std::size_t logLimit = 1'000'000; // accesses kept in the log; the counts go on
    };

    struct Access {
        enum class Kind { Read, Write, BiosRead };
        Kind kind;
        std::uint32_t address;
        std::uint32_t value;
        link::Micros time; // when the access ended
        bool operator==(const Access&) const = default;
    };

    VirtualParallelPort(PrinterEndpoint& printer, link::VirtualClock& clock);
    VirtualParallelPort(PrinterEndpoint& printer, link::VirtualClock& clock, Options options);

    bool initialize() override;
    void shutdown() override;
    std::uint8_t getPortVal(std::uint32_t address) override;
    void setPortVal(std::uint32_t address, std::uint8_t value) override;
    bool getPhysLong(std::uint32_t address, std::uint32_t& value) override;

    void setPaperEnd(bool paperEnd) { options_.paperEnd = paperEnd; }
    bool initialized() const { return initialized_; }

    const std::vector<Access>& log() const { return log_; }
    void clearLog() { log_.clear(); }
    std::size_t reads() const { return reads_; }
    std::size_t writes() const { return writes_; }
    std::size_t bytesReceived() const { return received_; } // bytes the printer took
    std::size_t bytesReplied() const { return replied_; }   // reply bytes put on the lines

  private:
    enum class Reverse { Idle, Waiting, Presenting };
    enum class Block { None, Absent, Empty, Printer };

    Block blockAt(std::uint32_t address, std::uint32_t& offset) const;
    std::uint16_t entry(std::size_t index) const;
    std::uint8_t latch(std::uint32_t address, std::uint32_t offset) const;
    std::uint8_t readRegister(Block block, std::uint32_t address, std::uint32_t offset);
    std::uint8_t printerStatus();
    std::uint8_t printerData(std::uint32_t address);
    void controlChanged(std::uint8_t before, std::uint8_t after, std::uint32_t base);
    void reverseStep(std::uint8_t control);
    void offerReply();
    void takeByte(std::uint8_t byte);
    void startBusyFaultAt(std::size_t bytes);
    bool busy() const;
    void record(Access::Kind kind, std::uint32_t address, std::uint32_t value);

    PrinterEndpoint& printer_;
    link::VirtualClock& clock_;
    Options options_;
    std::map<std::uint32_t, std::uint8_t> latches_; // data and control of the present ports
    Reverse reverse_ = Reverse::Idle;
    std::uint8_t lines_ = 0xFF; // what the printer drives onto the data lines
    std::optional<link::Micros> busyUntil_;
    bool initialized_ = false;
    std::size_t reads_ = 0;
    std::size_t writes_ = 0;
    std::size_t received_ = 0;
    std::size_t replied_ = 0;
    std::vector<Access> log_;
};

} // namespace tessaro::sim
