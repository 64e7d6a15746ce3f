// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parallel port driven register by register: the compatibility handshake that sends the
// printer its bytes (data, then a pulse on nStrobe once Busy is low) and the byte-mode cycle
// that reads its replies back (data lines turned around, nAutoFd as "host ready", nAck as
// "byte on the lines"). Every wait for the printer gives up after 5 s on the injected clock.
//
// Registers: base+0 data, base+1 status (read only), base+2 control, one byte each.
// The control register is read from the hardware once, when the port opens; from then on
// every change is made on ControlImage and the whole byte is written.

#include "link/Clock.h"
#include "link/Notifier.h"
#include "link/PortIO.h"
#include "link/PortProblem.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tessaro::link {

class ParallelWinIO {
  public:
    ParallelWinIO(PortIO& io, Clock& clock, Notifier& feedback);

    // Starts port access; on failure tells the user the LPT ports cannot be used and stops
    // it again. Returns whether port access works.
    bool InitDll();
    void CloseDll();

    // Opens LPT1 or LPT2 at the base address the BIOS table lists for it and takes the port
    // for this program; any other number, an unreadable table or an entry of 0 leaves the
    // port closed with LptError set and reports a port error; a port that cannot be taken
    // reports why (OpenFailure). Returns LptOpen.
    bool OpenLPT(std::uint8_t LptNumber);
    // Reports a port error to the user.
    void ExitLPt();
    // Marks the port closed and lets others use it; the registers are left as they are.
    void CloseLPT();

    // Releases (true) or pulls low (false) the printer's INIT line.
    void Init(bool state);
    // Whether the printer reports paper end; false (and a port error) when closed.
    bool PaperEnd();
    bool PrintOutError() const { return LptError; }
    // false: bytes are written without waiting for Busy to drop.
    void Handshaking(bool state) { HandshakeOn = state; }

    // Sends data with the compatibility handshake; false when the port is closed (with a
    // port error) or the printer stays busy more than 5 s before a byte.
    bool CompatibilityWrite(std::string_view data);
    // The same without the open check and without a message; false when the port has never
    // had a base address or the printer stays busy more than 5 s before a byte.
    bool CompatibilityWrite_Fast(std::string_view data);
    // Reads one reply byte with the byte-mode handshake; false when the port is closed (with
    // a port error) or the printer does not answer a step within 5 s. out is set as soon as
    // the byte has been read from the data lines.
    bool ByteModeRead(std::uint8_t& out);

    std::uint16_t BaseAddress = 0;
    bool LptOpen = false;
    bool LptError = false;
    bool HandshakeOn = true;
    std::uint8_t ControlImage = 0;               // the value last written to the control register
    message::Failure OpenFailure;                // why the last OpenLPT failed, naming the port
    PortProblem OpenProblem = PortProblem::None; // and what kind of problem that is

  private:
    using StatusTest = std::function<bool(std::uint8_t status)>;

    std::uint8_t readStatus();
    void writeControl();
    void changeControl(std::uint8_t bits, bool set);
    bool waitForStatus(const StatusTest& done);
    bool waitWhileBusy();
    bool sendBytes(std::string_view data);
    bool closedPortError();

    PortIO& io_;
    Clock& clock_;
    Notifier& feedback_;
};

} // namespace tessaro::link
