// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer link: one current port, on the transport the link settings name, opened for
// each exchange and closed after it.

#include "link/NameResolver.h"
#include "link/Notifier.h"
#include "link/ParallelTransport.h"
#include "link/ParallelWinIO.h"
#include "link/PortMap.h"
#include "link/SerialControl.h"
#include "link/SerialTransport.h"
#include "link/Session.h"
#include "link/Transport.h"
#include "link/tempo.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::link {

class SubCom {
  public:
    // How long a serial reply may take to begin.
    static constexpr int kFirstByteTimeoutMs = SerialTransport::kFirstByteTimeoutMs;
    // A parallel reply that never sends its terminating zero stops here.
    static constexpr std::size_t kMaxParallelReply = ParallelTransport::kMaxReply;

    // Each kind of link is driven through the transport its descriptor makes: the local serial
    // line through serial, the parallel ports through parallel, the USB and network printers
    // and the serial servers through devices of their own.
    SubCom(Session& session, SerialControl& serial, ParallelWinIO& parallel, tempo& timing,
           Notifier& feedback, const PortMap& ports);

    // Nonzero when COM n exists on this machine.
    int ComPortExists(int n) const;
    // Nonzero when USB printer n exists on this machine.
    int UsbPortExists(int n) const;
    // Whether the port is there, as the port map says: COM and USB ports as above, an LPT
    // that is a kernel port or the virtual printer, a port given by its device when the
    // device exists, a network printer always (its connection says otherwise).
    bool portExists(const PortRef& port) const;
    // Why a port is not there, naming its device: "COM3 (/dev/ttyUSB7): no such device",
    // "LPT2: no parallel port has this number".
    message::Message absentPortReason(const PortRef& port) const {
        return port.row().absentReason(ports_, port);
    }
    // Opens COM port at speed ("9600") with handshake (1 XON/XOFF, 2 hardware). An open port
    // keeps its settings until closed. Returns "" when open, else why it is not.
    message::Failure OpenCom(int port, std::string_view speed, int handshake);
    void CloseCom();
    // A new operation (a detection) begins: each port's next opening resolves it to its
    // device afresh; later openings until the next operation must find that device there.
    void startOperation();
    // Opens the port on its link. Returns "" when open, else why.
    message::Failure OpenPort(const PortRef& port, std::string_view speed, int handshake);
    void ClosePort();
    void SendString(std::string_view command);
    // A text reply: over serial all that came within 100 ms of its first byte (which may take
    // up to 5 s), at most 100 bytes, "" when nothing came; over parallel the bytes up to and
    // including the terminating zero.
    std::string ReceiveString();
    // A one-byte reply, waited for at most waitMs; none when nothing came.
    std::optional<std::uint8_t> ReceiveByte(int waitMs);
    // Drops whatever a serial printer sent before: a late answer to an earlier request must
    // not be read as the answer to the next one. A parallel printer answers only when asked.
    void discardInput();

    // The transport of the link the settings name, or of a kind of link.
    Transport& transport();
    Transport& transport(LinkKind kind);

    Session& session() { return session_; }
    LinkSettings& settings() { return session_.link; }
    const PortMap& ports() const { return ports_; }
    // The last port of the kind opened, if one was.
    const std::optional<PortRef>& lastOpened(LinkKind kind) const {
        return lastOpened_.at(rowIndex(kind));
    }
    ParallelWinIO& parallel() { return parallel_; }
    // Who looks up the names of network printers and serial servers (the system's resolver
    // when null).
    void setNameResolver(const std::shared_ptr<const NameResolver>& resolver);
    // What ends a network connect under way at once; nullptr: nothing.
    void setCancellation(const Cancellation* stop);
    tempo& timing() { return tempo_; }

  private:
    Session& session_;
    ParallelWinIO& parallel_;
    tempo& tempo_;
    const PortMap& ports_;
    std::array<std::unique_ptr<Transport>, kLinkKinds.size()> transports_;
    std::array<std::optional<PortRef>, kLinkKinds.size()> lastOpened_;
};

// Closes the link's port when it goes out of scope, whatever path leaves the scope.
class PortCloser {
  public:
    explicit PortCloser(SubCom& link) : link_(link) {}
    PortCloser(const PortCloser&) = delete;
    PortCloser& operator=(const PortCloser&) = delete;
    ~PortCloser() { link_.ClosePort(); }

  private:
    SubCom& link_;
};

} // namespace tessaro::link
