// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial port as the printer link drives it: set the port, its line settings and flow
// control while closed, open it, then count, read and discard what arrived and queue output.

#include "link/PortProblem.h"
#include "link/PortRef.h"
#include "message/Message.h"

#include <memory>
#include <string>
#include <string_view>

namespace tessaro::link {

class Cancellation;
class NameResolver;

enum class Handshake { None = 0, XonXoff = 1, RtsCts = 2, Both = 3 };

class SerialControl {
  public:
    virtual ~SerialControl() = default;

    // Take effect at the next opening.
    virtual void setCommPort(const PortRef& port) = 0;   // COM1, a device path ...
    virtual void setSettings(std::string_view text) = 0; // "9600,N,8,1"
    virtual void setHandshaking(int mode) = 0;           // a Handshake value

    virtual bool portOpen() const = 0;
    // A new operation begins: at its first opening each port is resolved to its device
    // afresh, and every later opening within the operation must find that device there.
    virtual void startOperation() {}
    // Who looks up the name of a device reached over the network (the system's resolver
    // when null), and what ends its connect under way at once (nullptr: nothing); a device
    // that connects to nothing has no use for them.
    virtual void setNameResolver(std::shared_ptr<const NameResolver> resolver) { (void)resolver; }
    virtual void setCancellation(const Cancellation* stop) { (void)stop; }
    // Opens the port with the current settings; "" when it is open, else why not
    // ("COM3 (/dev/ttyUSB0): permission denied; join the dialout group").
    virtual message::Failure open() = 0;
    virtual void close() = 0;

    virtual void setInputLen(int length) = 0; // most bytes one input() returns
    virtual void setInputMode(int mode) = 0;  // 0 text, 1 bytes: the same bytes here
    virtual int inBufferCount() = 0;          // received bytes waiting, as the driver holds them
    virtual void discardInput() = 0;          // empties every receive buffer
    virtual void output(std::string_view bytes) = 0; // queued; does not wait for them to leave
    virtual std::string input() = 0;                 // up to InputLen waiting bytes, "" when none
    // Waits in the operating system until a byte is waiting or ms have passed; returns
    // whether one is. The link's bounded wait for the first byte of a reply.
    virtual bool waitForInput(int ms) = 0;
    // Why the open port stopped working (an adapter unplugged), once; "" when it did not.
    virtual message::Failure takeFault() { return std::nullopt; }
    // Why the last open failed, or Lost once the open port stopped working; None otherwise.
    virtual PortProblem problem() const { return PortProblem::None; }
};

} // namespace tessaro::link
