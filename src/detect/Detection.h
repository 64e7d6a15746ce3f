// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding the printer on a port: the serial, USB, network and parallel probes. A detection
// returns what it came to; the window and the command line show it.

#include "detect/DetectionResult.h"
#include "link/Cancellation.h"
#include "link/PortIO.h"
#include "link/Session.h"
#include "link/SubCom.h"
#include "protocol/UserFeedback.h"
#include "workspace/SerialSpeeds.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::detect {

class Detection {
  public:
    // Where a result says the printer was looked for: the port's name and, on a link that
    // names it, the speed.
    struct Place {
        std::string port;
        std::optional<std::string> speed;
    };
    Detection(link::SubCom& link, link::PortIO& portIO, link::PrinterFacts& facts,
              protocol::UserFeedback& feedback);

    // Detects on the port: a serial one at this speed and handshake (0 Xon-Xoff, 1 DSR/DTR).
    // A port that is not there is refused with a message and leaves the link as it was.
    DetectionResult detectOn(const link::PortRef& port, std::string_view speed, int handshakeIndex);

    // The result text for the window's "Current printer" line: a printer on a serial, USB or
    // network link (at this speed and handshake when the link has line settings), and one on
    // a parallel port, asked through its reverse channel.
    message::Message probeStream(const link::PortRef& port, std::string_view speed,
                                 int handshakeIndex);
    message::Message ProbeParallelPrinter(int n);
    void ShowNoPrinter();

    link::SubCom& link() { return link_; }
    protocol::UserFeedback& feedback() { return feedback_; }
    link::PrinterFacts& facts() { return facts_; }
    link::PortIO& portIO() { return portIO_; }
    // Why the last detection could not use its port; None when it could (whether or not a
    // printer answered there).
    link::PortProblem portProblem() const { return problem_; }
    // What ends a detection under way: a port that then fails is not reported, the printer
    // is not found. nullptr: nothing.
    void setCancellation(const link::Cancellation* stop) { stop_ = stop; }
    const link::Cancellation* cancellation() const { return stop_; }
    // The result of the probe that ran last, with the link and printer as it left them.
    DetectionResult resultOf(const link::PortRef& port, message::Message said);

  private:
    message::Message probeFailure(link::Transport& printer, message::Message reason);
    message::Message probeOpenPort(link::Transport& printer, const link::PortRef& port,
                                   const Place& where, std::optional<std::string_view> speed);
    // Refuses a port that is not there; true when it is.
    bool portThere(const link::PortRef& port);
    void learnHandshake(link::Transport& printer, std::string_view speed);
    message::Failure describe(std::string_view identity, const message::Message& found);
    std::string readParallelReply();

    link::SubCom& link_;
    link::PortIO& portIO_;
    link::PrinterFacts& facts_;
    protocol::UserFeedback& feedback_;
    link::PortProblem problem_ = link::PortProblem::None;
    const link::Cancellation* stop_ = nullptr;
    std::vector<message::Message> panels_; // for the status bar, until a result takes them
};

// The printer's name in a reply: its first 16 characters without the surrounding blanks
// (and without the terminating zero of a short reply).
std::string printerName(std::string_view reply);

using workspace::settingsSpeedCode;

// Whether the printer's serial settings byte (bits 0 to 2 the speed code, bit 7 the
// handshake) says XON/XOFF at this speed; no byte, another speed or bit 7 set mean hardware.
bool settingsSayXonXoff(std::optional<std::uint8_t> settings, std::string_view speed);

} // namespace tessaro::detect
