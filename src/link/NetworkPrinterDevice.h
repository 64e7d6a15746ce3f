// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A network printer on raw TCP (port 9100 unless the address names another). Connecting,
// the name lookup included, waits at most kConnectTimeoutMs in all, and ends at once when
// the operation is cancelled; a connection the printer closes is a fault like an unplugged
// adapter.

#include "link/TcpStreamDevice.h"

#include <memory>

namespace tessaro::link {

class NetworkPrinterDevice final : public TcpStreamDevice {
  public:
    static constexpr int kDefaultPort = kDefaultNetworkPort;

    // Names are looked up by resolver (the system's when null); a write that cannot finish
    // is judged on clock.
    explicit NetworkPrinterDevice(Clock& clock,
                                  std::shared_ptr<const NameResolver> resolver = nullptr);

  protected:
    workspace::UniqueFd connect(message::Message& why, PortProblem& problem) override {
        return connectBefore(tcpConnectDeadline(), why, problem);
    }
};

} // namespace tessaro::link
