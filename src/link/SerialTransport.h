#pragma once
// The serial link: a COM port through the serial control. Replies are read from what the
// driver holds: a text reply once its first byte came (at most 5 s) and 100 ms more, a
// one-byte reply after 50 ms.

#include "link/SerialControl.h"
#include "link/Transport.h"
#include "link/tempo.h"

namespace tessaro::link {

class SerialTransport final : public Transport {
  public:
    // How long a reply may take to begin.
    static constexpr int kFirstByteTimeoutMs = 5000;

    SerialTransport(SerialControl& serial, tempo& timing) : serial_(serial), tempo_(timing) {}

    LinkKind kind() const override { return LinkKind::Serial; }
    std::string panelText(int port, std::string_view speed) const override {
        return "COM  " + std::to_string(port) + " ,  " + std::string(speed) + " BAUDS ";
    }
    // An open port keeps its number and settings until closed.
    std::string open(int port, std::string_view speed, int handshake) override;
    void close() override;
    bool write(std::string_view bytes) override {
        serial_.output(bytes);
        return true;
    }
    std::string readReply() override;
    std::uint8_t readByte() override;
    void discardInput() override { serial_.discardInput(); }
    std::string takeFault() override { return serial_.takeFault(); }

    void expectAnswer() override;
    int savingReplyWaitMs() const override { return 500; }
    Answer takeAnswer() override;
    int speedCommandPauseMs() const override { return 50; }
    bool followsPrinterSpeed() const override { return true; }

  private:
    SerialControl& serial_;
    tempo& tempo_;
};

} // namespace tessaro::link
