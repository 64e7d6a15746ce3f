// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A serial server's address as the user writes it: "HOST:PORT", an IPv6 host in brackets
// ("[::1]:2001"), or the same after "rfc2217://" as the port is shown. Serial servers have no
// usual port, so the port must be named.

#include "link/NetworkAddress.h"

#include <optional>
#include <string_view>

namespace tessaro::link {

inline constexpr std::string_view kRfc2217Scheme = "rfc2217://";

// The host and port; nothing when the text names no port or is not an address as
// parseNetworkAddress reads one.
std::optional<NetworkAddress> parseRfc2217Address(std::string_view text);

} // namespace tessaro::link
