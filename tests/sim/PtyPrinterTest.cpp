// SPDX-License-Identifier: GPL-3.0-or-later
// The printer on a pseudo-terminal, driven in this process: the speed the host sets on the
// terminal decides what the printer hears, byte by byte; the link to the device comes and
// goes with it.

#include "sim/PtyPrinter.h"

#include "TestTerminal.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tessaro::sim {
namespace {

using namespace std::chrono_literals;
using test::endsWithZero;

class PtyPrinterTest : public ::testing::Test {
  protected:
    std::string readReply(test::TestTerminal& terminal, std::size_t size,
                          std::chrono::milliseconds limit = 2s) {
        return terminal.readUntil([size](const std::string& got) { return got.size() >= size; },
                                  limit, [this] { pty.pollOnce(5); });
    }

    link::SteadyClock clock;
    test::TempDir dir;
    PrinterModel printer{PrinterConfig{}, clock};
    PtyPrinter pty{printer, clock, dir / "printer"};
};

TEST_F(PtyPrinterTest, SpeedChangeInTheMiddleOfAWriteSilencesTheRest) {
    test::TestTerminal terminal(pty.slavePath());
    ASSERT_TRUE(terminal.setSpeed(B9600));
    EXPECT_EQ(pty.terminalBaud(), 9600);
    ASSERT_TRUE(terminal.write("\x1B"
                               "v\x1D"
                               "B\x84\x1B"
                               "v"));
    EXPECT_EQ(readReply(terminal, 2, 300ms), "\xA0"); // the second ESC v was not heard
    EXPECT_EQ(printer.baud(), 19200);

    ASSERT_TRUE(terminal.setSpeed(B19200));
    ASSERT_TRUE(terminal.write("\x1D"
                               "Sf\x1C"));
    EXPECT_EQ(readReply(terminal, 1), "\x84");
}

TEST_F(PtyPrinterTest, LinkNamesTheDeviceWhileThePrinterRuns) {
    const auto link = dir / "printer";
    EXPECT_EQ(std::filesystem::read_symlink(link), pty.slavePath());
    {
        PtyPrinter second(printer, clock, link); // replaces the older link
        test::TestTerminal terminal(link.string());
        ASSERT_TRUE(terminal.setSpeed(B9600));
        ASSERT_TRUE(terminal.write("\x1BI"));
        EXPECT_TRUE(
            endsWithZero(terminal.readUntil(endsWithZero, 2s, [&] { second.pollOnce(5); })));
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
    const auto file = dir.write("regular", "keep me");
    EXPECT_THROW(PtyPrinter(printer, clock, file), std::runtime_error);
    EXPECT_EQ(test::readFile(file), "keep me");
}

} // namespace
} // namespace tessaro::sim
