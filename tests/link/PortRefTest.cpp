// SPDX-License-Identifier: GPL-3.0-or-later
// A port as a value: every spelling --port takes comes back as it was given, and what is not
// a port is refused with the list of what is.

#include "link/PortRef.h"

#include "link/NetworkAddress.h"

#include <gtest/gtest.h>

namespace tessaro::link {
namespace {

TEST(PortRefTest, EveryPortReadsBackAsGiven) {
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
        {"tcp://printer:9100", LinkKind::Network, 1, false},
        {"tcp://192.168.1.20:1", LinkKind::Network, 1, false},
        {"tcp://[::1]", LinkKind::Network, 1, false},
        {"tcp://[fe80::1]:65535", LinkKind::Network, 1, false},
        {"rfc2217://printers.example:2001", LinkKind::Rfc2217, 1, false},
        {"rfc2217://[::1]:4001", LinkKind::Rfc2217, 1, false},
        {"rfc2217://10.0.0.7:7000", LinkKind::Rfc2217, 1, false},
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

// Each is refused saying what its kind takes: no such numbered port; a network address with
// no port number, two of them, an IPv6 host outside brackets (its last group would be taken
// for the port), a port out of range, no host, a blank or a line break in the host; a serial
// server's without its port or with the scheme twice.
TEST(PortRefTest, WhatIsNotAPortIsRefusedSayingWhatItsKindTakes) {
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"", "COM", "COM0", "COM7", "COM10", "LPT3", "USB5", "com1", "LPT1x", "printer"},
         "Unknown port \""},
        {{"tcp://host:abc", "tcp://host:", "tcp://127.0.0.1:9100:9100", "tcp://fe80::1",
          "tcp://host:0", "tcp://host:65536", "tcp://host:-1", "tcp://", "tcp://:9100",
          "tcp://[::1", "tcp://[::1]9100", "tcp://a b", "tcp://host\n:9100", "tcp://host/"},
         "Not a network printer's address: \""},
        {{"rfc2217://host", "rfc2217://", "rfc2217://host:", "rfc2217://host:0", "rfc2217://[::1]",
          "rfc2217://a:b:1", "rfc2217://rfc2217://host:1", "rfc2217://a b:1"},
         "Not a serial server's address: \""},
    };
    for (const auto& [texts, refusal] : refused) {
        for (const std::string& text : texts) {
            EXPECT_FALSE(PortRef::parse(text).has_value()) << text;
            EXPECT_TRUE(PortRef::unknownText(text).starts_with(refusal))
                << PortRef::unknownText(text);
        }
    }
    EXPECT_EQ(PortRef::unknownText("COM9"),
              "Unknown port \"COM9\": use COM1..COM6, LPT1, LPT2, USB1..USB4, "
              "tcp://HOST[:PORT], rfc2217://HOST:PORT or a device path");
    EXPECT_EQ(PortRef::unknownText("tcp://host:abc"),
              "Not a network printer's address: \"tcp://host:abc\": use tcp://HOST or "
              "tcp://HOST:PORT, PORT from 1 to 65535, an IPv6 HOST in brackets "
              "(tcp://[::1]:9100)");
    const auto address = parseNetworkAddress("[::1]:9101");
    ASSERT_TRUE(address.has_value());
    EXPECT_EQ(address->host, "::1");
    EXPECT_EQ(address->text(), "[::1]:9101");
    EXPECT_EQ(parseNetworkAddress("printer")->text(), "printer:9100");
}

// An address field takes its kind's address with or without the prefix, and nothing else:
// not another kind's address, not a prefix typed twice.
TEST(PortRefTest, AnAddressFieldTakesItsKindsAddressWithOrWithoutThePrefix) {
    const auto server = [](std::string_view typed) {
        return PortRef::typedAddress(LinkKind::Rfc2217, typed);
    };
    EXPECT_EQ(server(" host:2001 "), PortRef::addressed(LinkKind::Rfc2217, "host:2001"));
    EXPECT_EQ(server("rfc2217://[::1]:2001"), PortRef::addressed(LinkKind::Rfc2217, "[::1]:2001"));
    for (const std::string_view refused :
         {"", "  ", "host", "tcp://host:9100", "rfc2217://rfc2217://host:1", "COM1"}) {
        EXPECT_FALSE(server(refused).has_value()) << refused;
    }
    EXPECT_EQ(PortRef::typedAddress(LinkKind::Network, "printer")->text(), "tcp://printer");
    EXPECT_EQ(PortRef::typedAddress(LinkKind::Network, "tcp://printer:9101")->text(),
              "tcp://printer:9101");
    EXPECT_FALSE(PortRef::typedAddress(LinkKind::Serial, "COM1").has_value());
}

TEST(PortRefTest, MessagesNameAPortOnOneLine) {
    const auto port = PortRef::parse("/tmp/a\r\nb\xe2\x80\xae");
    ASSERT_TRUE(port.has_value());
    EXPECT_EQ(port->text(), "/tmp/a\r\nb\xe2\x80\xae"); // kept as given
    EXPECT_EQ(port->shownText(), "/tmp/a\\x0d\\x0ab\\u202e");
    EXPECT_EQ(port->shownName(), port->shownText());
    EXPECT_EQ(PortRef::numbered(LinkKind::Serial, 2).shownName(), "COM 2");
    EXPECT_EQ(PortRef::unknownText("COM\n9"),
              "Unknown port \"COM\\x0a9\": use COM1..COM6, LPT1, LPT2, USB1..USB4, "
              "tcp://HOST[:PORT], rfc2217://HOST:PORT or a device path");
}

} // namespace
} // namespace tessaro::link
