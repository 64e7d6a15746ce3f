// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/NetworkAddress.h"

#include <algorithm>
#include <charconv>

namespace tessaro::link {
namespace {

// A host name or address has no blank, control character or slash; unbracketed, no bracket
// and no colon either.
bool plainHost(std::string_view host, bool bracketed) {
    return !host.empty() && std::ranges::none_of(host, [bracketed](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7F || c == '/' || c == '[' || c == ']' ||
               (!bracketed && c == ':');
    });
}

std::optional<int> portNumber(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || number < 1 ||
        number > 65535) {
        return std::nullopt;
    }
    return number;
}

} // namespace

std::string NetworkAddress::text() const {
    const bool v6 = host.find(':') != std::string::npos;
    return (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::optional<NetworkAddress> parseNetworkAddress(std::string_view text) {
    std::string_view host = text;
    std::optional<std::string_view> port;
    const bool bracketed = text.starts_with("[");
    if (bracketed) {
        const auto close = text.find(']');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        host = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (!rest.starts_with(":")) {
                return std::nullopt;
            }
            port = rest.substr(1);
        }
    } else if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
    }
    if (!plainHost(host, bracketed)) {
        return std::nullopt;
    }
    NetworkAddress address{std::string(host), kDefaultNetworkPort};
    if (port) {
        const std::optional<int> number = portNumber(*port);
        if (!number) {
            return std::nullopt;
        }
        address.port = *number;
    }
    return address;
}

} // namespace tessaro::link
