// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A USB printer-class device (/dev/usb/lpN, the kernel's usblp driver), opened read-write
// without a controlling terminal; USB n is the device the port map names. Within an operation
// every opening must find the device its first one found.

#include "link/DevicePins.h"
#include "link/PortMap.h"
#include "link/StreamDevice.h"

namespace tessaro::link {

class UsbPrinterDevice final : public StreamDevice {
  public:
    UsbPrinterDevice(const PortMap& ports, Clock& clock) : StreamDevice(clock), ports_(ports) {}
    void startOperation() override { pins_.forget(); }

  protected:
    workspace::UniqueFd connect(message::Message& why, PortProblem& problem) override;
    ssize_t readSome(int fd, char* buffer, std::size_t size) override;
    ssize_t writeSome(int fd, const char* bytes, std::size_t size) override;
    bool endOfStreamIsLoss() const override { return false; }
    std::string describe() const override;

  private:
    const PortMap& ports_;
    DevicePins pins_;
};

} // namespace tessaro::link
