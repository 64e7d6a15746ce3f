// SPDX-License-Identifier: GPL-3.0-or-later
// On a terminal that takes cursor codes, the search's progress rewrites one line and a
// station's ports have live lines; on one whose TERM is "dumb" or not set, which would show
// the codes as garbage, both are plain lines, as on a file.

#include "cli/TerminalRun.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;

TEST(Terminal, WithoutCursorCodesTheProgressIsPlainLines) {
    SimProcess sim({"--time-limit", "60"}); // at 9600 bauds: the search tries faster ones first
    const std::string device = sim.device();
    const std::vector<std::string> detect{"detect", "--port", device, "--speed", "auto"};

    const auto xterm = runOnTerminal(detect, {"TERM=xterm"});
    EXPECT_EQ(xterm.status, 0) << xterm.out;
    EXPECT_THAT(xterm.out, HasSubstr("\x1b[K")); // the rewritten line: the run is on a terminal

    for (const std::vector<std::string>& term :
         {std::vector<std::string>{"TERM=dumb"}, std::vector<std::string>{}}) {
        const auto plain = runOnTerminal(detect, term);
        EXPECT_EQ(plain.status, 0) << plain.out;
        EXPECT_EQ(plain.out.find('\x1b'), std::string::npos) << plain.out;
        EXPECT_THAT(plain.out, HasSubstr("Attempting to contact printer on " + device +
                                         " at 115200 bauds.\r\n"));
        EXPECT_THAT(plain.out, HasSubstr("found on " + device + " at 9600 bauds\r\n"));
    }
}

TEST(Terminal, WithoutCursorCodesAStationsStatesArePlainLines) {
    SimProcess sim({"--time-limit", "60"});
    const std::string device = sim.device();
    TempDir dir;
    const std::string profile = dir.write("job.pcf", kProfile).string();
    const std::vector<std::string> provision{"provision", profile, "--port", device, "--yes"};

    const auto live = runOnTerminal(provision, {"TERM=xterm-256color"});
    EXPECT_EQ(live.status, 0) << live.out;
    EXPECT_THAT(live.out, HasSubstr("\x1b[1A\r\x1b[J")); // the live line made way for a result

    const auto dumb = runOnTerminal(provision, {"TERM=dumb"});
    EXPECT_EQ(dumb.status, 0) << dumb.out;
    EXPECT_EQ(dumb.out.find('\x1b'), std::string::npos) << dumb.out;
    EXPECT_THAT(dumb.out, HasSubstr(device + ": provisioning (0 done, 0 failed)\r\n"));
    EXPECT_THAT(dumb.out, HasSubstr(device + ": finished (1 done, 0 failed"));
}

} // namespace
} // namespace tessaro::test
