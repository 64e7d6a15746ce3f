// SPDX-License-Identifier: GPL-3.0-or-later
// The commands a transmission is built from: table order, status texts and the serial-speed
// rules.

#include "protocol/CommandBytes.h"

#include <gtest/gtest.h>

namespace tessaro::protocol {
namespace {

using workspace::controlId;

TEST(CommandTable, RowsCarryTheirTextsAndBytes) {
    const auto table = commandTable();
    EXPECT_EQ(table[16].statusText, "Setting print intensity (GA D n)");
    EXPECT_EQ(table[16].code(), std::string("\x1D"
                                            "D"));
    EXPECT_EQ(table[13].code(), std::string("\x1B "));
}

class ComposeTest : public ::testing::Test {
  protected:
    ComposeTest() { ws.startUp(); }
    workspace::Workspace ws;
};

TEST_F(ComposeTest, RefusedSpeedReportsTheSpeedTheLinkKeeps) {
    ws.selectListEntry(controlId("serialspeed"), 5);
    const auto commands = composeCommands(ws, false, {true, 5, "19200"});
    ASSERT_EQ(commands.size(), 1u);
    ASSERT_TRUE(commands[0].serial.has_value());
    EXPECT_EQ(commands[0].serial->refusal, SpeedRefusal::At5V);
    EXPECT_EQ(commands[0].serial->newSpeed, "19200");
    EXPECT_EQ(commands[0].bytes, std::string("\x1D"
                                             "B\x84"));
    EXPECT_EQ(commands[0].row->statusText, "Setting serial com (GS B n)");
}

TEST_F(ComposeTest, AcceptedSpeedBecomesTheNewLinkSpeed) {
    ws.selectListEntry(controlId("serialspeed"), 7);
    ws.selectListEntry(controlId("serialhandshake"), 0);
    const auto commands = composeCommands(ws, false, {false, 5, "9600"});
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].serial->refusal, SpeedRefusal::None);
    EXPECT_EQ(commands[0].serial->newSpeed, "57600");
    EXPECT_EQ(commands[0].bytes, std::string("\x1D"
                                             "B\x06"));
}

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
    EXPECT_EQ(refusalMessage(SpeedRefusal::At3V3),
              "It is not possible to configure the baudrate at 38400 or 115200 bauds\r\n"
              "if the printer chipset is powered on 3.3V.\r\n\r\nAvailable baudrates are: \r\n"
              "          1200, 2400, 4800, 9600, 19200, 28800, 57600.\r\n\r\n"
              "The baudrate parameter will not be modified.");
    EXPECT_EQ(refusalMessage(SpeedRefusal::None), "");
}

} // namespace
} // namespace tessaro::protocol
