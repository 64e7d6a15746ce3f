// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The virtual printer itself: decodes what the host sends, keeps the parameters received
// since power-on and the stored power-on defaults, and answers the queries. The serial and
// parallel sides move bytes in and out of it.

#include "link/Clock.h"
#include "sim/CommandParser.h"
#include "sim/PrinterConfig.h"
#include "sim/PrinterEndpoint.h"
#include "sim/ReplyQueue.h"
#include "sim/SerialSettings.h"
#include "sim/StateFile.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::sim {

class PrinterModel final : public PrinterEndpoint {
  public:
    using Log = std::function<void(std::string)>;

    // Powers the printer on. Throws std::invalid_argument when the chipset cannot run at
    // config.baud, std::runtime_error (naming the file) when the state file is unreadable.
    PrinterModel(PrinterConfig config, link::Clock& clock, Log log = {});

    void receive(std::string_view bytes) override;
    std::size_t replyReady() override;
    std::string takeReply(std::size_t max) override;

    // Bytes a host sent at senderBaud: each is heard only while the printer runs at that
    // speed, which GS B changes between two bytes. Returns how many were heard.
    std::size_t receiveAtSpeed(std::string_view bytes, int senderBaud);
    // Takes up to max ready reply bytes; a host listening at hostBaud gets those the printer
    // sent at that speed, the others are lost.
    std::string takeReplyAt(std::size_t max, int hostBaud);

    int baud() const;                  // the current serial speed in bit/s
    std::uint8_t settingsByte() const; // as GS S f FS reports it
    const SerialSettings& serialSettings() const { return serial_; }
    const PrinterConfig& config() const { return config_; }
    std::uint8_t status() const { return status_; }
    void setStatus(std::uint8_t status) { status_ = status; }

    const Parameters& received() const { return received_; } // since power-on
    const Parameters& stored() const { return stored_; }     // the power-on defaults
    // When the next reply byte becomes ready, if one is waiting for its time.
    std::optional<link::Micros> nextReplyAt() { return replies_.nextReadyAt(); }
    // The host hung up: what the printer was about to send it, an endless reply's filler
    // too, is not sent to the next one.
    void dropReplies() { replies_.clear(); }

  private:
    void handle(const Command& command);
    void setParameter(const Command& command);
    void answer(const Command& command, const std::string& note, const std::string& reply);
    void answerByte(const Command& command, const std::string& what, std::uint8_t reply);
    void save(const Command& command);
    std::string store();
    void log(std::string line) const;

    PrinterConfig config_;
    Log log_;
    CommandParser parser_;
    ReplyQueue replies_;
    SerialSettings serial_;
    std::uint8_t status_;
    Parameters received_;
    Parameters stored_;
};

} // namespace tessaro::sim
