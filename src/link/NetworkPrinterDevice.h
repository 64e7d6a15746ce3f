// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A network printer on raw TCP (port 9100 unless the address names another). Connecting,
// the name lookup included, waits at most kConnectTimeoutMs in all, and ends at once when
// the operation is cancelled; a connection the printer closes is a fault like an unplugged
// adapter.

#include "link/NameResolver.h"
#include "link/NetworkAddress.h"
#include "link/StreamDevice.h"
#include "link/TcpConnect.h"

#include <memory>
#include <string>

namespace tessaro::link {

class NetworkPrinterDevice final : public StreamDevice {
  public:
    static constexpr int kConnectTimeoutMs = kTcpConnectTimeoutMs;
    static constexpr int kDefaultPort = kDefaultNetworkPort;

    // Names are looked up by the system; a write that cannot finish is judged on clock.
    explicit NetworkPrinterDevice(Clock& clock);
    // Names are looked up by resolver (the system's when null).
    NetworkPrinterDevice(Clock& clock, std::shared_ptr<const NameResolver> resolver);

    // Names are looked up by resolver from the next connect on (the system's when null).
    void setResolver(std::shared_ptr<const NameResolver> resolver);
    // "HOST" or "HOST:PORT" (an IPv6 host in brackets: "[::1]:9100").
    void setAddress(std::string address) { address_ = std::move(address); }
    // "HOST:PORT" as the result line and the port panel show it.
    std::string shownAddress() const;

  protected:
    workspace::UniqueFd connect(std::string& why, PortProblem& problem) override;
    ssize_t readSome(int fd, char* buffer, std::size_t size) override;
    ssize_t writeSome(int fd, const char* bytes, std::size_t size) override;
    bool endOfStreamIsLoss() const override { return true; }
    std::string describe() const override { return shownAddress(); }

  private:
    std::shared_ptr<const NameResolver> resolver_;
    std::string address_;
};

} // namespace tessaro::link
