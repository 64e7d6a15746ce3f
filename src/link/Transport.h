// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One kind of printer link: how a port of that kind is opened and closed, how bytes go out
// and how a reply comes back. The link layer (SubCom) drives whichever the link settings
// name; what differs between links is asked of the transport, never tested by its callers.

#include "link/LinkKinds.h"
#include "link/PortProblem.h"
#include "link/PortRef.h"
#include "message/Message.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::link {

class Cancellation;
class NameResolver;

// What came in answer to a request once its wait was over.
struct Answer {
    enum class Kind { Byte, None, Unreadable };
    Kind kind = Kind::None;
    std::uint8_t byte = 0;
};

class Transport {
  public:
    virtual ~Transport() = default;

    // The port as the first panel of the status bar shows it, each number with one leading
    // blank: "COM  1 ,  9600 BAUDS ", "LPT  1".
    virtual message::Message panelText(const PortRef& port, std::string_view speed) const = 0;
    // Opens the port (nothing when open, else why not, naming the port and the reason); speed
    // and handshake mean something to a serial link only.
    virtual message::Failure open(const PortRef& port, std::string_view speed, int handshake) = 0;
    // Closes after the bytes written have left.
    virtual void close() = 0;
    // Sends; false when the printer did not take every byte (a parallel printer that stays
    // busy, a USB or network printer that stops taking them, a port gone): takeFault then
    // says why, unless the link has no fault to tell. A serial link queues the bytes.
    virtual bool write(std::string_view bytes) = 0;
    // A text reply, bounded in time; "" when nothing came.
    virtual std::string readReply() = 0;
    // A one-byte reply: waits at most waitMs for it over a link that replies as it pleases;
    // none when nothing came (or a parallel read failed).
    virtual std::optional<std::uint8_t> readByte(int waitMs) = 0;
    // Drops whatever arrived unasked.
    virtual void discardInput() {}
    // What the printer has sent that the link holds now, without waiting: how many bytes,
    // and the bytes themselves (at most as many as one reply has). A parallel printer sends
    // only when asked, so nothing waits there.
    virtual int waiting() { return 0; }
    virtual std::string takeWaiting() { return {}; }
    // How a result line names the port: "COM 1", "USB 1", "LPT 1", "192.168.1.20:9100", or a
    // device path given for it; and whether the line names the speed after it ("at 9600
    // bauds").
    virtual std::string resultName(const PortRef& port) const = 0;
    virtual bool resultNamesSpeed() const { return false; }
    // Waits at most ms for the first byte of an answer; true when one is there. A parallel
    // printer's answer is read when asked for, so there is nothing to wait for.
    virtual bool waitForInput(int ms) {
        (void)ms;
        return true;
    }
    // Why the open port stopped working (an adapter unplugged), once; nothing when it did not.
    virtual message::Failure takeFault() { return std::nullopt; }
    // Why the last open failed, or Lost once the open port stopped working; None otherwise.
    virtual PortProblem problem() const = 0;

    // The one-byte answer to the saving request: get ready before sending the request, wait
    // savingReplyWaitMs(), then take what came.
    virtual void expectAnswer() { discardInput(); }
    virtual int savingReplyWaitMs() const = 0;
    virtual Answer takeAnswer() = 0;

    // After GS B, the pause before anything else, and whether the link follows the printer
    // to its new speed (closed and opened again at it).
    virtual int speedCommandPauseMs() const = 0;
    virtual bool followsPrinterSpeed() const { return false; }
    // Whether the printer must be powered down and found again after a save: the link says
    // so at once, then closes, and the printer commands stay available.
    virtual bool needsRedetectionAfterSave() const { return false; }

    // A new operation begins (SerialControl::startOperation); the name resolver and the
    // cancellation of a link that connects over the network (SerialControl).
    virtual void startOperation() {}
    virtual void setNameResolver(std::shared_ptr<const NameResolver> resolver) { (void)resolver; }
    virtual void setCancellation(const Cancellation* stop) { (void)stop; }
};

} // namespace tessaro::link
