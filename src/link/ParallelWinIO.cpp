// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ParallelWinIO.h"

namespace tessaro::link {
namespace {

constexpr std::uint32_t kDataRegister = 0;
constexpr std::uint32_t kStatusRegister = 1;
constexpr std::uint32_t kControlRegister = 2;

// Status bits as the PC shows them.
constexpr std::uint8_t kNotBusy = 0x80;  // the printer's Busy line is low
constexpr std::uint8_t kAckHigh = 0x40;  // nAck is not asserted
constexpr std::uint8_t kPaperEnd = 0x20; // PError

// Control bits.
constexpr std::uint8_t kStrobe = 0x01;     // 1 pulls nStrobe low
constexpr std::uint8_t kAutoFeed = 0x02;   // 1 pulls nAutoFd low: "host ready" in byte mode
constexpr std::uint8_t kInit = 0x04;       // 0 holds the printer in reset
constexpr std::uint8_t kDirection = 0x20;  // 1 turns the data lines into inputs
constexpr std::uint8_t kKeptAtOpen = 0x84; // nInit and bit 7 survive the opening

constexpr std::uint32_t kBiosLpt1 = 0x408;
constexpr std::uint32_t kBiosLpt2 = 0x40A;

// A wait for the printer gives up once more than this has passed.
constexpr Micros kPrinterTimeout{5'000'000};

} // namespace

ParallelWinIO::ParallelWinIO(PortIO& io, Clock& clock, Notifier& feedback)
    : io_(io), clock_(clock), feedback_(feedback) {}

bool ParallelWinIO::InitDll() {
    if (io_.initialize()) {
        return true;
    }
    feedback_.say(MessageIcon::Critical, {message::MessageId::LptUnusable, {}});
    io_.shutdown();
    return false;
}

void ParallelWinIO::CloseDll() {
    io_.shutdown();
}

namespace {

// LPT n's base address from the BIOS table; 0 when there is none or it cannot be read. The
// high half of the 32-bit read is the next port's entry.
std::uint32_t biosBase(PortIO& io, int n) {
    std::uint32_t entry = 0;
    const bool read = (n == 1 && io.getPhysLong(kBiosLpt1, entry)) ||
                      (n == 2 && io.getPhysLong(kBiosLpt2, entry));
    return read ? entry & 0xFFFF : 0;
}

} // namespace

bool ParallelWinIO::OpenLPT(std::uint8_t LptNumber) {
    const std::uint32_t entry = biosBase(io_, LptNumber);
    if (entry == 0) {
        LptOpen = false;
        LptError = true;
        OpenFailure =
            message::Message(message::MessageId::PortReason,
                             {message::Part::verbatim("LPT" + std::to_string(LptNumber)),
                              message::Part::framed(message::MessageId::ParallelNoPortAtNumber)});
        OpenProblem = PortProblem::Absent;
        ExitLPt();
        return false;
    }
    // A port another driver or program holds (or one that did not open) ends the opening
    // at once, with the reason: every register access would fail the same way.
    if (message::Failure why = io_.acquire(entry & 0xFFFF)) {
        LptOpen = false;
        LptError = true;
        OpenFailure = std::move(why);
        OpenProblem = PortProblem::Unusable;
        feedback_.say(MessageIcon::Critical, *OpenFailure);
        return false;
    }
    OpenFailure.reset();
    OpenProblem = PortProblem::None;
    BaseAddress = static_cast<std::uint16_t>(entry & 0xFFFF);
    ControlImage = io_.getPortVal(BaseAddress + kControlRegister);
    readStatus(); // the first look at the status is not used
    ControlImage &= kKeptAtOpen;
    writeControl();
    io_.setPortVal(BaseAddress + kDataRegister, 0);
    HandshakeOn = true;
    LptOpen = true;
    LptError = false;
    return true;
}

void ParallelWinIO::ExitLPt() {
    feedback_.sayTitled(MessageIcon::Critical, {message::MessageId::LptCommunicationError, {}},
                        {message::MessageId::ParallelErrorTitle, {}});
}

void ParallelWinIO::CloseLPT() {
    if (LptOpen) {
        io_.release(BaseAddress); // the registers stay as they are
    }
    LptOpen = false;
}

void ParallelWinIO::Init(bool state) {
    if (!LptOpen) {
        ExitLPt();
        return;
    }
    changeControl(kInit, state);
}

bool ParallelWinIO::PaperEnd() {
    if (!LptOpen) {
        return closedPortError();
    }
    return (readStatus() & kPaperEnd) != 0;
}

bool ParallelWinIO::CompatibilityWrite(std::string_view data) {
    if (!LptOpen) {
        return closedPortError();
    }
    return sendBytes(data);
}

bool ParallelWinIO::CompatibilityWrite_Fast(std::string_view data) {
    // Without a base address the cycle would go to whatever sits at I/O address 0 and
    // report bytes as sent that no printer saw.
    if (BaseAddress == 0) {
        return false;
    }
    return sendBytes(data);
}

bool ParallelWinIO::ByteModeRead(std::uint8_t& out) {
    if (!LptOpen) {
        return closedPortError();
    }
    if (!waitWhileBusy()) {
        return false;
    }
    changeControl(kDirection | kAutoFeed, true); // data lines in, "host ready"
    // The printer pulls nAck low when its byte is on the data lines.
    if (!waitForStatus([](std::uint8_t s) { return (s & kAckHigh) == 0; })) {
        return false;
    }
    out = io_.getPortVal(BaseAddress + kDataRegister);
    changeControl(kAutoFeed, false); // "host busy": the byte is taken
    changeControl(kStrobe, true);
    // It lets nAck go once it has seen the byte taken.
    if (!waitForStatus([](std::uint8_t s) { return (s & kAckHigh) != 0; })) {
        return false;
    }
    changeControl(kStrobe, false);
    return true;
}

std::uint8_t ParallelWinIO::readStatus() {
    return io_.getPortVal(BaseAddress + kStatusRegister);
}

void ParallelWinIO::writeControl() {
    io_.setPortVal(BaseAddress + kControlRegister, ControlImage);
}

void ParallelWinIO::changeControl(std::uint8_t bits, bool set) {
    if (set) {
        ControlImage |= bits;
    } else {
        ControlImage &= static_cast<std::uint8_t>(~bits);
    }
    writeControl();
}

// Reads the status until done accepts it; false once more than the time-out has passed
// since the first read, checked after every read. A busy poll: window events wait, as a
// printer that holds Busy must be seen at once.
bool ParallelWinIO::waitForStatus(const StatusTest& done) {
    const Micros start = clock_.now();
    std::uint8_t status = readStatus();
    for (;;) {
        if (clock_.now() - start > kPrinterTimeout) {
            return false;
        }
        if (done(status)) {
            return true;
        }
        status = readStatus();
    }
}

// Without handshaking the status is read once and the byte goes out whatever it says.
bool ParallelWinIO::waitWhileBusy() {
    return waitForStatus([this](std::uint8_t s) { return (s & kNotBusy) != 0 || !HandshakeOn; });
}

bool ParallelWinIO::sendBytes(std::string_view data) {
    changeControl(kDirection, false); // data lines out
    for (const char byte : data) {
        if (!waitWhileBusy()) {
            return false; // this byte and the rest stay unsent
        }
        io_.setPortVal(BaseAddress + kDataRegister, static_cast<std::uint8_t>(byte));
        changeControl(kStrobe, true); // the printer takes the byte as nStrobe falls
        changeControl(kStrobe, false);
    }
    return true;
}

bool ParallelWinIO::closedPortError() {
    ExitLPt();
    return false;
}

} // namespace tessaro::link
