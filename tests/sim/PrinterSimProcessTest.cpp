// SPDX-License-Identifier: GPL-3.0-or-later
// tessaro-printer-sim as a program uses it: a separate process, a pseudo-terminal opened
// with plain termios, and a clean stop on SIGTERM.

#include "TestTerminal.h"
#include "support/SimProcess.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace tessaro::sim {
namespace {

using namespace std::string_literals;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

using test::SimProcess;

TEST(PrinterSimProcess, AnswersAtItsSpeedOnlyAndStopsOnSigterm) {
    SimProcess sim({"--time-limit", "60"});
    ASSERT_TRUE(sim.running());
    const auto hasLine = [](const std::string& out) { return out.find('\n') != std::string::npos; };
    const std::string first = sim.readUntil(hasLine, 5s);
    ASSERT_TRUE(first.starts_with("PTY /dev/")) << first;
    const std::string device = first.substr(4, first.find('\n') - 4);

    test::TestTerminal terminal(device);
    ASSERT_TRUE(terminal.setSpeed(B9600));
    ASSERT_TRUE(terminal.write("\x1BI"));
    EXPECT_EQ(terminal.readUntil(test::endsWithZero, 5s), "R62 VIRTUAL PRN  V1.04\0"s);

    ASSERT_TRUE(terminal.setSpeed(B19200));
    ASSERT_TRUE(terminal.write("\x1BI"));
    const auto anything = [](const std::string& got) { return !got.empty(); };
    EXPECT_EQ(terminal.readUntil(anything, 300ms), "");

    sim.signal(SIGTERM);
    const std::string log = sim.readUntil([](const std::string&) { return false; }, 5s);
    EXPECT_TRUE(sim.outputClosed());
    EXPECT_EQ(sim.exitStatus(5s), 0);
    EXPECT_NE(log.find("\nESC I  identity request -> R62 VIRTUAL PRN  V1.04\n"), std::string::npos)
        << log;
}

TEST(PrinterSimProcess, BadUsageExits2AndVersionExits0) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--chipset", "7"}, {"--no-such-option"}, {"--speed", "x"}}) {
        SimProcess sim(args);
        EXPECT_EQ(sim.exitStatus(5s), 2) << args.front();
    }
    SimProcess version({"--version"});
    EXPECT_EQ(version.exitStatus(5s), 0);
}

} // namespace
} // namespace tessaro::sim
