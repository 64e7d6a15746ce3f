// SPDX-License-Identifier: GPL-3.0-or-later
// A serial printer behind a serial server: ser2net in front of the virtual printer or a
// terminal of the test's own, and servers of the test's own that do what ser2net does not.

#include "link/Rfc2217Device.h"

#include "link/Cancellation.h"
#include "link/Rfc2217Address.h"
#include "sim/TerminalSpeed.h"
#include "support/ScriptedServer.h"
#include "support/Ser2netProcess.h"
#include "support/SimProcess.h"
#include "support/TelnetBytes.h"

#include <cstring>
#include <gtest/gtest.h>
#include <termios.h>
#include <thread>

namespace tessaro::link {
namespace {

using namespace std::chrono_literals;
using namespace telnet;
using Steady = std::chrono::steady_clock;
using test::bytes;

const std::string kAllValues = [] {
    std::string every;
    for (int value = 0; value < 256; ++value) {
        every += static_cast<char>(value);
    }
    return every;
}();

// A terminal of the test's own: the master end is the printer.
struct Terminal {
    Terminal() {
        ::grantpt(master.get());
        ::unlockpt(master.get());
        path = ::ptsname(master.get());
        slave.reset(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    }
    // What the program sent, until count bytes came or limit passed.
    std::string read(std::size_t count, std::chrono::milliseconds limit) const {
        const auto deadline = Steady::now() + limit;
        std::string got;
        char buffer[4096];
        pollfd watch{master.get(), POLLIN, 0};
        while (got.size() < count && Steady::now() < deadline && ::poll(&watch, 1, 100) >= 0) {
            const ssize_t n =
                (watch.revents & POLLIN) ? ::read(master.get(), buffer, sizeof buffer) : 0;
            got.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        }
        return got;
    }
    workspace::UniqueFd master{::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)};
    workspace::UniqueFd slave;
    std::string path;
};

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
    }
    // Opens the device on server at settings and handshake.
    std::string open(const test::Ser2netProcess& server, const std::string& settings,
                     int handshake = 0) {
        device.setAddress(server.address());
        device.setSettings(settings);
        device.setHandshaking(handshake);
        return device.open();
    }

    SteadyClock clock;
    Rfc2217Device device{clock};
};

TEST_F(Rfc2217OverSer2net, TalksToThePrinterProcessAtTheSpeedAskedFor) {
    test::SimProcess sim({"--time-limit", "60"});
    const std::string terminal = sim.device();
    ASSERT_FALSE(terminal.empty());
    test::Ser2netProcess server(terminal);
    ASSERT_TRUE(server.listening()) << server.log();

    ASSERT_EQ(open(server, "9600,N,8,1"), "");
    device.output("\x1BI");
    EXPECT_EQ(receive(device, 23, 2s), std::string("R62 VIRTUAL PRN  V1.04\0", 23));
    device.output("\xFF\x1Bv");
    ASSERT_TRUE(sim.waitFor("ESC v", 2s));
    const std::string log = sim.output();
    EXPECT_NE(log.find("FF  unknown"), std::string::npos) << log;
    EXPECT_EQ(log.find("FF  unknown"), log.rfind("FF  unknown")) << log; // one byte, not two
    device.close();

    ASSERT_EQ(open(server, "19200,N,8,1"), "");
    device.output("\x1BI");
    EXPECT_TRUE(sim.waitFor("at 19200 bit/s not heard", 2s)) << sim.output();
    device.close();
    EXPECT_EQ(device.takeFault(), "");
}

// Speeds with and without a Bnnnn constant, and each flow control; a byte sent after the
// settings arrives after the server has set them all.
TEST_F(Rfc2217OverSer2net, TheServerSetsTheLineAskedFor) {
    Terminal terminal;
    test::Ser2netProcess server(terminal.path);
    ASSERT_TRUE(server.listening()) << server.log();
    for (const auto& [speed, handshake] : {std::pair{19200, 0}, {28800, 1}, {57600, 2}}) {
        ASSERT_EQ(open(server, std::to_string(speed) + ",N,8,1", handshake), "");
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
// terminal's queues as the connection ends.
TEST_F(Rfc2217OverSer2net, EveryByteArrivesOnceAndUnchangedBothWays) {
    Terminal terminal;
    test::Ser2netProcess server(terminal.path);
    ASSERT_TRUE(server.listening()) << server.log();
    ASSERT_EQ(open(server, "115200,N,8,1"), "");

    const std::string fromPrinter = kAllValues + bytes({0xFF, 0xFF, '\r', 0});
    ASSERT_EQ(::write(terminal.master.get(), fromPrinter.data(), fromPrinter.size()),
              ssize_t(fromPrinter.size()));
    EXPECT_EQ(receive(device, fromPrinter.size(), 2s), fromPrinter);

    std::string toPrinter;
    for (int i = 0; i < 256; ++i) {
        toPrinter += kAllValues;
    }
    toPrinter += bytes({'\r', 0, 0xFF});
    std::string arrived;
    std::thread printer([&] { arrived = terminal.read(toPrinter.size(), 10s); });
    device.output(toPrinter);
    printer.join();
    EXPECT_EQ(arrived.size(), toPrinter.size());
    EXPECT_TRUE(arrived == toPrinter);
    EXPECT_EQ(device.takeFault(), "");
}

TEST_F(Rfc2217OverSer2net, AServerKilledWhileThePortIsOpenIsALostPort) {
    Terminal terminal;
    test::Ser2netProcess server(terminal.path);
    ASSERT_TRUE(server.listening()) << server.log();
    ASSERT_EQ(open(server, "9600,N,8,1"), "");
    server.kill();
    EXPECT_FALSE(device.waitForInput(2000));
    EXPECT_EQ(device.takeFault(),
              "rfc2217://" + server.address() + ": the serial server closed the connection");
    EXPECT_EQ(device.problem(), PortProblem::Lost);
    EXPECT_FALSE(device.portOpen());
}

const std::string kDoComPort = bytes({IAC, DO, 44});
const std::string kSetSpeed = bytes({IAC, SB, 44, 1});
const std::string kSpeed9600 = bytes({IAC, SB, 44, 101, 0, 0, 0x25, 0x80, IAC, SE});

struct Refusal {
    std::vector<test::ScriptedServer::Step> steps;
    test::ScriptedServer::End end;
    std::string why;
};

TEST(Rfc2217Device, ServersThatDoNotSetTheLineFailTheOpenWithTheReason) {
    using End = test::ScriptedServer::End;
    const std::vector<Refusal> refusals{
        {{{"", bytes({IAC, DONT, 44})}},
         End::Hold,
         "the server does not set serial lines (no RFC 2217)"},
        {{{"", kDoComPort}, {kSetSpeed, kSpeed9600}},
         End::Hold,
         "the server set the line to 9600 bit/s, not 19200"},
        {{{"", kDoComPort}, {kSetSpeed, ""}},
         End::Close,
         "the serial server closed the connection"},
        {{{"", kDoComPort + std::string(70'000, 'x')}},
         End::Hold,
         "the printer sent more than 64 KiB before the server had set the line"},
    };
    SteadyClock clock;
    for (const Refusal& refusal : refusals) {
        test::ScriptedServer server(refusal.steps, refusal.end);
        Rfc2217Device device(clock);
        device.setAddress(server.address());
        device.setSettings("19200,N,8,1");
        EXPECT_EQ(device.open(), "rfc2217://" + server.address() + ": " + refusal.why);
        EXPECT_EQ(device.problem(), PortProblem::Unusable);
        EXPECT_FALSE(device.portOpen());
    }
}

// The printer's bytes before and with the server's confirmation are kept; telnet commands
// that come alone are no end of the stream.
TEST(Rfc2217Device, KeepsThePrintersBytesAndNothingElse) {
    const std::string commandsOnly =
        bytes({IAC, NOP, IAC, SB, 44, 107, 0x30, IAC, SE, IAC, WILL, ECHO});
    test::ScriptedServer server({{"", kDoComPort + "early "},
                                 {kSetSpeed, kSpeed9600 + commandsOnly + "late"},
                                 {"ping", commandsOnly},
                                 {"pong", "data"}});
    SteadyClock clock;
    Rfc2217Device device(clock);
    device.setAddress(server.address());
    device.setSettings("9600,N,8,1");
    ASSERT_EQ(device.open(), "");
    EXPECT_EQ(receive(device, 10, 2s), "early late");
    device.output("ping");
    ASSERT_TRUE(server.waitForSteps(3, 2s));
    EXPECT_EQ(device.inBufferCount(), 0); // reads the commands alone
    EXPECT_TRUE(device.portOpen());
    EXPECT_EQ(device.takeFault(), "");
    device.output("pong");
    EXPECT_EQ(receive(device, 4, 2s), "data");
}

// Opens device, saying how long that took.
std::chrono::duration<double> timedOpen(Rfc2217Device& device, std::string& result) {
    const auto start = Steady::now();
    result = device.open();
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
        device.setAddress(address);
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

TEST(Rfc2217Device, AnAddressMustNameItsPort) {
    for (const char* text : {"printer", "[::1]", "printer:", "rfc2217://printer", "a:b:1"}) {
        EXPECT_FALSE(parseRfc2217Address(text)) << text;
    }
    EXPECT_EQ(parseRfc2217Address("printer:2001")->text(), "printer:2001");
    EXPECT_EQ(parseRfc2217Address("rfc2217://[::1]:2001")->text(), "[::1]:2001");
    SteadyClock clock;
    Rfc2217Device device(clock);
    device.setAddress("printer");
    EXPECT_EQ(device.open(), "rfc2217://printer: not a serial server address (HOST:PORT)");
}

} // namespace
} // namespace tessaro::link
