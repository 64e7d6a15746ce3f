// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual printer's side of the parallel port: what the host's register accesses make it
// do, and what it shows back.

#include "sim/VirtualParallelPort.h"

#include "support/PortAccessLog.h"

#include <gtest/gtest.h>

namespace tessaro::sim {
namespace {

using namespace std::chrono_literals;
using Options = VirtualParallelPort::Options;

struct Rig : test::VirtualLpt {
    using VirtualLpt::VirtualLpt;
    std::string readAll() { // byte-mode reads until one fails
        std::string bytes;
        for (std::uint8_t byte = 0; driver.ByteModeRead(byte);) {
            bytes += static_cast<char>(byte);
        }
        return bytes;
    }
};

TEST(VirtualParallelPort, ReplyIsReadByteByByteAndNotEchoedBack) {
    Rig rig;
    ASSERT_TRUE(rig.driver.OpenLPT(1));
    rig.endpoint.reply = std::string("ABC\0", 4);
    EXPECT_EQ(rig.readAll(), std::string("ABC\0", 4));
    EXPECT_EQ(rig.port.bytesReplied(), 4u);
    EXPECT_EQ(rig.endpoint.received, ""); // the reverse strobes carry nothing to the printer
}

TEST(VirtualParallelPort, StrobeDeliversTheLatchedByteOncePerFallingEdge) {
    Rig rig;
    const std::pair<std::uint32_t, std::uint8_t> writes[] = {
        {0x378, 'X'},  {0x37A, 0x04}, {0x37A, 0x05}, // strobe: X
        {0x37A, 0x05},                               // held: nothing
        {0x378, 'Y'},  {0x37A, 0x04}, {0x37A, 0x25}, // data lines turned around: nothing
        {0x37A, 0x04}, {0x37A, 0x05}, {0x37A, 0x04}, // strobe: Y
        {0x379, 0x00},                               // the status is read only
    };
    for (const auto& [address, value] : writes) {
        rig.port.setPortVal(address, value);
    }
    EXPECT_EQ(rig.endpoint.received, "XY");
    EXPECT_EQ(rig.port.writes(), std::size(writes));
    const VirtualParallelPort::Access last{VirtualParallelPort::Access::Kind::Write, 0x379, 0,
                                           link::Micros{100} * std::ssize(writes)};
    EXPECT_EQ(rig.port.log().back(), last);
}

TEST(VirtualParallelPort, ReverseHandshakeFollowsTheControlLines) {
    Rig rig;
    rig.endpoint.reply = "R";
    struct Step {
        std::uint8_t control, status, data; // control written; status and data read after it
    };
    const Step steps[] = {
        {0x04, 0xC0, 0x00}, // forward: the data register reads back its latch
        {0x24, 0xC0, 0xFF}, // lines turned around, host not ready: nothing on them
        {0x26, 0x80, 'R'},  // host ready: the byte on the lines, nAck low
        {0x24, 0x80, 'R'},  // host busy: nAck stays low until the strobe
        {0x25, 0xC0, 0xFF}, // strobe: nAck released
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(int{step.control});
        rig.port.setPortVal(0x37A, step.control);
        EXPECT_EQ(rig.port.getPortVal(0x379), step.status);
        EXPECT_EQ(rig.port.getPortVal(0x378), step.data);
    }
}

TEST(VirtualParallelPort, LateReplyIsNoticedOnALaterStatusRead) {
    Rig rig;
    ASSERT_TRUE(rig.driver.OpenLPT(1));
    const link::Micros start = rig.clock.now();
    rig.clock.at(start + 2s, [&] { rig.endpoint.reply = "Z"; });
    EXPECT_EQ(rig.readAll(), "Z");
    EXPECT_GT(rig.clock.now() - start, 2s);

    rig.endpoint.reply = "Q"; // after the driver gave up with the lines still turned around
    EXPECT_EQ(rig.readAll(), "Q");
}

TEST(VirtualParallelPort, BiosTableCarriesTheNextEntryInTheHighHalf) {
    Rig rig({.lptBase = {0x378, 0x278, 0x3BC}});
    std::uint32_t value = 0;
    EXPECT_TRUE(rig.port.getPhysLong(0x408, value));
    EXPECT_EQ(value, 0x0278'0378u);
    EXPECT_TRUE(rig.port.getPhysLong(0x40A, value));
    EXPECT_EQ(value, 0x03BC'0278u);
    Rig broken({.biosReadable = false});
    EXPECT_FALSE(broken.port.getPhysLong(0x408, value));
}

TEST(VirtualParallelPort, StatusShowsTheConfiguredLines) {
    struct Case {
        Options options;
        std::uint32_t address;
        std::uint8_t status;
    };
    const Case cases[] = {
        {{}, 0x379, 0xC0},                                               // ready
        {{.paperEnd = true}, 0x379, 0xE0},                               //
        {{.statusLowBits = 0x18}, 0x379, 0xD8},                          // Select, nError
        {{.busyHoldSeconds = 10}, 0x379, 0x40},                          // busy from the start
        {{.lptBase = {0x378, 0x278, 0}, .printerPort = 2}, 0x379, 0x7F}, // LPT1 without printer
        {{.lptPresent = {false, true, true}}, 0x379, 0xFF},              // stale BIOS entry
        {{}, 0x3BD, 0xFF},                                               // nothing there
    };
    for (const Case& c : cases) {
        Rig rig(c.options);
        EXPECT_EQ(rig.port.getPortVal(c.address), c.status) << int{c.status};
    }
}

} // namespace
} // namespace tessaro::sim
