// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Serial printers behind a network serial server (RFC 2217): rfc2217://HOST:PORT, the port always
// named; a serial line at the far end, its speed and handshake set over the connection; not
// searched.

#include "link/LinkKindDescriptor.h"
#include "link/Rfc2217Address.h"

namespace tessaro::link {

class SerialServerKind final : public LinkKindDescriptor {
  public:
    constexpr SerialServerKind()
        : LinkKindDescriptor({.kind = LinkKind::Rfc2217,
                              .prefix = kRfc2217Scheme,
                              .count = 0,
                              .jsonWord = "rfc2217",
                              .what = "serial server",
                              .noun = message::MessageId::KindSerialServer,
                              .devicePrefix = "",
                              .lineSettings = true,
                              .searchRank = 0,
                              .addressForm = "HOST:PORT"}) {}

    bool takesAddress(std::string_view text) const override;
    std::string addressRefusal(const std::string& quoted) const override;
    std::unique_ptr<Transport> makeTransport(const TransportParts& parts) const override;
};

} // namespace tessaro::link
