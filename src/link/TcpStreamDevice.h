// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A device on a TCP connection to the address its port names: a network printer, a serial
// server. The connection is made within one deadline with the name lookup (link/TcpConnect)
// and ends at once when the operation is cancelled; one the far end closes is a lost port.

#include "link/NameResolver.h"
#include "link/NetworkAddress.h"
#include "link/StreamDevice.h"
#include "link/TcpConnect.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::link {

class TcpStreamDevice : public StreamDevice {
  public:
    static constexpr int kConnectTimeoutMs = kTcpConnectTimeoutMs;

    // Names are looked up by resolver from the next connect on (the system's when null).
    void setNameResolver(std::shared_ptr<const NameResolver> resolver) override;
    // The address to connect to, as the port's kind writes it ("HOST:PORT").
    void setAddress(std::string address) { address_ = std::move(address); }
    // The port's address is the one connected to.
    void setCommPort(const PortRef& port) override;
    // "HOST:PORT" as the result line and the port panel show it.
    std::string shownAddress() const;
    // A new operation: the next connection may reach any address of the name.
    void startOperation() override { pinned_.reset(); }

  protected:
    using AddressGrammar = std::optional<NetworkAddress> (*)(std::string_view text);

    // grammar reads the address; notAnAddress is why a text it does not take cannot be
    // connected to.
    TcpStreamDevice(Clock& clock, std::shared_ptr<const NameResolver> resolver,
                    AddressGrammar grammar, message::MessageId notAnAddress);

    // The connection to the address, made before deadline; none, with why, when the address
    // is none or the connection fails (a name that does not resolve sets problem to Absent).
    workspace::UniqueFd connectBefore(Deadline deadline, message::Message& why,
                                      PortProblem& problem);

    ssize_t readSome(int fd, char* buffer, std::size_t size) override;
    ssize_t writeSome(int fd, const char* bytes, std::size_t size) override;
    bool endOfStreamIsLoss() const override { return true; }
    std::string describe() const override { return shownAddress(); }

  private:
    std::shared_ptr<const NameResolver> resolver_;
    AddressGrammar grammar_;
    message::MessageId notAnAddress_;
    std::string address_;
    // The address this operation's connections reach, for the address text that pinned it.
    std::optional<SocketAddress> pinned_;
    std::string pinnedFor_;
};

} // namespace tessaro::link
