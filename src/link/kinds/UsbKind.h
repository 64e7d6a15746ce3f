// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// USB printers: USB1..USB4 as the port map numbers the USB printer devices, or a /dev/usb/lpN path;
// a stream without a line speed, searched after the serial ports.

#include "link/kinds/DeviceFileKind.h"

namespace tessaro::link {

class UsbKind final : public DeviceFileKind {
  public:
    constexpr UsbKind()
        : DeviceFileKind({.kind = LinkKind::Usb,
                          .prefix = "USB",
                          .count = 4,
                          .jsonWord = "usb",
                          .what = "USB printer",
                          .noun = message::MessageId::KindUsbPrinter,
                          .devicePrefix = "/dev/usb/lp",
                          .lineSettings = false,
                          .searchRank = 2}) {}

    std::string numberedDevice(const PortMap& ports, int n) const override;
    std::unique_ptr<Transport> makeTransport(const TransportParts& parts) const override;
    message::Message searchStep(std::string port, std::string_view speed) const override;
};

} // namespace tessaro::link
