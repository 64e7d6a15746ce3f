// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Network printers on raw TCP: tcp://HOST[:PORT], port 9100 unless named; there until a connection
// says otherwise, not searched.

#include "link/LinkKindDescriptor.h"

namespace tessaro::link {

class NetworkKind final : public LinkKindDescriptor {
  public:
    constexpr NetworkKind()
        : LinkKindDescriptor({.kind = LinkKind::Network,
                              .prefix = "tcp://",
                              .count = 0,
                              .jsonWord = "network",
                              .what = "network printer",
                              .noun = message::MessageId::KindNetworkPrinter,
                              .devicePrefix = "",
                              .lineSettings = false,
                              .searchRank = 0,
                              .addressForm = "HOST[:PORT]"}) {}

    bool takesAddress(std::string_view text) const override;
    std::string addressRefusal(const std::string& quoted) const override;
    std::string deviceText(const PortMap& ports, const PortRef& port) const override;
    std::unique_ptr<Transport> makeTransport(const TransportParts& parts) const override;
};

} // namespace tessaro::link
