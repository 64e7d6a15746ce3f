// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A network printer's address as the user writes it: "HOST" or "HOST:PORT", an IPv6 host in
// brackets ("[::1]:9100"), port 9100 unless it names another.

#include <optional>
#include <string>
#include <string_view>

namespace tessaro::link {

inline constexpr int kDefaultNetworkPort = 9100;

struct NetworkAddress {
    std::string host;
    int port = kDefaultNetworkPort;

    // "HOST:PORT", an IPv6 host in brackets: as the result line and the port panel show it.
    std::string text() const;
};

// The host and port of "HOST[:PORT]"; nothing when the text is none: no host, a port that is
// not a number from 1 to 65535, a host with a blank, a control character or a slash, or more
// than one colon outside brackets (an IPv6 host goes in them, as a port could not be told
// from its last group).
std::optional<NetworkAddress> parseNetworkAddress(std::string_view text);

} // namespace tessaro::link
