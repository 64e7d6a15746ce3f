// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortRef.h"

#include "message/ShownText.h"

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
    for (const LinkKindDescriptor* kind : kLinkKinds) {
        const LinkKindDescriptor& row = *kind;
        if (!text.starts_with(row.prefix)) {
            continue;
        }
        const std::string_view rest = text.substr(row.prefix.size());
        if (row.count == 0) {
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
    for (const LinkKindDescriptor* kind : kLinkKinds) {
        const LinkKindDescriptor& row = *kind;
        if (!row.devicePrefix.empty() && text.starts_with(row.devicePrefix)) {
            return device(row.kind, std::string(text));
        }
    }
    return device(LinkKind::Serial, std::string(text));
}

std::optional<PortRef> PortRef::typedAddress(LinkKind kind, std::string_view typed) {
    const LinkKindDescriptor& row = linkKind(kind);
    const std::size_t first = typed.find_first_not_of(' ');
    std::string_view text = first == std::string_view::npos
                                ? std::string_view{}
                                : typed.substr(first, typed.find_last_not_of(' ') - first + 1);
    if (text.starts_with(row.prefix)) {
        text.remove_prefix(row.prefix.size());
    }
    if (row.count != 0 || !row.takesAddress(text)) {
        return std::nullopt;
    }
    return addressed(kind, std::string(text));
}

std::string PortRef::unknownText(std::string_view text) {
    const std::string quoted = "\"" + message::oneLine(text) + "\"";
    for (const LinkKindDescriptor* kind : kLinkKinds) {
        if (kind->count == 0 && text.starts_with(kind->prefix)) {
            return kind->addressRefusal(quoted);
        }
    }
    return "Unknown port " + quoted + ": use " + spellings() + " or a device path";
}

std::string PortRef::spellings() {
    std::string names;
    for (const LinkKindDescriptor* kind : kLinkKinds) {
        const LinkKindDescriptor& row = *kind;
        std::string spelling = std::string(row.prefix);
        spelling += row.count == 0   ? std::string(row.addressForm)
                    : row.count == 1 ? "1"
                    : row.count == 2 ? "1, " + spelling + "2"
                                     : "1.." + spelling + std::to_string(row.count);
        names += (names.empty() ? "" : ", ") + spelling;
    }
    return names;
}

std::string PortRef::deviceSpellings() {
    std::string names = "serial";
    for (const LinkKindDescriptor* kind : kLinkKinds) {
        if (!kind->devicePrefix.empty()) {
            names += ", " + std::string(kind->devicePrefix) + "N";
        }
    }
    return names;
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
    return message::oneLine(text());
}

std::string PortRef::shownName() const {
    return device_.empty() ? spacedName() : message::oneLine(device_);
}

} // namespace tessaro::link
