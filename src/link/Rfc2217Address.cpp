// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Rfc2217Address.h"

namespace tessaro::link {

std::optional<NetworkAddress> parseRfc2217Address(std::string_view text) {
    if (text.starts_with(kRfc2217Scheme)) {
        text.remove_prefix(kRfc2217Scheme.size());
    }
    // The port follows the last colon outside the brackets of an IPv6 host.
    const std::size_t bracket = text.rfind(']');
    const std::string_view tail = bracket == std::string_view::npos ? text : text.substr(bracket);
    if (tail.find(':') == std::string_view::npos) {
        return std::nullopt;
    }
    return parseNetworkAddress(text);
}

} // namespace tessaro::link
