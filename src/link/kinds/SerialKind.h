// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Serial ports: COM1..COM6 as the port map numbers the system's serial devices, or any device path
// no other kind claims (/dev/ttyUSB0, a pseudo-terminal, a by-id link); driven at the speed and
// handshake chosen, searched first at every speed after the wake-up.

#include "link/kinds/DeviceFileKind.h"

namespace tessaro::link {

class SerialKind final : public DeviceFileKind {
  public:
    constexpr SerialKind()
        : DeviceFileKind({.kind = LinkKind::Serial,
                          .prefix = "COM",
                          .count = 6,
                          .jsonWord = "serial",
                          .what = "serial port",
                          .noun = message::MessageId::KindSerialPort,
                          .devicePrefix = "",
                          .lineSettings = true,
                          .searchRank = 1,
                          .wokenBySearch = true}) {}

    std::string numberedDevice(const PortMap& ports, int n) const override;
    std::unique_ptr<Transport> makeTransport(const TransportParts& parts) const override;
    message::Message searchStep(std::string port, std::string_view speed) const override;
};

} // namespace tessaro::link
