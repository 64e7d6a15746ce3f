// SPDX-License-Identifier: GPL-3.0-or-later
// A port as a value: every spelling --port takes comes back as it was given, and what is not
// a port is refused with the list of what is.

#include "link/PortRef.h"

#include <gtest/gtest.h>

namespace tessaro::link {
namespace {

TEST(PortRefTest, EveryNumberedPortAndAddressReadsBackAsGiven) {
    struct Case {
        const char* text;
        LinkKind kind;
        int number;
        bool byDevice;
    };
    const Case cases[] = {
        {"COM1", LinkKind::Serial, 1, false},
        {"COM6", LinkKind::Serial, 6, false},
        {"LPT2", LinkKind::Parallel, 2, false},
        {"USB4", LinkKind::Usb, 4, false},
        {"tcp://printer", LinkKind::Network, 1, false},
        {"tcp://[::1]:9101", LinkKind::Network, 1, false},
        {"/dev/ttyUSB0", LinkKind::Serial, 1, true},
        {"/dev/serial/by-id/usb-FTDI-if00", LinkKind::Serial, 1, true},
        {"/dev/parport1", LinkKind::Parallel, 1, true},
        {"/dev/usb/lp2", LinkKind::Usb, 1, true},
        {"./printer-link", LinkKind::Serial, 1, true},
    };
    for (const Case& c : cases) {
        const auto port = PortRef::parse(c.text);
        ASSERT_TRUE(port.has_value()) << c.text;
        EXPECT_EQ(port->kind(), c.kind) << c.text;
        EXPECT_EQ(port->number(), c.number) << c.text;
        EXPECT_EQ(port->byDevice(), c.byDevice) << c.text;
        EXPECT_EQ(port->text(), c.text);
        EXPECT_EQ(PortRef::parse(port->text()), port) << c.text;
    }
    EXPECT_EQ(PortRef::parse("tcp://printer:9100")->address(), "printer:9100");
    EXPECT_EQ(PortRef::numbered(LinkKind::Usb, 2).spacedName(), "USB 2");
}

TEST(PortRefTest, WhatIsNotAPortIsRefusedNamingEveryKind) {
    for (const char* text :
         {"", "COM", "COM0", "COM7", "COM10", "LPT3", "USB5", "com1", "LPT1x", "printer"}) {
        EXPECT_FALSE(PortRef::parse(text).has_value()) << text;
    }
    EXPECT_EQ(PortRef::unknownText("COM9"),
              "Unknown port \"COM9\": use COM1..COM6, LPT1, LPT2, USB1..USB4, "
              "tcp://HOST[:PORT] or a device path");
}

TEST(PortRefTest, EachKindHasItsJsonWordAndOnlySerialHasLineSettings) {
    EXPECT_EQ(linkKind(LinkKind::Serial).jsonWord, "serial");
    EXPECT_EQ(linkKind(LinkKind::Parallel).jsonWord, "parallel");
    EXPECT_EQ(linkKind(LinkKind::Usb).jsonWord, "usb");
    EXPECT_EQ(linkKind(LinkKind::Network).jsonWord, "network");
    int withLineSettings = 0;
    for (const LinkKindRow& row : kLinkKinds) {
        withLineSettings += row.lineSettings ? 1 : 0;
    }
    EXPECT_EQ(withLineSettings, 1);
    EXPECT_TRUE(linkKind(LinkKind::Serial).lineSettings);
}

} // namespace
} // namespace tessaro::link
