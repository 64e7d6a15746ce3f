// SPDX-License-Identifier: GPL-3.0-or-later
// Port spellings of any content, as --port, TESSARO_PORT and the window's remembered port give
// them: each text is a port or is refused with a message of one line that shows the text
// escaped; a port writes back as the very text it came from and reads again as the same port;
// a network port's address is one the connection takes, and its shown form reads back to the
// same host and port; the names messages give a port are one line.

#include "FuzzSupport.h"
#include "link/NetworkAddress.h"
#include "link/PortRef.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace tessaro::link;
using tessaro::fuzz::fail;
using tessaro::fuzz::require;
using tessaro::fuzz::shown;

// No control character but the tab, nothing that is not UTF-8 (a lead byte without its
// followers), no code point that disguises a line (U+2028..U+202E, U+2066..U+2069).
bool oneSafeLine(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
            return false;
        }
        if (byte == 0xE2 && i + 2 < text.size()) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            const auto third = static_cast<unsigned char>(text[i + 2]);
            if ((second == 0x80 && third >= 0xA8 && third <= 0xAE) ||
                (second == 0x81 && third >= 0xA6 && third <= 0xA9)) {
                return false;
            }
        }
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            return false; // a C1 control
        }
    }
    return true;
}

void refused(std::string_view text) {
    const std::string refusal = PortRef::unknownText(text);
    if (!refusal.starts_with("Unknown port \"") &&
        !refusal.starts_with("Not a network printer's address: \"") &&
        !refusal.starts_with("Not a serial server's address: \"")) {
        fail("the refusal of \"" + shown(text) + "\" says neither: " + shown(refusal));
    }
    if (!oneSafeLine(refusal)) {
        fail("the refusal of \"" + shown(text) + "\" is not one plain line: " + shown(refusal));
    }
}

void addressHolds(const PortRef& port) {
    const auto address = parseNetworkAddress(port.address());
    if (!address) {
        fail("the network port \"" + shown(port.text()) + "\" has an address it cannot connect to");
    }
    const auto again = parseNetworkAddress(address->text());
    if (!again || again->host != address->host || again->port != address->port) {
        fail("the address \"" + shown(port.address()) + "\" shown as \"" + shown(address->text()) +
             "\" reads back otherwise");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto port = PortRef::parse(text);
    if (!port) {
        refused(text);
        return 0;
    }
    if (port->text() != text) {
        fail("\"" + shown(text) + "\" writes back as \"" + shown(port->text()) + "\"");
    }
    require(PortRef::parse(port->text()) == port, "a port written back reads as another port");
    if (port->byAddress()) {
        addressHolds(*port);
    }
    if (!oneSafeLine(port->shownText()) || !oneSafeLine(port->shownName())) {
        fail("the names of \"" + shown(text) + "\" in messages are not one plain line");
    }
    return 0;
}
