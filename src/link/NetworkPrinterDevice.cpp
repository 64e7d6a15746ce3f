// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/NetworkPrinterDevice.h"

namespace tessaro::link {

// A name that does not resolve is a port that is not there; every other failure leaves the
// printer unreachable (Unusable, as the caller presets it).
NetworkPrinterDevice::NetworkPrinterDevice(Clock& clock,
                                           std::shared_ptr<const NameResolver> resolver)
    : TcpStreamDevice(clock, std::move(resolver), parseNetworkAddress,
                      message::MessageId::NotANetworkAddress) {}

} // namespace tessaro::link
