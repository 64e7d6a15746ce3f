// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual printer's answers, its faults on the virtual clock, and its memory.

#include "sim/PrinterModel.h"

#include "link/VirtualClock.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::sim {
namespace {

using namespace std::string_literals;
using namespace std::chrono_literals;

class PrinterModelTest : public ::testing::Test {
  protected:
    PrinterModel& power(PrinterConfig config = {}) {
        printer.emplace(std::move(config), clock,
                        [this](std::string line) { log.push_back(std::move(line)); });
        return *printer;
    }
    // Sends the request and takes everything the printer has ready at once.
    std::string ask(const std::string& request) {
        printer->receive(request);
        return printer->takeReply(printer->replyReady());
    }

    link::VirtualClock clock;
    std::optional<PrinterModel> printer;
    std::vector<std::string> log;
};

struct ReplyCase {
    const char* name;
    PrinterConfig config;
    std::string request;
    std::string reply;
};

class PrinterReplies : public PrinterModelTest, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(PrinterReplies, AnswersWithExactlyTheseBytes) {
    power(GetParam().config);
    EXPECT_EQ(ask(GetParam().request), GetParam().reply);
    EXPECT_EQ(printer->replyReady(), 0u);
}

PrinterConfig at3V3() {
    PrinterConfig config;
    config.chipset5V = false;
    return config;
}

PrinterConfig withStatus(std::uint8_t status) {
    PrinterConfig config;
    config.status = status;
    return config;
}

INSTANTIATE_TEST_SUITE_P(
    PrinterModel, PrinterReplies,
    ::testing::Values(ReplyCase{"identity", {}, "\x1BI", "R62 VIRTUAL PRN  V1.04\0"s},
                      ReplyCase{"chipset_5v", {}, "\x1DSC", "\x40"},
                      ReplyCase{"chipset_3v3", at3V3(), "\x1DSC", "\x00"s},
                      ReplyCase{"status", {}, "\x1Bv", "\xA0"},
                      ReplyCase{"configured_status", withStatus(0x12), "\x1Bv", "\x12"},
                      ReplyCase{"power_on_settings", {}, "\x1DSf\x1C", "\x83"},
                      ReplyCase{"settings_after_gs_b", {}, "\x1D\x42\x0C\x1DSf\x1C", "\x0C"},
                      ReplyCase{"save", {}, "\x1Bs", "\x00"s},
                      ReplyCase{
                          "parameters_say_nothing", {}, "\x1Ds\x07\xE0\x1B\x41\x05\x18\x00"s, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrinterModelTest, GsBChangesTheSpeedRightAfterItsArgument) {
    struct Case {
        bool chipset5V;
        char argument;
        int baud;
    };
    for (const Case& c : {Case{true, '\x84', 19200}, Case{true, '\x07', 115200},
                          Case{false, '\x05', 28800}, Case{false, '\x07', 57600}}) {
        PrinterConfig config;
        config.chipset5V = c.chipset5V;
        power(config);
        // Sent at 9600 in one go: the status request after GS B is no longer heard.
        EXPECT_EQ(printer->receiveAtSpeed("\x1D\x42"s + c.argument + "\x1Bv", 9600), 3u);
        EXPECT_EQ(printer->baud(), c.baud);
        EXPECT_EQ(printer->replyReady(), 0u);
    }
}

TEST_F(PrinterModelTest, CommandsSplitAcrossCallsAndLoggedOneLineEach) {
    power();
    for (const std::string& part : {"\x1D"s, "s\x07"s, "\xE0\x1B"s, "I\x1Bq"s}) {
        printer->receive(part);
    }
    EXPECT_EQ(printer->received().at("\x1Ds"), "\x07\xE0");
    EXPECT_THAT(log, ::testing::ElementsAre("GS s 07 E0  Setting max speed",
                                            "ESC I  identity request -> R62 VIRTUAL PRN  V1.04",
                                            "1B 71  unknown, skipped"));
}

TEST_F(PrinterModelTest, SaveStoresOnlyWhenItAnswersZero) {
    struct Case {
        std::uint8_t saveReply;
        bool missing;
        std::string reply;
        bool stored;
    };
    for (const Case& c : {Case{0x00, false, "\x00"s, true}, Case{0x01, false, "\x01", false},
                          Case{0x00, true, "", false}}) {
        PrinterConfig config;
        config.saveReply = c.saveReply;
        config.saveReplyMissing = c.missing;
        power(config);
        EXPECT_EQ(ask("\x1D\x42\x84\x1D\x44\x03\x1Bs"), c.reply);
        EXPECT_EQ(printer->stored().size(), c.stored ? 2u : 0u);
    }
}

TEST_F(PrinterModelTest, SilentPrinterNeverAnswersButStillStores) {
    PrinterConfig config;
    config.silent = true;
    power(config);
    printer->receive("\x1BI\x1B\x41\x01\x1Bs");
    clock.advance(10s);
    EXPECT_EQ(printer->replyReady(), 0u);
    EXPECT_FALSE(printer->nextReplyAt());
    EXPECT_EQ(printer->stored().size(), 1u);
}

TEST_F(PrinterModelTest, GarbageReplyHasTheLengthButNoTerminatingZero) {
    PrinterConfig config;
    config.garbage = true;
    power(config);
    EXPECT_EQ(ask("\x1BI"), std::string(config.identity.size() + 1, '\xFF'));
}

TEST_F(PrinterModelTest, EndlessReplyKeepsComingAndOnlyABoundedReaderStops) {
    PrinterConfig config;
    config.endless = true;
    power(config);
    EXPECT_EQ(printer->replyReady(), 0u); // nothing asked yet
    printer->receive("\x1Bv");
    std::string got;
    for (int round = 0; round < 50 && printer->replyReady() > 0; ++round) {
        got += printer->takeReply(100);
    }
    ASSERT_EQ(got.size(), 5000u);
    EXPECT_EQ(got[0], '\xA0');
    EXPECT_EQ(got.find('\0'), std::string::npos);
}

TEST_F(PrinterModelTest, MemorySurvivesPowerCycles) {
    test::TempDir dir;
    PrinterConfig config;
    config.stateFile = dir / "printer.mem";
    power(config);
    EXPECT_EQ(ask("\x1D\x42\x8C\x1Ds\x07\xE0\x1Bs"), "\x00"s);
    power(config);
    EXPECT_EQ(ask("\x1B\x41\x05\x1Bs"), "\x00"s); // adds to the stored defaults
    const Parameters before = printer->stored();

    power(config);
    EXPECT_EQ(printer->stored(), before);
    EXPECT_EQ(before.size(), 3u);
    EXPECT_EQ(printer->baud(), 19200);
    EXPECT_EQ(printer->settingsByte(), 0x8C);
    EXPECT_TRUE(printer->received().empty());
}

TEST_F(PrinterModelTest, MemoryThatCannotBeWrittenIsNotReportedAsStored) {
    test::TempDir dir;
    PrinterConfig config;
    config.stateFile = dir / "missing-dir" / "printer.mem";
    power(config);
    EXPECT_EQ(ask("\x1B\x41\x05\x1Bs"), "\x01");
    EXPECT_TRUE(printer->stored().empty());
    EXPECT_THAT(log.back(), ::testing::HasSubstr("printer.mem"));
}

TEST_F(PrinterModelTest, UnreadableMemoryOrImpossibleSpeedRefusesToPowerOn) {
    test::TempDir dir;
    PrinterConfig config;
    config.stateFile = dir.write("bad.mem", "serial 83\nparam 1D73 07\n");
    EXPECT_THAT([&] { power(config); }, ::testing::ThrowsMessage<std::runtime_error>(
                                            ::testing::HasSubstr("bad.mem: line 2")));
    config = {};
    config.baud = 28800;
    EXPECT_THROW(power(config), std::invalid_argument);
}

} // namespace
} // namespace tessaro::sim
