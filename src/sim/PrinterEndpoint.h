// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer's side of a link as a transport sees it: bytes from the host go in, reply
// bytes come out once the printer has them ready.

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaro::sim {

class PrinterEndpoint {
  public:
    virtual ~PrinterEndpoint() = default;
    // Bytes the host sent, in order.
    virtual void receive(std::string_view bytes) = 0;
    // How many reply bytes the printer can send now.
    virtual std::size_t replyReady() = 0;
    // Takes up to max of the ready reply bytes.
    virtual std::string takeReply(std::size_t max) = 0;
};

} // namespace tessaro::sim
