// SPDX-License-Identifier: GPL-3.0-or-later
// A serial printer behind a serial server: ser2net in front of a terminal of the test's own,
// and servers of the test's own that do what ser2net does not.

#include "link/Rfc2217Device.h"

#include "link/Cancellation.h"
#include "sim/TerminalSpeed.h"
#include "support/Bytes.h"
#include "support/OwnTerminal.h"
#include "support/Said.h"
#include "support/ScriptedServer.h"
#include "support/Ser2netProcess.h"

#include <cstring>
#include <gtest/gtest.h>
#include <thread>

namespace tessaro::link {
namespace {

using namespace std::chrono_literals;
using namespace telnet;
using Steady = std::chrono::steady_clock;
using test::bytes;

// What the device received, until count bytes came or limit passed.
std::string receive(Rfc2217Device& device, std::size_t count, std::chrono::milliseconds limit) {
    const auto deadline = Steady::now() + limit;
    std::string got;
    device.setInputLen(0);
    while (got.size() < count && Steady::now() < deadline) {
        if (device.waitForInput(100)) {
            got += device.input();
        }
    }
    return got;
}

class Rfc2217OverSer2net : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!test::Ser2netProcess::installed()) {
            GTEST_SKIP() << test::Ser2netProcess::kProgram
                         << " is not installed (apt-get install ser2net)";
        }
        ASSERT_TRUE(server.listening()) << server.log();
    }
    std::string open(const std::string& settings, int handshake = 0) {
        device.setAddress(server.address());
        device.setSettings(settings);
        device.setHandshaking(handshake);
        return test::said(device.open());
    }

    test::OwnTerminal terminal;
    test::Ser2netProcess server{terminal.path};
    SteadyClock clock;
    Rfc2217Device device{clock};
};

// Speeds with and without a Bnnnn constant, and each flow control; a byte sent after the
// settings arrives after the server has set them all.
TEST_F(Rfc2217OverSer2net, TheServerSetsTheLineAskedFor) {
    for (const auto& [speed, handshake] : {std::pair{19200, 0}, {28800, 1}, {57600, 2}}) {
        ASSERT_EQ(open(std::to_string(speed) + ",N,8,1", handshake), "");
        device.output("x");
        EXPECT_EQ(terminal.read(1, 2s), "x");
        termios line{};
        ASSERT_EQ(::tcgetattr(terminal.slave.get(), &line), 0);
        EXPECT_EQ(sim::terminalSpeed(terminal.slave.get()), speed);
        EXPECT_EQ((line.c_iflag & (IXON | IXOFF)) != 0, handshake == 1) << speed;
        EXPECT_EQ((line.c_cflag & CRTSCTS) != 0, handshake == 2) << speed;
        EXPECT_EQ(line.c_cflag & (CSIZE | PARENB | CSTOPB), tcflag_t(CS8));
        device.close();
    }
}

// Every byte value both ways, 0xFF and CR NUL included; 64 KiB at once, far more than the
// terminal holds. The printer reads it all while the port is open: ser2net empties the
// terminal's queues as the connection ends. Then the server dies under the open port.
TEST_F(Rfc2217OverSer2net, EveryByteArrivesOnceAndUnchangedUntilTheServerDies) {
    ASSERT_EQ(open("115200,N,8,1"), "");
    std::string allValues;
    for (int value = 0; value < 256; ++value) {
        allValues += static_cast<char>(value);
    }
    const std::string fromPrinter = allValues + bytes({0xFF, 0xFF, '\r', 0});
    ASSERT_EQ(::write(terminal.master.get(), fromPrinter.data(), fromPrinter.size()),
              ssize_t(fromPrinter.size()));
    EXPECT_EQ(receive(device, fromPrinter.size(), 2s), fromPrinter);

    std::string toPrinter;
    for (int i = 0; i < 256; ++i) {
        toPrinter += allValues;
    }
    toPrinter += bytes({'\r', 0, 0xFF});
    std::string arrived;
    std::thread printer([&] { arrived = terminal.read(toPrinter.size(), 10s); });
    device.output(toPrinter);
    printer.join();
    EXPECT_EQ(arrived.size(), toPrinter.size());
    EXPECT_TRUE(arrived == toPrinter);
    EXPECT_EQ(test::said(device.takeFault()), "");

    server.kill();
    EXPECT_FALSE(device.waitForInput(2000));
    EXPECT_EQ(test::said(device.takeFault()),
              "rfc2217://" + server.address() + ": the serial server closed the connection");
    EXPECT_EQ(device.problem(), PortProblem::Lost);
    EXPECT_FALSE(device.portOpen());
}

const std::string kDoComPort = bytes({IAC, DO, 44});
const std::string kSetSpeed = bytes({IAC, SB, 44, 1});

// The server's com-port reply: IAC SB COM-PORT-OPTION code value IAC SE.
std::string reply(int code, std::initializer_list<int> value) {
    return bytes({IAC, SB, 44, code}) + bytes(value) + bytes({IAC, SE});
}

const std::string kSpeed9600 = reply(101, {0, 0, 0x25, 0x80});
const std::string kSpeed19200 = reply(101, {0, 0, 0x4B, 0});
// The rest of the line confirmed: 8 data bits, no parity, 1 stop bit, no flow control.
const std::string kRestOfLine =
    reply(102, {8}) + reply(103, {1}) + reply(104, {1}) + reply(105, {1});

// A server that agrees to the com-port option, hears the line asked for and answers with
// confirmed, then holds the connection.
std::vector<test::ScriptedServer::Step> confirming(const std::string& confirmed) {
    return {{"", kDoComPort}, {kSetSpeed, confirmed}};
}

TEST(Rfc2217Device, ServersThatDoNotSetTheLineFailTheOpenWithTheReason) {
    using End = test::ScriptedServer::End;
    struct Refusal {
        std::vector<test::ScriptedServer::Step> steps;
        std::string why;
        End end = End::Hold;
    };
    const Refusal refusals[] = {
        {{{"", bytes({IAC, DONT, 44})}}, "the server does not set serial lines (no RFC 2217)"},
        {confirming(kSpeed9600), "the server set the line to 9600 bit/s, not 19200"},
        // Speed first, as servers answer: the open waits for the rest of the line.
        {confirming(kSpeed19200 + reply(102, {7})),
         "the server set the line to 7 data bits, not 8"},
        {confirming(reply(103, {3}) + kSpeed19200),
         "the server set the line to even parity, not no parity"},
        {confirming(reply(104, {2}) + kSpeed19200),
         "the server set the line to 2 stop bits, not 1 stop bit"},
        {confirming(reply(105, {2}) + kSpeed19200),
         "the server set the line to XON/XOFF flow control, not no flow control"},
        {confirming(""), "the serial server closed the connection", End::Close},
        {{{"", kDoComPort + std::string(70'000, 'x')}},
         "the printer sent more than 64 KiB before the server had set the line"},
    };
    SteadyClock clock;
    for (const Refusal& refusal : refusals) {
        test::ScriptedServer server(refusal.steps, refusal.end);
        Rfc2217Device device(clock);
        device.setAddress(server.address());
        device.setSettings("19200,N,8,1");
        EXPECT_EQ(test::said(device.open()), "rfc2217://" + server.address() + ": " + refusal.why);
        EXPECT_EQ(device.problem(), PortProblem::Unusable);
        EXPECT_FALSE(device.portOpen());
    }
}

// The client opens with its requests (WILL COM-PORT-OPTION, BINARY and SUPPRESS-GO-AHEAD both
// ways). The printer's bytes before and with the server's confirmation are kept; telnet commands
// that come alone are no end of the stream. Later replies that set no line change nothing:
// DTR under the control code, a data size of the wrong length, another option's
// subnegotiation, one too long to keep though it begins as another speed.
TEST(Rfc2217Device, KeepsThePrintersBytesAndNothingElse) {
    const std::string commandsOnly =
        bytes({IAC, NOP, IAC, SB, 44, 107, 0x30, IAC, SE, IAC, WILL, ECHO});
    const std::string notTheLine =
        reply(105, {8}) + reply(102, {7, 7}) + bytes({IAC, SB, 24, 101, 0, 0, 0x4B, 0, IAC, SE}) +
        bytes({IAC, SB, 44, 101, 0, 0, 0x4B, 0}) +
        std::string(10 * TelnetCodec::kMaxSubnegotiation, 'x') + bytes({IAC, SE});
    const std::string opening =
        bytes({IAC, WILL, 44, IAC, WILL, 0, IAC, DO, 0, IAC, WILL, 3, IAC, DO, 3});
    test::ScriptedServer server({{opening, kDoComPort + "early "},
                                 {kSetSpeed, kSpeed9600 + commandsOnly + "late" + kRestOfLine},
                                 {"ping", commandsOnly + notTheLine},
                                 {"pong", "data"}});
    SteadyClock clock;
    Rfc2217Device device(clock);
    device.setAddress(server.address());
    device.setSettings("9600,N,8,1");
    ASSERT_EQ(test::said(device.open()), "");
    EXPECT_EQ(receive(device, 10, 2s), "early late");
    device.output("ping");
    ASSERT_TRUE(server.waitForSteps(3, 2s));
    EXPECT_EQ(device.inBufferCount(), 0); // reads the commands alone
    EXPECT_TRUE(device.portOpen());
    EXPECT_EQ(test::said(device.takeFault()), "");
    device.output("pong");
    EXPECT_EQ(receive(device, 4, 2s), "data");
}

// Opens device, saying how long that took.
std::chrono::duration<double> timedOpen(Rfc2217Device& device, std::string& result) {
    const auto start = Steady::now();
    result = test::said(device.open());
    return Steady::now() - start;
}

TEST(Rfc2217Device, RefusedSilentAndStoppedConnectsEndWithinTheBound) {
    SteadyClock clock;
    Rfc2217Device device(clock);
    std::string result;
    {
        std::string address;
        {
            test::ScriptedServer gone({}); // its port listens no more
            address = gone.address();
        }
        device.setAddress("rfc2217://" + address); // the scheme may be given
        EXPECT_LT(timedOpen(device, result), 1s);
        EXPECT_EQ(result, "rfc2217://" + address + ": " + std::strerror(ECONNREFUSED));
    }
    {
        test::ScriptedServer silent({}); // takes the connection and never answers
        device.setAddress(silent.address());
        const auto took = timedOpen(device, result);
        EXPECT_EQ(result, "rfc2217://" + silent.address() + ": no answer within 3 s");
        EXPECT_GE(took, 2.5s);
        EXPECT_LT(took, 5s);
    }
    {
        test::ScriptedServer listening({{bytes({IAC, WILL, 44}), ""}});
        Cancellation stop;
        device.setAddress(listening.address());
        device.setCancellation(&stop);
        std::thread stopper([&] {
            listening.waitForSteps(1, 2s); // the device waits for the server now
            stop.cancel();
        });
        const auto took = timedOpen(device, result);
        stopper.join();
        device.setCancellation(nullptr);
        EXPECT_EQ(result, "rfc2217://" + listening.address() + ": stopped");
        EXPECT_LT(took, 1s);
    }
    EXPECT_EQ(device.problem(), PortProblem::Unusable);
}

// The address grammar is the port's test (PortRefTest); the device says why it cannot connect.
TEST(Rfc2217Device, AnAddressMustNameItsPort) {
    SteadyClock clock;
    Rfc2217Device device(clock);
    device.setAddress("printer");
    EXPECT_EQ(test::said(device.open()),
              "rfc2217://printer: not a serial server address (HOST:PORT)");
}

} // namespace
} // namespace tessaro::link
