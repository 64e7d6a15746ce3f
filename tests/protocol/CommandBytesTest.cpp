// SPDX-License-Identifier: GPL-3.0-or-later
// The commands a transmission is built from: argument bytes sent as they are, and the text
// of a refused serial speed.

#include "protocol/CommandBytes.h"

#include "message/English.h"
#include "workspace/SerialSpeeds.h"

#include <gtest/gtest.h>
#include <map>

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

// A printer that did not say its chipset's supply gets the speeds whose code both chipsets
// read alike; 28800, 38400 and 115200 would put it at a speed nobody asked for.
TEST(SerialSpeed, AnUnknownChipsetGetsOnlyTheSpeedsBothReadAlike) {
    const std::map<std::string_view, int> alike{{"1200", 0}, {"2400", 1},  {"4800", 2},
                                                {"9600", 3}, {"19200", 4}, {"57600", 6}};
    for (std::size_t i = 0; i < workspace::kSerialSpeeds.size(); ++i) {
        const std::string_view baud = workspace::kSerialSpeeds[i].baud;
        const SerialSpeedCommand command =
            composeSerialSpeed(static_cast<int>(i), 0x00, 0x00, std::nullopt, "9600");
        if (const auto same = alike.find(baud); same != alike.end()) {
            EXPECT_EQ(command.refusal, SpeedRefusal::None) << baud;
            EXPECT_EQ(command.code, same->second) << baud;
            EXPECT_EQ(command.newSpeed, baud);
        } else {
            EXPECT_EQ(command.refusal, SpeedRefusal::ChipsetUnknown) << baud;
            EXPECT_EQ(command.code, 3) << baud; // the printer stays at the link's 9600
            EXPECT_EQ(command.newSpeed, "9600");
            EXPECT_TRUE(message::english(refusalMessage(command.refusal, command.chosenSpeed))
                            .starts_with("It is not possible to configure the baudrate at " +
                                         std::string(baud) +
                                         " bauds\r\nwhile the printer has not said"))
                << baud;
        }
    }
    // At a link speed whose code the chipsets read otherwise, nothing is sent.
    EXPECT_EQ(composeSerialSpeed(5, 0x00, 0x00, std::nullopt, "38400").code, std::nullopt);
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
