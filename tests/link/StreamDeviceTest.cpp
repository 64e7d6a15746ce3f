// SPDX-License-Identifier: GPL-3.0-or-later
// A USB or network printer that stops taking bytes: the write is bounded on the link's clock
// and ends as a fault, never as a silent loss.

#include "link/SerialTransport.h"
#include "support/StalledStreamDevice.h"

#include <gtest/gtest.h>

namespace tessaro::link {
namespace {

using namespace std::chrono_literals;

TEST(StreamDeviceTest, AWriteThePrinterStopsTakingEndsAsAFaultOnTheLinksClock) {
    VirtualClock clock;
    test::StalledStreamDevice device(clock, 3);
    tempo timing(clock);
    SerialTransport link(device, timing, LinkKind::Network,
                         [](const PortRef&) { return "printer.test:9100"; });
    ASSERT_EQ(link.open(PortRef::parse("tcp://printer.test").value(), "", 0), "");
    EXPECT_FALSE(link.write("\x1b\x33\x05\x1b\x73"));
    EXPECT_EQ(device.taken(), "\x1b\x33\x05");
    EXPECT_EQ(clock.now(), 5s); // the bound, on the virtual clock: no real time
    EXPECT_EQ(device.refusedWrites(), 5);
    EXPECT_EQ(link.problem(), PortProblem::Lost);
    EXPECT_EQ(link.takeFault(), "printer.test:9100: the printer stopped taking data");
    EXPECT_EQ(link.takeFault(), ""); // said once

    // The device has let go: nothing more is tried.
    EXPECT_FALSE(link.write("\x1b\x73"));
    EXPECT_EQ(device.refusedWrites(), 5);
    EXPECT_EQ(device.taken(), "\x1b\x33\x05");
}

} // namespace
} // namespace tessaro::link
