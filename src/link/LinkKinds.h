// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of link a printer can be on, one row each: how a port of the kind is spelled,
// how many numbered ports it has, its JSON word, whether it has line settings and where the
// automatic search takes it. Everything that names a port reads it from here.

#include <array>
#include <cstddef>
#include <string_view>

namespace tessaro::link {

enum class LinkKind { Serial, Parallel, Usb, Network, Rfc2217 };

struct LinkKindRow {
    LinkKind kind;
    // A numbered port is the prefix and its number ("COM1"); an addressed one, the prefix and
    // its address ("tcp://HOST[:PORT]").
    std::string_view prefix;
    int count;                     // how many numbered ports; 0 when ports are addresses
    std::string_view jsonWord;     // the "link" of the JSON output
    std::string_view what;         // "serial port", as a refusal names the kind
    std::string_view devicePrefix; // a device path of this kind begins so
    bool lineSettings;             // speed and handshake mean something on it
    int searchRank;                // the automatic search's order, from 1; 0 = not searched
    // The address grammar of a kind whose ports are addresses: whether the text after the
    // prefix is one, and how it is written for people ("HOST[:PORT]"); null for the others.
    bool (*takesAddress)(std::string_view text) = nullptr;
    std::string_view addressForm = "";
};

// The address grammars: a network printer's "HOST[:PORT]" (port 9100 unless named), a serial
// server's "HOST:PORT" (it has no usual port).
bool isNetworkAddress(std::string_view text);
bool isSerialServerAddress(std::string_view text);

// Any other device path is a serial port (/dev/ttyUSB0, a pseudo-terminal, a by-id link).
inline constexpr std::array<LinkKindRow, 5> kLinkKinds{{
    {LinkKind::Serial, "COM", 6, "serial", "serial port", "", true, 1},
    {LinkKind::Parallel, "LPT", 2, "parallel", "parallel port", "/dev/parport", false, 3},
    {LinkKind::Usb, "USB", 4, "usb", "USB printer", "/dev/usb/lp", false, 2},
    {LinkKind::Network, "tcp://", 0, "network", "network printer", "", false, 0, isNetworkAddress,
     "HOST[:PORT]"},
    {LinkKind::Rfc2217, "rfc2217://", 0, "rfc2217", "serial server", "", true, 0,
     isSerialServerAddress, "HOST:PORT"},
}};

// The row of each kind. A kind without a case here does not compile (-Wswitch, -Werror).
constexpr std::size_t rowIndex(LinkKind kind) {
    switch (kind) {
    case LinkKind::Serial:
        return 0;
    case LinkKind::Parallel:
        return 1;
    case LinkKind::Usb:
        return 2;
    case LinkKind::Network:
        return 3;
    case LinkKind::Rfc2217:
        return 4;
    }
    return kLinkKinds.size();
}

constexpr bool everyKindHasItsRow() {
    for (std::size_t i = 0; i < kLinkKinds.size(); ++i) {
        if (rowIndex(kLinkKinds[i].kind) != i) {
            return false;
        }
    }
    return true;
}
static_assert(everyKindHasItsRow(), "kLinkKinds needs one row per LinkKind, in rowIndex order");

constexpr const LinkKindRow& linkKind(LinkKind kind) {
    return kLinkKinds[rowIndex(kind)];
}

inline constexpr int kComPorts = linkKind(LinkKind::Serial).count;
inline constexpr int kLptPorts = linkKind(LinkKind::Parallel).count;
inline constexpr int kUsbPorts = linkKind(LinkKind::Usb).count;

} // namespace tessaro::link
