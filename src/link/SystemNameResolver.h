// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names looked up by the system (getaddrinfo: /etc/hosts, DNS, mDNS as nsswitch.conf says).

#include "link/NameResolver.h"

#include <optional>

namespace tessaro::link {

class SystemNameResolver final : public NameResolver {
  public:
    // Blocks while the name servers answer (a silent one for many seconds).
    ResolvedName resolve(const std::string& host, int port) const override;
    // An IPv4 or IPv6 address written as numbers, read without asking anyone; nothing when
    // host is a name.
    static std::optional<ResolvedName> numeric(const std::string& host, int port);
};

} // namespace tessaro::link
