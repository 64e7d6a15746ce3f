// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a kind of link is: its facts (spelling, count, JSON word, line settings, place in the
// automatic search) and its behaviour (its ports' grammar, which of them this machine has,
// what they are driven through). One object per kind, in link/kinds/.

#include "message/Message.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tessaro::link {

enum class LinkKind { Serial, Parallel, Usb, Network, Rfc2217 };
inline constexpr std::size_t kLinkKindCount = 5;

class PortMap;
class PortRef;
class Transport;
struct TransportParts;

// How the printer on a port of the kind is spoken to: a stream of bytes both ways, or the
// parallel port's registers (the status request answered in byte mode).
enum class Exchange { Stream, ParallelRegisters };

struct LinkKindFacts {
    LinkKind kind;
    // A numbered port is the prefix and its number ("COM1"); an addressed one, the prefix and
    // its address ("tcp://HOST[:PORT]").
    std::string_view prefix;
    int count;                     // how many numbered ports; 0 when ports are addresses
    std::string_view jsonWord;     // the "link" of the JSON output
    std::string_view what;         // "serial port", as a refusal names the kind
    message::MessageId noun;       // the same, as a message names it
    std::string_view devicePrefix; // a device path of this kind begins so
    bool lineSettings;             // speed and handshake mean something on it
    int searchRank;                // the automatic search's order, from 1; 0 = not searched
    Exchange exchange = Exchange::Stream;
    bool wokenBySearch = false;        // the search first sends its ports a zero at 57600
    std::string_view addressForm = ""; // how an address is written for people: "HOST[:PORT]"
};

class LinkKindDescriptor : public LinkKindFacts {
  public:
    constexpr explicit LinkKindDescriptor(const LinkKindFacts& facts) : LinkKindFacts(facts) {}

    // Whether the text after the prefix is an address of the kind (kinds whose ports are
    // addresses).
    virtual bool takesAddress(std::string_view text) const;
    // What is said of a text with the prefix that is no address of the kind; quoted is the
    // text as the refusal shows it.
    virtual std::string addressRefusal(const std::string& quoted) const;

    // The device numbered port n stands for on this machine; "" when there is none.
    virtual std::string numberedDevice(const PortMap& ports, int n) const;
    // Whether the port is there.
    virtual bool present(const PortMap& ports, const PortRef& port) const;
    // The port a person gave, as the session's port map knows it (a device path that one of
    // the numbered ports stands for is that port); ports may learn the port's device.
    virtual PortRef resolve(const PortRef& given, PortMap& ports) const;
    // Why a port that is not there is not: "COM3 (/dev/ttyUSB7): no such device".
    virtual message::Message absentReason(const PortMap& ports, const PortRef& port) const;
    // The device a result names: its path, or the address connected to.
    virtual std::string deviceText(const PortMap& ports, const PortRef& port) const;

    // What its ports are driven through.
    virtual std::unique_ptr<Transport> makeTransport(const TransportParts& parts) const = 0;

    // How the automatic search announces a step on one of its ports ("Attempting to contact
    // printer on COM 1"): port is the port's spaced name, speed the step's speed.
    virtual message::Message searchStep(std::string port, std::string_view speed) const;

  protected:
    ~LinkKindDescriptor() = default;
};

} // namespace tessaro::link
