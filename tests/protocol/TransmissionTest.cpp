// SPDX-License-Identifier: GPL-3.0-or-later
// Sending the workspace to the virtual printer: bytes on the wire, waits, the serial speed
// change and the saving sequence's outcomes.

#include "protocol/Transmission.h"

#include "protocol/PrinterCommands.h"
#include "support/Bytes.h"
#include "support/StalledStreamDevice.h"
#include "support/VirtualRig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::protocol {
namespace {

// The printer answered the saving sequence with a non-zero byte, or a parallel write failed.
constexpr std::string_view kSaveFailedMessageA =
    " Saving Sequence Failed\r Please verify that your software revision allow parameters "
    "modificaiton";
// No answer to the saving sequence on a serial link.
constexpr std::string_view kSaveFailedMessageB =
    "Saving Sequence Failed\rPlease verify that your software revision\rallow parameters "
    "modificaiton";

using test::bytes;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using workspace::ChangeSource;
using workspace::controlId;

class TransmissionTest : public ::testing::Test {
  protected:
    explicit TransmissionTest(sim::PrinterConfig config = {}) : rig(std::move(config)) {
        ws.startUp();
        rig.foundOnSerial();
    }
    bool send(bool all = false) { return transmission.SendParameters(all); }

    test::VirtualRig rig;
    workspace::Workspace ws;
    Transmission transmission{ws, rig.link, rig.facts, rig.feedback};
};

TEST_F(TransmissionTest, OneModifiedParameterThenTheSavingSequence) {
    ws.setSlider(controlId("SliderLinespacing"), 5, ChangeSource::User);
    const auto start = rig.clock.now();
    EXPECT_TRUE(send());
    EXPECT_EQ(rig.allWritten(), bytes({0x1B, 0x33, 0x05, 0x1B, 0x73}));
    EXPECT_EQ(rig.clock.now() - start, std::chrono::milliseconds(500)); // the only wait
    EXPECT_THAT(rig.feedback.texts(), ElementsAre("Saving Sequence Successful !"));
    EXPECT_EQ(rig.feedback.panels[kStatusPanel], "Parameters saved...   ");
    EXPECT_EQ(rig.printer.stored().at(bytes({0x1B, 0x33})), bytes({0x05}));
    EXPECT_FALSE(rig.serial.portOpen());
    EXPECT_TRUE(ws.isModified(workspace::Param::Linespacing)); // flags stay set
}

// A transmission stopped under way sends nothing more, no saving sequence, and does not say
// the parameters were saved.
TEST_F(TransmissionTest, AStoppedTransmissionStoresNothingAndSaysSo) {
    ws.setSlider(controlId("SliderLinespacing"), 5, ChangeSource::User);
    link::Cancellation stop;
    stop.cancel();
    transmission.setCancellation(&stop);
    EXPECT_FALSE(send());
    EXPECT_EQ(rig.allWritten(), "");
    EXPECT_THAT(rig.feedback.texts(),
                ::testing::Not(::testing::Contains("Saving Sequence Successful !")));
    EXPECT_EQ(rig.feedback.panels[kStatusPanel], "Saving sequence failed");
    EXPECT_TRUE(rig.printer.stored().empty());
    EXPECT_FALSE(rig.serial.portOpen());
}

TEST_F(TransmissionTest, StatusTextFollowsEachCommand) {
    ws.setSlider(controlId("SliderAutosleep"), 1, ChangeSource::User);
    ws.setSlider(controlId("SliderIntensity"), 1, ChangeSource::User);
    send();
    auto& events = rig.feedback.events;
    const auto first =
        std::find(events.begin(), events.end(), "panel 3: Setting autosleep (ESC A n)");
    ASSERT_NE(first, events.end());
    EXPECT_EQ(*(first + 1), "panel 3: Setting print intensity (GA D n)");
    EXPECT_EQ(*(first + 2), "panel 3: Saving parameters");
}

TEST_F(TransmissionTest, SpeedChangeReopensTheLinkAtTheNewSpeed) {
    rig.facts.Chipset5V = false;
    ws.selectListEntry(controlId("serialspeed"), 7);
    ws.selectListEntry(controlId("serialhandshake"), 0);
    ws.clearModifiedFlags();
    ws.selectListEntry(controlId("serialspeed"), 7);
    EXPECT_TRUE(send());
    ASSERT_EQ(rig.serial.sessions().size(), 2u);
    EXPECT_EQ(rig.serial.sessions()[0].written, bytes({0x1D, 0x42, 0x06}));
    EXPECT_EQ(rig.serial.sessions()[1].settings, "57600,N,8,1");
    EXPECT_EQ(rig.serial.sessions()[1].written, bytes({0x1B, 0x73}));
    EXPECT_EQ(rig.settings.PortSpeed, "57600");
    EXPECT_EQ(rig.feedback.panels[0], "COM  1 ,  57600 BAUDS ");
}

TEST_F(TransmissionTest, RefusedSpeedKeepsTheCurrentOne) {
    ws.selectListEntry(controlId("serialspeed"), 5); // 28800, refused at 5 V
    ws.clearModifiedFlags();
    ws.selectListEntry(controlId("serialspeed"), 5);
    EXPECT_TRUE(send());
    EXPECT_THAT(rig.feedback.texts()[0],
                HasSubstr("at 28800 bauds\r\nif the printer chipset is powered "
                          "on 5V."));
    EXPECT_EQ(rig.serial.sessions()[0].written, bytes({0x1D, 0x42, 0x83}));
    EXPECT_EQ(rig.serial.sessions()[1].settings, "9600,N,8,1");
}

TEST_F(TransmissionTest, NoPrinterNoPortNoSend) {
    rig.facts.PrinterFound = false;
    EXPECT_FALSE(send());
    EXPECT_THAT(rig.feedback.texts(),
                ElementsAre("Need a Printer Connected\rDetect Printer Please"));
    EXPECT_TRUE(rig.serial.sessions().empty());

    rig.facts.PrinterFound = true;
    rig.serial.setInUse(1, true);
    EXPECT_FALSE(send());
    EXPECT_THAT(rig.feedback.texts().back(), HasSubstr("COM1"));
    EXPECT_TRUE(rig.serial.sessions().empty());
    EXPECT_EQ(rig.feedback.panels[kStatusPanel], "Saving sequence failed");
}

// An adapter unplugged during the saving wait ends the run as a failure, never blamed on the
// printer's firmware.
TEST_F(TransmissionTest, APrinterGoneDuringTheSavingWaitIsNotBlamedOnItsFirmware) {
    rig.clock.at(rig.clock.now() + std::chrono::milliseconds(300), [this] { rig.serial.unplug(); });
    EXPECT_FALSE(send());
    EXPECT_THAT(rig.feedback.texts(), ElementsAre("COM1: the device was disconnected"));
    EXPECT_EQ(rig.feedback.panels[kStatusPanel], "Saving sequence failed");
    EXPECT_FALSE(rig.serial.portOpen());
}

// The factory workspace with the dynamic division at 9, to be sent to the rig's printer.
struct Sending {
    explicit Sending(test::VirtualRig& rig) : transmission(ws, rig.link, rig.facts, rig.feedback) {
        ws.startUp();
        ws.setSlider(controlId("SliderMaxcurrent"), 9, ChangeSource::User);
    }
    workspace::Workspace ws;
    Transmission transmission;
};

// A printer that stops taking bytes part-way: the write is bounded on the link's clock, and
// the run ends at that command as a lost port, saying why once; no later command and no
// saving sequence follows it.
TEST(StalledPrinter, TheFirstCommandItDoesNotTakeEndsTheRun) {
    link::VirtualClock clock;
    test::StalledStreamDevice printer(clock, 5);
    sim::PrinterModel unused{{}, clock};
    sim::VirtualParallelPort lptPort(unused, clock);
    test::FeedbackRecorder feedback;
    link::PortMap ports{{}, {}, {}};
    link::ParallelWinIO parallel{lptPort, clock, feedback};
    link::tempo timing{clock};
    link::Session session;
    link::SubCom link{session, printer, parallel, timing, feedback, ports};
    session.link = {link::PortRef::numbered(link::LinkKind::Serial, 1), true, "9600", 2};
    session.printer.PrinterFound = true;
    workspace::Workspace ws;
    ws.startUp();
    Transmission transmission(ws, link, session.printer, feedback);

    EXPECT_FALSE(transmission.SendParameters(true));
    EXPECT_EQ(transmission.portProblem(), link::PortProblem::Lost);
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(feedback.messages[0].text, "printer.test:9100: the printer stopped taking data");
    EXPECT_EQ(feedback.messages[0].icon, link::MessageIcon::Critical);
    EXPECT_EQ(printer.taken().size(), 5u);
    EXPECT_EQ(printer.refusedWrites(), 5);           // one bounded wait, then nothing more
    EXPECT_EQ(clock.now(), std::chrono::seconds(5)); // the bound, on the link's clock
    EXPECT_THAT(feedback.events, Not(Contains("panel 3: Saving parameters")));
    EXPECT_EQ(feedback.events.back(), "panel 3: Saving sequence failed");
}

// A parallel printer that holds Busy longer than a write waits has no fault to tell: the run
// ends there as not stored, without the saving sequence.
TEST(StalledPrinter, AParallelPrinterThatStaysBusyGetsNoSavingSequence) {
    test::VirtualRig rig({}, 1, {1, 2}, {.busyHoldSeconds = 6});
    rig.foundOnParallel();
    Sending sending(rig);
    EXPECT_FALSE(sending.transmission.SendParameters(false));
    EXPECT_EQ(sending.transmission.portProblem(), link::PortProblem::None);
    ASSERT_EQ(rig.feedback.messages.size(), 1u);
    EXPECT_EQ(rig.feedback.messages[0].text, kSaveFailedMessageA);
    EXPECT_THAT(rig.log, Not(Contains(HasSubstr("ESC s"))));
}

TEST(SaveReply, NonZeroOrMissingIsAFailureNeverSaved) {
    struct Case {
        int reply;
        bool missing;
        std::string_view message;
    };
    for (const Case& c :
         {Case{1, false, kSaveFailedMessageA}, Case{0, true, kSaveFailedMessageB}}) {
        sim::PrinterConfig config;
        config.saveReply = static_cast<std::uint8_t>(c.reply);
        config.saveReplyMissing = c.missing;
        test::VirtualRig rig(config);
        rig.foundOnSerial();
        EXPECT_FALSE(Sending(rig).transmission.SendParameters(false));
        ASSERT_EQ(rig.feedback.messages.size(), 1u);
        EXPECT_EQ(rig.feedback.messages[0].text, c.message);
        EXPECT_EQ(rig.feedback.messages[0].icon, link::MessageIcon::Critical);
        EXPECT_EQ(rig.feedback.panels[kStatusPanel], "Saving sequence failed");
    }
}

TEST(ParallelTransmission, SavesThenAsksForAReboot) {
    for (const int reply : {0, 1}) {
        sim::PrinterConfig config;
        config.saveReply = static_cast<std::uint8_t>(reply);
        test::VirtualRig rig(config);
        rig.foundOnParallel();
        EXPECT_EQ(Sending(rig).transmission.SendParameters(false), reply == 0);
        EXPECT_EQ(rig.printer.received().at(bytes({0x1D, 0x2F})), bytes({9}));
        ASSERT_FALSE(rig.feedback.messages.empty());
        const auto& last = rig.feedback.messages.back().text;
        const auto& reboot = rig.feedback.messages[reply == 0 ? 0 : 1].text;
        EXPECT_EQ(reboot, "Please reboot your printer by powering it down, then up.\r\n"
                          "Then, perform a printer detection again...");
        EXPECT_EQ(last, reply == 0 ? "Saving Sequence Successful !" : reboot);
        EXPECT_TRUE(rig.facts.PrinterFound);
    }
}

TEST(PrinterCommandsTest, RecoverAskedNoLeavesEverythingAndYesSendsAll) {
    test::VirtualRig rig;
    rig.foundOnSerial();
    Sending sending(rig);
    workspace::Workspace& ws = sending.ws;
    PrinterCommands commands(ws, sending.transmission, rig.feedback);
    rig.feedback.answers = {false, true};
    EXPECT_FALSE(commands.RecovDefault_Click());
    EXPECT_TRUE(rig.serial.sessions().empty());
    EXPECT_EQ(ws.value(controlId("SliderMaxcurrent")), 9);
    EXPECT_TRUE(rig.facts.PrinterFound);
    EXPECT_THAT(rig.feedback.questions[0], HasSubstr("and transfer them to the printer."));

    EXPECT_TRUE(commands.RecoverfactoryButton_Click());
    EXPECT_EQ(ws.value(controlId("SliderMaxcurrent")), 5);
    EXPECT_EQ(rig.printer.stored().size(), 28u);
}

} // namespace
} // namespace tessaro::protocol
