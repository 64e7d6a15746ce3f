// SPDX-License-Identifier: GPL-3.0-or-later
// The in-memory serial driver: which ports open, when the printer hears the host, and how
// long waiting for a reply takes on the virtual clock.

#include "sim/VirtualSerialControl.h"

#include "support/Said.h"

#include <gtest/gtest.h>

namespace tessaro::sim {
namespace {

using namespace std::chrono_literals;

class VirtualSerialControlTest : public ::testing::Test {
  protected:
    VirtualSerialControlTest() { port.addSilentPort(2); }

    std::string openAt(const std::string& settings, int number = 1) {
        port.setCommPort(link::PortRef::numbered(link::LinkKind::Serial, number));
        port.setSettings(settings);
        return test::said(port.open());
    }
    // Asks and waits up to 1 s for the reply; "" when none comes.
    std::string ask(const std::string& request) {
        port.output(request);
        return port.waitForInput(1000) ? port.input() : "";
    }

    link::VirtualClock clock;
    PrinterModel printer{PrinterConfig{}, clock};
    VirtualSerialControl port{printer, clock};
};

TEST_F(VirtualSerialControlTest, PortsThatCannotOpenSayWhy) {
    port.setInUse(2, true);
    EXPECT_EQ(openAt("9600,N,8,1", 3), "COM3: no such port");
    EXPECT_EQ(openAt("9600,N,8,1", 2), "COM2: port in use");
    EXPECT_EQ(openAt("fast", 1), "COM1: invalid settings \"fast\"");
    EXPECT_FALSE(port.portOpen());
    port.setInUse(2, false);
    ASSERT_EQ(openAt("9600,N,8,1", 2), "");
    EXPECT_EQ(openAt("9600,N,8,1", 2), "COM2: port already open");
    EXPECT_EQ(ask("\x1BI"), ""); // nothing attached
    EXPECT_TRUE(printer.received().empty());
}

TEST_F(VirtualSerialControlTest, OtherFramingIsNotHeard) {
    ASSERT_EQ(openAt("9600,E,7,1"), "");
    EXPECT_EQ(ask("\x1Bv"), "");
}

TEST_F(VirtualSerialControlTest, UnpluggedAdapterLosesEverything) {
    ASSERT_EQ(openAt("9600,N,8,1"), "");
    port.output("\x1BI");
    port.unplug();
    EXPECT_FALSE(port.portOpen());
    EXPECT_EQ(port.inBufferCount(), 0);
    port.output("\x1Bv");
    EXPECT_FALSE(port.waitForInput(100));
    EXPECT_EQ(port.input(), "");
    EXPECT_EQ(openAt("9600,N,8,1"), "COM1: device disconnected");
    EXPECT_EQ(port.written(), std::vector<std::string>{"\x1BI"});
    port.plugIn();
    EXPECT_EQ(openAt("9600,N,8,1"), "");
}

TEST_F(VirtualSerialControlTest, WaitEndsWhenTheLateReplyIsReady) {
    PrinterConfig config;
    config.replyDelayMs = 300;
    PrinterModel late(config, clock);
    VirtualSerialControl latePort(late, clock);
    ASSERT_EQ(test::said(latePort.open()), "");
    latePort.output("\x1BI");
    EXPECT_FALSE(latePort.waitForInput(100));
    EXPECT_TRUE(latePort.waitForInput(1000));
    EXPECT_EQ(clock.now(), link::Micros(300ms));
    latePort.setInputLen(4);
    EXPECT_EQ(latePort.input(), "R62 ");
    EXPECT_EQ(latePort.inBufferCount(), 19);
    latePort.discardInput();
    EXPECT_EQ(latePort.inBufferCount(), 0);
}

TEST_F(VirtualSerialControlTest, EndlessReplyFillsTheDriverBufferNoFurther) {
    PrinterConfig config;
    config.endless = true;
    PrinterModel endless(config, clock);
    VirtualSerialControl endlessPort(endless, clock);
    ASSERT_EQ(test::said(endlessPort.open()), "");
    endlessPort.output("\x1Bv");
    for (int i = 0; i < 100; ++i) {
        endlessPort.inBufferCount();
    }
    EXPECT_EQ(endlessPort.inBufferCount(),
              static_cast<int>(VirtualSerialControl::kReceiveCapacity));
}

} // namespace
} // namespace tessaro::sim
