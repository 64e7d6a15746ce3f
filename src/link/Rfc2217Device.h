// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A serial printer behind a network serial server that speaks telnet with the com-port
// option (RFC 2217: ser2net, device servers). The connection is made as to a network printer,
// within kConnectTimeoutMs in all and ended at once when the operation is cancelled; within
// the same deadline the server is asked to set the line (speed, 8 data bits, no parity, one
// stop bit, flow control) and the open waits until it has confirmed the speed. A server that
// cannot set serial lines, sets another line or closes the connection is a failed port, told
// as such; the printer's bytes that arrive meanwhile are kept.

#include "link/LineSettings.h"
#include "link/TcpStreamDevice.h"
#include "link/TelnetCodec.h"

#include <cstddef>
#include <memory>
#include <string>

namespace tessaro::link {

class Rfc2217Device final : public TcpStreamDevice {
  public:
    // The most printer bytes kept before the server has set the line: more is a failed open.
    static constexpr std::size_t kEarlyDataLimit = 64 * 1024;

    // Names are looked up by resolver (the system's when null); a write that cannot finish
    // is judged on clock.
    explicit Rfc2217Device(Clock& clock, std::shared_ptr<const NameResolver> resolver = nullptr);
    // The bytes written leave before the connection closes.
    ~Rfc2217Device() override { close(); }

    // The speed of "9600,N,8,1" and the handshake are what the server is asked to set.
    void setSettings(std::string_view text) override;
    void setHandshaking(int mode) override;

  protected:
    workspace::UniqueFd connect(message::Message& why, PortProblem& problem) override;
    // The printer's bytes only: the telnet commands among them are answered or taken in here.
    ssize_t readSome(int fd, char* buffer, std::size_t size) override;
    ssize_t writeSome(int fd, const char* bytes, std::size_t size) override;
    // "rfc2217://HOST:PORT".
    std::string describe() const override;
    message::Message lossReason(message::Message seen) const override;
    void finish(int fd) override;
    void released() override;

  private:
    // Asks the server to set the line and waits, until deadline, for it to confirm the speed.
    bool setUpLine(int fd, Deadline deadline, message::Message& why);
    // One read from the socket, decoded; as recv(2) answers.
    ssize_t receive(int fd);
    // Sends what waits in pending_; false, with errno, when the socket did not take it all.
    bool flush(int fd);
    // The same, waiting for the socket until deadline.
    bool flushWithin(int fd, Deadline deadline);
    // Keeps the answers owed to the server for the next flush.
    void queueAnswers();
    // Notes whether the server closed the connection, from what recv(2) or send(2) returned
    // (count and errno).
    void noteEnd(ssize_t count);
    // Lets go of what one connection held.
    void forget();

    LineSettings line_;
    bool speedKnown_ = true;
    TelnetCodec codec_;
    std::string decoded_;       // the printer's bytes taken from the socket and not yet read
    std::string pending_;       // bytes for the server the socket has not taken yet
    message::Failure mismatch_; // why the line the server set is not the one asked for
    bool serverClosed_ = false;
};

} // namespace tessaro::link
