// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parallel ports: LPT1 and LPT2 as kernel parallel ports or the virtual printer, or a /dev/parportN
// path (LPT1 of the session); spoken to through the port's registers, searched last.

#include "link/LinkKindDescriptor.h"

namespace tessaro::link {

class ParallelKind final : public LinkKindDescriptor {
  public:
    constexpr ParallelKind()
        : LinkKindDescriptor({.kind = LinkKind::Parallel,
                              .prefix = "LPT",
                              .count = 2,
                              .jsonWord = "parallel",
                              .what = "parallel port",
                              .noun = message::MessageId::KindParallelPort,
                              .devicePrefix = "/dev/parport",
                              .lineSettings = false,
                              .searchRank = 3,
                              .exchange = Exchange::ParallelRegisters}) {}

    std::string numberedDevice(const PortMap& ports, int n) const override;
    bool present(const PortMap& ports, const PortRef& port) const override;
    PortRef resolve(const PortRef& given, PortMap& ports) const override;
    message::Message absentReason(const PortMap& ports, const PortRef& port) const override;
    std::unique_ptr<Transport> makeTransport(const TransportParts& parts) const override;
};

} // namespace tessaro::link
