// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A serial port driver in memory, for tests on a virtual clock: the printer sits on one COM
// number, other ports may exist with nothing attached or be held by another program. The
// printer hears the host only while the port's speed and framing match its own.

#include "link/SerialControl.h"
#include "link/VirtualClock.h"
#include "sim/PrinterModel.h"

#include <cstddef>
#include <set>
#include <string>
#include <vector>

namespace tessaro::sim {

class VirtualSerialControl final : public link::SerialControl {
  public:
    // What the driver holds at most; bytes beyond it wait in the printer.
    static constexpr std::size_t kReceiveCapacity = 4096;

    // One opening of a port, as the host made it.
    struct Session {
        int port = 0;
        std::string settings;
        int handshake = 0;
        std::string written; // every byte output() was given while it was open
    };

    VirtualSerialControl(PrinterModel& printer, link::VirtualClock& clock, int printerPort = 1);

    void addSilentPort(int port);        // a port with nothing attached
    void setInUse(int port, bool inUse); // another program holds it
    // The printer's adapter vanishes. As with a real port, the program learns it at its next
    // read from or write to the driver (takeFault), not at once.
    void unplug();
    void plugIn(); // and comes back

    const std::vector<Session>& sessions() const { return sessions_; }
    std::vector<std::string> written() const;        // one string per opening
    std::vector<std::string> openedSettings() const; // one settings text per opening

    void setCommPort(const link::PortRef& port) override { port_ = port.number(); }
    void setSettings(std::string_view text) override { settings_ = text; }
    void setHandshaking(int mode) override { handshake_ = mode; }
    bool portOpen() const override { return open_; }
    message::Failure open() override;
    void close() override;
    void setInputLen(int length) override { inputLen_ = length; }
    void setInputMode(int mode) override { inputMode_ = mode; }
    int inBufferCount() override;
    void discardInput() override;
    void output(std::string_view bytes) override;
    std::string input() override;
    bool waitForInput(int ms) override;
    message::Failure takeFault() override;
    link::PortProblem problem() const override { return problem_; }

  private:
    std::string name() const;
    std::string openError();
    bool onPrinter() const { return open_ && sessions_.back().port == printerPort_; }
    void pull();

    PrinterModel& printer_;
    link::VirtualClock& clock_;
    int printerPort_;
    std::set<int> silentPorts_;
    std::set<int> inUse_;
    bool unplugged_ = false;
    bool faultUnseen_ = false; // unplugged while open, not yet met by a read
    message::Failure fault_;
    link::PortProblem problem_ = link::PortProblem::None;

    int port_ = 1;
    std::string settings_ = "9600,N,8,1";
    int handshake_ = 0;
    int inputLen_ = 0;
    int inputMode_ = 0;

    bool open_ = false;
    int openBaud_ = 0; // -1: a framing the printer does not speak
    std::string received_;
    std::vector<Session> sessions_;
};

} // namespace tessaro::sim
