// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A kind whose ports are device files the port map numbers (serial ports, USB printers): a
// port is there when its device is, and a device path one of the numbered ports stands for
// is that port.

#include "link/LinkKindDescriptor.h"

namespace tessaro::link {

class DeviceFileKind : public LinkKindDescriptor {
  public:
    constexpr explicit DeviceFileKind(const LinkKindFacts& facts) : LinkKindDescriptor(facts) {}

    bool present(const PortMap& ports, const PortRef& port) const override;
    PortRef resolve(const PortRef& given, PortMap& ports) const override;

  protected:
    ~DeviceFileKind() = default;
};

} // namespace tessaro::link
