// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortRef.h"

#include "link/NetworkAddress.h"
#include "link/Rfc2217Address.h"
#include "workspace/ShownText.h"

#include <charconv>

namespace tessaro::link {

PortRef PortRef::numbered(LinkKind kind, int number) {
    return {kind, number, ""};
}

PortRef PortRef::device(LinkKind kind, std::string path) {
    return {kind, 1, std::move(path)};
}

PortRef PortRef::network(std::string address) {
    return addressed(LinkKind::Network, std::move(address));
}

PortRef PortRef::addressed(LinkKind kind, std::string address) {
    return {kind, 1, std::move(address)};
}

std::optional<PortRef> PortRef::parse(std::string_view text) {
    for (const LinkKindRow& row : kLinkKinds) {
        if (!text.starts_with(row.prefix)) {
            continue;
        }
        const std::string_view rest = text.substr(row.prefix.size());
        if (row.takesAddress != nullptr) {
            return row.takesAddress(rest) ? std::optional(addressed(row.kind, std::string(rest)))
                                          : std::nullopt;
        }
        int n = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), n);
        if (rest.size() == 1 && error == std::errc{} && end == rest.data() + rest.size() &&
            n >= 1 && n <= row.count) {
            return numbered(row.kind, n);
        }
        return std::nullopt;
    }
    if (text.find('/') == std::string_view::npos) {
        return std::nullopt;
    }
    for (const LinkKindRow& row : kLinkKinds) {
        if (!row.devicePrefix.empty() && text.starts_with(row.devicePrefix)) {
            return device(row.kind, std::string(text));
        }
    }
    return device(LinkKind::Serial, std::string(text));
}

bool isNetworkAddress(std::string_view text) {
    return parseNetworkAddress(text).has_value();
}

bool isSerialServerAddress(std::string_view text) {
    return !text.starts_with(kRfc2217Scheme) && parseRfc2217Address(text).has_value();
}

std::string PortRef::unknownText(std::string_view text) {
    const std::string quoted =
        "\"" + workspace::shownText(text, workspace::LineBreaks::Escape) + "\"";
    const std::string_view network = linkKind(LinkKind::Network).prefix;
    if (text.starts_with(network)) {
        const std::string spelling(network);
        return "Not a network printer's address: " + quoted + ": use " + spelling + "HOST or " +
               spelling + "HOST:PORT, PORT from 1 to 65535, an IPv6 HOST in brackets (" + spelling +
               "[::1]:" + std::to_string(kDefaultNetworkPort) + ")";
    }
    if (text.starts_with(kRfc2217Scheme)) {
        const std::string spelling(kRfc2217Scheme);
        return "Not a serial server's address: " + quoted + ": use " + spelling +
               "HOST:PORT, PORT from 1 to 65535, an IPv6 HOST in brackets (" + spelling +
               "[::1]:2001)";
    }
    std::string names;
    for (const LinkKindRow& row : kLinkKinds) {
        std::string spelling = std::string(row.prefix);
        spelling += row.count == 0   ? std::string(row.addressForm)
                    : row.count == 1 ? "1"
                    : row.count == 2 ? "1, " + spelling + "2"
                                     : "1.." + spelling + std::to_string(row.count);
        names += (names.empty() ? "" : ", ") + spelling;
    }
    return "Unknown port " + quoted + ": use " + names + " or a device path";
}

std::string PortRef::text() const {
    if (byAddress()) {
        return std::string(row().prefix) + device_;
    }
    return byDevice() ? device_ : std::string(row().prefix) + std::to_string(number_);
}

std::string PortRef::spacedName() const {
    return std::string(row().prefix) + " " + std::to_string(number_);
}

std::string PortRef::shownText() const {
    return workspace::shownText(text(), workspace::LineBreaks::Escape);
}

std::string PortRef::shownName() const {
    return device_.empty() ? spacedName()
                           : workspace::shownText(device_, workspace::LineBreaks::Escape);
}

} // namespace tessaro::link
