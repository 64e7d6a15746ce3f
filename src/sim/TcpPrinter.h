// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer on a TCP socket, as a network printer on raw port 9100 is reached: one
// connection at a time (the next waits until the previous one closed), the printer's memory
// and settings kept across connections. Every byte is heard: a network printer has no line
// speed.

#include "link/Clock.h"
#include "sim/PrinterModel.h"
#include "workspace/UniqueFd.h"

#include <functional>
#include <string>

namespace tessaro::sim {

class TcpPrinter {
  public:
    using Log = std::function<void(std::string)>;
    static constexpr std::size_t kChunk = 64;

    // Listens on "[HOST:]PORT" (host 127.0.0.1 by default; port 0 takes a free one).
    // Throws std::runtime_error naming the address and the reason.
    TcpPrinter(PrinterModel& printer, link::Clock& clock, const std::string& address, Log log = {});

    // "127.0.0.1:9111", with the port actually bound.
    const std::string& address() const { return address_; }

    // One round: waits up to timeoutMs for a connection or bytes (less while a reply is due),
    // feeds what arrived to the printer and sends the reply bytes that are ready.
    void pollOnce(int timeoutMs);

  private:
    void accept();
    void readClient();
    void writeReplies();
    void hangUp(const std::string& why);
    void log(std::string line) const;

    PrinterModel& printer_;
    link::Clock& clock_;
    Log log_;
    workspace::UniqueFd listener_;
    workspace::UniqueFd client_;
    std::string address_;
    std::string unsent_;
    std::size_t heard_ = 0; // bytes received on this connection
};

} // namespace tessaro::sim
