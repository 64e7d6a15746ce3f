// SPDX-License-Identifier: GPL-3.0-or-later
// tessaro-printer-sim as a program uses it: a separate process, a pseudo-terminal opened
// with plain termios, and a clean stop on SIGTERM.

#include "TestTerminal.h"
#include "support/SimProcess.h"

#include <csignal>
#include <gtest/gtest.h>
#include <vector>

namespace tessaro::sim {
namespace {

using namespace std::string_literals;
using namespace std::chrono_literals;

using test::SimProcess;

// That it answers at its speed only is the serial device's test, through the program's port.
TEST(PrinterSimProcess, AnswersAndStopsCleanlyOnSigterm) {
    SimProcess sim({"--time-limit", "60"});
    const std::string device = sim.device();
    ASSERT_FALSE(device.empty());
    test::TestTerminal terminal(device);
    ASSERT_TRUE(terminal.setSpeed(B9600));
    ASSERT_TRUE(terminal.write("\x1BI"));
    EXPECT_EQ(terminal.readUntil(test::endsWithZero, 5s), "R62 VIRTUAL PRN  V1.04\0"s);

    sim.signal(SIGTERM);
    const std::string log = sim.readUntil([](const std::string&) { return false; }, 5s);
    EXPECT_TRUE(sim.outputClosed());
    EXPECT_EQ(sim.exitStatus(5s), 0);
    EXPECT_NE(log.find("\nESC I  identity request -> R62 VIRTUAL PRN  V1.04\n"), std::string::npos)
        << log;
}

// Its version is VersionTest's.
TEST(PrinterSimProcess, BadUsageExits2) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--chipset", "7"}, {"--no-such-option"}, {"--speed", "x"}}) {
        SimProcess sim(args);
        EXPECT_EQ(sim.exitStatus(5s), 2) << args.front();
    }
}

} // namespace
} // namespace tessaro::sim
