#pragma once
// A USB printer-class device (/dev/usb/lpN, the kernel's usblp driver) as the link drives a
// serial port: bytes out, replies counted and read, every wait bounded with poll. It has no
// speed and no handshake: those settings are taken and ignored.

#include "link/PortMap.h"
#include "link/SerialControl.h"

#include <string>

namespace tessaro::link {

class UsbPrinterDevice final : public SerialControl {
  public:
    // How long a write may wait for the printer to take its bytes.
    static constexpr int kWriteTimeoutMs = 5000;
    static constexpr std::size_t kReceiveCapacity = 4096;

    explicit UsbPrinterDevice(const PortMap& ports) : ports_(ports) {}
    UsbPrinterDevice(const UsbPrinterDevice&) = delete;
    UsbPrinterDevice& operator=(const UsbPrinterDevice&) = delete;
    ~UsbPrinterDevice() override { close(); }

    void setCommPort(int port) override { port_ = port; }
    void setSettings(std::string_view) override {}
    void setHandshaking(int) override {}
    bool portOpen() const override { return fd_ >= 0; }
    std::string open() override;
    void close() override;
    void setInputLen(int length) override { inputLen_ = length; }
    void setInputMode(int) override {}
    int inBufferCount() override;
    void discardInput() override;
    void output(std::string_view bytes) override;
    std::string input() override;
    bool waitForInput(int ms) override;
    std::string takeFault() override;

  private:
    std::string describePort() const;
    void pull();
    void lost(int error);

    const PortMap& ports_;
    int port_ = 1;
    int fd_ = -1;
    int inputLen_ = 100;
    std::string received_;
    std::string fault_;
};

} // namespace tessaro::link
