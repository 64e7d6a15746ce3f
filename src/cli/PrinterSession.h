// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer link of the command line: the real serial and parallel adapters (or the
// in-process virtual printer on an LPT set to "virtual"), a sleeping clock (whose delays end
// at once when the operation is stopped), the terminal as user feedback, and detection on one
// chosen port.

#include "cli/TerminalFeedback.h"
#include "detect/Detection.h"
#include "link/Clock.h"
#include "link/PrinterLink.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tessaro::link {
class Cancellation;
}

namespace tessaro::cli {

struct PortChoice {
    link::LinkKind kind = link::LinkKind::Serial;
    int number = 1;
    std::string device; // a device path given instead of a port name
};

// "COM1".."COM6", "LPT1", "LPT2", "USB1".."USB4", "tcp://HOST[:PORT]" (device: the address)
// or a device path: /dev/parportN as LPT1, /dev/usb/lpN as USB1, any other as COM1.
std::optional<PortChoice> parsePort(std::string_view text);
// What is said of a port text parsePort does not take.
std::string unknownPortText(std::string_view text);

// The port selection window's controls, set from the command line.
class CommandLineView final : public detect::PortSelectionView {
  public:
    std::optional<int> selectedComPort() const override { return com; }
    std::optional<int> selectedLptPort() const override { return lpt; }
    std::string selectedSpeed() const override { return speed; }
    int selectedHandshake() const override { return handshake; }
    void selectComPort(int n) override { com = n; }
    void selectLptPort(int n) override { lpt = n; }
    void selectUsbPort(int n) override { usb = n; }
    void selectSpeedIndex(int index) override {
        speed = detect::kSpeedList.at(static_cast<std::size_t>(index));
    }
    void selectHandshake(int index) override { handshake = index; }
    void setDetectionButtonsEnabled(bool) override {}
    void closeWindow() override {}

    std::optional<int> com;
    std::optional<int> lpt;
    std::optional<int> usb;
    std::string speed = "9600";
    int handshake = 1;
};

// A port with the devices this machine's ports stand for: a device path that is one of them
// becomes that port ("COM 2"). Finding them reads the system's port lists, which a station
// reads once for all its workers (cli/PortFinder.h).
struct ResolvedPort {
    PortChoice port;
    link::PortMap ports;
};
// With the system's ports as read before (link::PortMap::fromSystem).
ResolvedPort resolvePort(const PortChoice& port, const link::PortMap& system);
// Reads the system's ports.
ResolvedPort resolvePort(const PortChoice& port);

class PrinterSession {
  public:
    // stop, when given, ends the link's delays at once once raised.
    PrinterSession(const PortChoice& port, TerminalFeedback& feedback,
                   const link::Cancellation* stop = nullptr);
    PrinterSession(ResolvedPort port, TerminalFeedback& feedback,
                   const link::Cancellation* stop = nullptr);
    ~PrinterSession();

    detect::Detection& detection() { return detection_; }
    link::SubCom& link() { return printerLink_.link(); }
    link::PrinterFacts& facts() { return printerLink_.session().printer; }
    CommandLineView& view() { return view_; }
    const PortChoice& port() const { return port_; }
    // The device (or network address) of the port the link settings name now.
    std::string device();
    // The port the link settings name now, as --port takes it: "COM1", "LPT2", "USB1", or the
    // device path or tcp:// address given for it.
    std::string portName();

    // The manual detection on the chosen port; true when a printer answered.
    bool detect();

  private:
    PortChoice currentPort();

    PortChoice port_;
    TerminalFeedback& feedback_;
    link::SteadyClock clock_;
    link::PrinterLink printerLink_;
    CommandLineView view_;
    detect::Detection detection_;
};

// Sets up a command's printer session on a port: newSession, unless a station's worker
// hands one that takes its turn with the other workers (cli/PortFinder.h).
using SessionMaker = std::function<std::unique_ptr<PrinterSession>(
    const PortChoice& port, TerminalFeedback& feedback, const link::Cancellation* stop)>;
std::unique_ptr<PrinterSession> newSession(const PortChoice& port, TerminalFeedback& feedback,
                                           const link::Cancellation* stop);

} // namespace tessaro::cli
