// SPDX-License-Identifier: GPL-3.0-or-later
// The commands a transmission is built from: argument bytes sent as they are, and the text
// of a refused serial speed.

#include "protocol/CommandBytes.h"

#include "message/English.h"

#include <gtest/gtest.h>

namespace tessaro::protocol {
namespace {

using workspace::controlId;

class ComposeTest : public ::testing::Test {
  protected:
    ComposeTest() { ws.startUp(); }
    workspace::Workspace ws;
};

TEST_F(ComposeTest, ArgumentBytesZeroAndEscapeAreSentUnescaped) {
    ws.setSlider(controlId("SliderPFSspeed"), 125, workspace::ChangeSource::User); // T = 1000
    ws.setSlider(controlId("SliderAutosleep"), 27, workspace::ChangeSource::User);
    const auto commands = composeCommands(ws, false, {true, 5, "9600"});
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].bytes, std::string("\x1B"
                                             "A\x1B"));
    EXPECT_EQ(commands[1].bytes, std::string("\x1D"
                                             "s\x03\xE8"));
}

TEST(RefusalMessage, TextsForBothChipsets) {
    EXPECT_EQ(message::english(refusalMessage(SpeedRefusal::At3V3)),
              "It is not possible to configure the baudrate at 38400 or 115200 bauds\r\n"
              "if the printer chipset is powered on 3.3V.\r\n\r\nAvailable baudrates are: \r\n"
              "          1200, 2400, 4800, 9600, 19200, 28800, 57600.\r\n\r\n"
              "The baudrate parameter will not be modified.");
    EXPECT_EQ(message::english(refusalMessage(SpeedRefusal::None)), "");
}

} // namespace
} // namespace tessaro::protocol
