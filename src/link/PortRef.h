// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A port as a value: the link kind and a number (COM n, LPT n, USB n), a device path, or a
// network printer's address. Parsed from and written as --port takes it, the window
// remembers it and the JSON output names it.

#include "link/LinkKinds.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaro::link {

class PortRef {
  public:
    // COM1, as a port the user has not chosen yet is.
    PortRef() = default;
    static PortRef numbered(LinkKind kind, int number);
    // A device path of the kind: "/dev/ttyUSB0", "/dev/parport0", "/dev/usb/lp1".
    static PortRef device(LinkKind kind, std::string path);
    // "HOST" or "HOST:PORT" ("[::1]:9100"), kept as given.
    static PortRef network(std::string address);
    // A port of a kind whose ports are addresses (no numbered ones), kept as given.
    static PortRef addressed(LinkKind kind, std::string address);

    // "COM1".."COM6", "LPT1", "LPT2", "USB1".."USB4", "tcp://HOST[:PORT]", or a device path:
    // /dev/parportN is parallel, /dev/usb/lpN a USB printer, any other path serial.
    static std::optional<PortRef> parse(std::string_view text);
    // An address of a kind whose ports are addresses, as a person types it in a field: with or
    // without the kind's prefix ("host:2001", "rfc2217://host:2001"), blanks around it left
    // out; none when the text is no address of that kind.
    static std::optional<PortRef> typedAddress(LinkKind kind, std::string_view typed);
    // What is said of a text parse does not take, on one line (the text escaped).
    static std::string unknownText(std::string_view text);
    // Every kind's spelling, as help and refusals list them: "COM1..COM6, LPT1, LPT2, ...,
    // rfc2217://HOST:PORT".
    static std::string spellings();
    // The device paths a port may be given by: "serial, /dev/parportN, /dev/usb/lpN".
    static std::string deviceSpellings();

    LinkKind kind() const { return kind_; }
    const LinkKindDescriptor& row() const { return linkKind(kind_); }
    // The port's number; 1 for a port given by its device or address.
    int number() const { return number_; }
    bool byDevice() const { return !device_.empty() && !byAddress(); }
    // Whether the kind's ports are addresses: a network printer.
    bool byAddress() const { return row().count == 0; }
    // The device path of a port given by it, or the network address; "" for a numbered port.
    const std::string& device() const { return device_; }
    const std::string& address() const { return device_; }

    // As parse takes it: "COM1", "/dev/ttyUSB0", "tcp://printer:9100".
    std::string text() const;
    // "COM 1", "LPT 1", "USB 1" as results name a numbered port.
    std::string spacedName() const;
    // As messages name the port, on one line: text() and the device path with what would
    // break or disguise the line escaped (message/ShownText.h).
    std::string shownText() const;
    // "COM 1" for a numbered port, else its device path or network address, escaped as
    // shownText is.
    std::string shownName() const;

    bool operator==(const PortRef&) const = default;

  private:
    PortRef(LinkKind kind, int number, std::string device)
        : kind_(kind), number_(number), device_(std::move(device)) {}

    LinkKind kind_ = LinkKind::Serial;
    int number_ = 1;
    std::string device_;
};

} // namespace tessaro::link
