// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial link: a COM port through the serial control. Replies are read from what the
// driver holds: a text reply once its first byte came (at most 5 s) and 100 ms more, a
// one-byte reply after 50 ms. A USB or network printer is driven the same way through its
// device, without a line speed: it does not follow the printer to a new speed.

#include "link/PortMap.h"
#include "link/SerialControl.h"
#include "link/Transport.h"
#include "link/tempo.h"

#include <functional>
#include <memory>
#include <string>

namespace tessaro::link {

class SerialTransport final : public Transport {
  public:
    // How long a reply may take to begin.
    static constexpr int kFirstByteTimeoutMs = 5000;

    // The name of the port as panels and results show it, for a link without a line speed.
    using PortName = std::function<std::string(const PortRef& port)>;

    SerialTransport(SerialControl& serial, tempo& timing, LinkKind kind = LinkKind::Serial,
                    PortName name = {})
        : serial_(serial), tempo_(timing), kind_(kind), name_(std::move(name)) {}
    // Drives a device of its own.
    SerialTransport(std::unique_ptr<SerialControl> device, tempo& timing, LinkKind kind,
                    PortName name = {})
        : owned_(std::move(device)), serial_(*owned_), tempo_(timing), kind_(kind),
          name_(std::move(name)) {}

    message::Message panelText(const PortRef& port, std::string_view speed) const override;
    // An open port keeps its number and settings until closed.
    message::Failure open(const PortRef& port, std::string_view speed, int handshake) override;
    void close() override;
    // A port lets go of its device when it fails (an adapter unplugged, a printer that stops
    // taking bytes): the bytes went out when it is still open.
    bool write(std::string_view bytes) override {
        serial_.output(bytes);
        return serial_.portOpen();
    }
    std::string readReply() override;
    std::optional<std::uint8_t> readByte(int waitMs) override;
    void discardInput() override { serial_.discardInput(); }
    int waiting() override { return serial_.inBufferCount(); }
    std::string takeWaiting() override { return serial_.input(); }
    std::string resultName(const PortRef& port) const override;
    // A link of its own name (USB, network) has no speed to name.
    bool resultNamesSpeed() const override { return !name_; }
    bool waitForInput(int ms) override { return serial_.waitForInput(ms); }
    message::Failure takeFault() override { return serial_.takeFault(); }
    PortProblem problem() const override { return serial_.problem(); }

    void expectAnswer() override;
    int savingReplyWaitMs() const override { return 500; }
    Answer takeAnswer() override;
    int speedCommandPauseMs() const override { return 50; }
    bool followsPrinterSpeed() const override { return linkKind(kind_).lineSettings; }
    void startOperation() override { serial_.startOperation(); }
    void setNameResolver(std::shared_ptr<const NameResolver> resolver) override {
        serial_.setNameResolver(std::move(resolver));
    }
    void setCancellation(const Cancellation* stop) override { serial_.setCancellation(stop); }

  private:
    std::unique_ptr<SerialControl> owned_; // null when the serial control is another's
    SerialControl& serial_;
    tempo& tempo_;
    LinkKind kind_;
    PortName name_;
};

} // namespace tessaro::link
