// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes "show --bytes" prints are the bytes a transmission puts on a serial link.

#include "cli/CliRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

// The lines as show prints them.
std::string printed(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

CliResult showBytes(std::vector<std::string> extra) {
    std::vector<std::string> args{"show", "--bytes"};
    args.insert(args.end(), extra.begin(), extra.end());
    return runCli(args);
}

const std::vector<std::string> kFactoryAll{
    "1B 41 00",    "1D 73 07 E0", "1D 50 01 40", "1D 4D 2C 63", "1D 70 00", "1D 54 00 00",
    "1D 58 00 00", "1D 78 00 0B", "1D 59 00 68", "1D 4C 00",    "1D 61 CC", "1B 32 00",
    "1B 33 03",    "1B 20 01",    "1B 63 FF",    "1D 2F 05",    "1D 44 80", "1D 62 32",
    "1D 68 80",    "1D 77 03",    "1D 48 03",    "1D 52 00",    "1B 52 00", "1B 25 00",
    "1B 43 02",    "1B 7B 00",    "1B 21 00",    "1D 42 83",    "1B 73"};

TEST(ShowBytes, AfterStartUpOnlyTheSavingSequenceIsSent) {
    const auto r = showBytes({});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1B 73\n");
}

TEST(ShowBytes, AllSendsEveryFactoryCommandInTableOrder) {
    const auto r = showBytes({"--all"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, printed(kFactoryAll));
}

TEST(ShowBytes, A24VoltPrinterGetsNoAutosleep) {
    const auto r = showBytes({"--all", "--power", "24"});
    auto expected = kFactoryAll;
    expected.erase(expected.begin());
    EXPECT_EQ(r.out, printed(expected));
    const auto flagged = showBytes({"--power", "24", "--set", "SliderAutosleep=9"});
    EXPECT_EQ(flagged.out, "1B 73\n");
}

TEST(ShowBytes, EditedParametersAtTheirLimits) {
    struct Case {
        std::string set;
        std::string line;
    };
    const std::vector<Case> cases{
        {"SliderLinespacing=5", "1B 33 05"},    {"SliderPFSspeed=5", "1D 73 61 A8"},
        {"SliderPFSspeed=150", "1D 73 03 41"},  {"SliderPLspeed=125", "1D 4D 03 E8"},
        {"SliderPLlength=8191", "1D 50 FF F8"}, {"SliderPLlength=1", "1D 50 00 08"},
        {"SliderTOFpos=-1", "1D 54 FF FF"},     {"SliderTOFpos=-4095", "1D 54 F0 01"},
        {"SliderTOFpos=4095", "1D 54 0F FF"},   {"SliderIntensity=-60", "1D 44 00"},
        {"SliderIntensity=59", "1D 44 FD"},     {"SlidAccel=0", "1D 61 FF"},
        {"SlidAccel=100", "1D 61 00"},          {"SliderPLpause=124", "1D 70 F8"},
        {"SliderPLpause=3", "1D 70 06"},        {"SliderBusyhold=255", "1D 62 FF"},
        {"SliderOPTOHEAD=1600", "1D 59 06 40"}, {"SliderMARKCUT=8191", "1D 58 1F FF"},
        {"SliderHEADCUT=0", "1D 78 00 00"},     {"SliderAutosleep=255", "1B 41 FF"},
        {"SliderMaxcurrent=32", "1D 2F 20"},    {"SliderMaxcolumn=1", "1B 63 01"},
        {"SliderCharspacing=16", "1B 20 10"},   {"SliderPrelinespacing=15", "1B 32 0F"},
        {"SliderBarcodeheight=1", "1D 68 01"},  {"SliderBarmagn=6", "1D 77 06"},
        {"Justification=2", "1B 43 02"},        {"Charset=12", "1B 52 0C"},
        {"Internalfont=2", "1B 25 02"},         {"Rotated=1", "1B 7B 01"},
        {"Barcodepos=0", "1D 48 00"},           {"Barcodeori=1", "1D 52 01"},
    };
    for (const auto& c : cases) {
        const auto r = showBytes({"--set", c.set});
        EXPECT_EQ(r.status, 0) << c.set << r.err;
        EXPECT_EQ(r.out, c.line + "\n1B 73\n") << c.set;
    }
}

// The commands composed from several keys: the mark length and the continuous paper box, the
// print mode's three groups, the serial byte's handshake and infrared.
TEST(ShowBytes, CommandsComposedFromSeveralKeys) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--set", "ENContPaper=False", "--set", "SliderMarkLength=56"}, "1D 4C 38"},
        {{"--set", "ENContPaper=false"}, "1D 4C 14"},
        {{"--set", "ENContPaper=True"}, "1D 4C 00"},
        {{"--set", "height2=True", "--set", "width4=True", "--set", "underyes=True"}, "1B 21 94"},
        {{"--set", "height4=True"}, "1B 21 02"},
        {{"--set", "width2=True"}, "1B 21 20"},
        {{"--set", "serialhandshake=0"}, "1D 42 03"},
        {{"--set", "serialhandshake=0", "--set", "irda=1"}, "1D 42 8B"},
        {{"--set", "irda=1", "--set", "irda=0", "--set", "serialhandshake=0"}, "1D 42 03"},
        {{"--chipset", "3.3", "--set", "serialspeed=7", "--set", "irda=1"}, "1D 42 8E"},
    };
    for (const auto& [args, line] : cases) {
        EXPECT_EQ(showBytes(args).out, line + "\n1B 73\n") << args.back();
    }
}

TEST(ShowBytes, SerialSpeedCodesFollowTheChipsetVoltage) {
    struct Case {
        int index;
        std::string chipset;
        std::string line; // "" when refused
    };
    const std::vector<Case> cases{
        {0, "5", "1D 42 80"},   {1, "5", "1D 42 81"},   {2, "5", "1D 42 82"},
        {3, "5", "1D 42 83"},   {4, "5", "1D 42 84"},   {5, "5", ""},
        {6, "5", "1D 42 85"},   {7, "5", "1D 42 86"},   {8, "5", "1D 42 87"},
        {0, "3.3", "1D 42 80"}, {4, "3.3", "1D 42 84"}, {5, "3.3", "1D 42 85"},
        {6, "3.3", ""},         {7, "3.3", "1D 42 86"}, {8, "3.3", ""},
    };
    for (const auto& c : cases) {
        const auto r =
            showBytes({"--chipset", c.chipset, "--set", "serialspeed=" + std::to_string(c.index)});
        ASSERT_EQ(r.status, 0) << r.err;
        if (c.line.empty()) {
            // Refused: the message, and the printer keeps the current speed's code.
            EXPECT_NE(r.err.find("It is not possible to configure the baudrate"),
                      std::string::npos);
            EXPECT_NE(r.err.find("The baudrate parameter will not be modified."),
                      std::string::npos);
            EXPECT_EQ(r.out, "1D 42 83\n1B 73\n") << c.index << " at " << c.chipset;
        } else {
            EXPECT_EQ(r.err, "") << c.index << " at " << c.chipset;
            EXPECT_EQ(r.out, c.line + "\n1B 73\n") << c.index << " at " << c.chipset;
        }
    }
}

TEST(ShowBytes, RefusedSpeedKeepsTheCurrentPortSpeed) {
    const auto r = showBytes({"--port-speed", "57600", "--set", "serialspeed=5"});
    EXPECT_EQ(r.out, "1D 42 86\n1B 73\n");
    EXPECT_NE(r.err.find("at 28800 bauds\nif the printer chipset is powered on 5V."),
              std::string::npos);
    const auto r33 =
        showBytes({"--chipset", "3.3", "--port-speed", "28800", "--set", "serialspeed=8"});
    EXPECT_NE(r33.err.find("38400 or 115200 bauds"), std::string::npos);
    EXPECT_EQ(r33.out, "1D 42 85\n1B 73\n");
    // A current speed without a code either: GS B is left out rather than guessed.
    const auto none = showBytes({"--port-speed", "28800", "--set", "serialspeed=5"});
    EXPECT_EQ(none.out, "1B 73\n");
    // A speed no printer knows is refused in the program's words.
    const auto zero = showBytes({"--port-speed", "0"});
    EXPECT_EQ(zero.status, 2);
    EXPECT_THAT(zero.err, ::testing::HasSubstr("0 is not a serial speed: use 1200, 2400, 4800, "
                                               "9600, 19200, 28800, 38400, 57600 or 115200"));
}

} // namespace
} // namespace tessaro::test
