// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the virtual printer on a chosen port, and what a failed detection leaves.

#include "detect/Detection.h"

#include "detect/Autodetect.h"
#include "support/ScriptedView.h"
#include "support/VirtualRig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::detect {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class DetectionTest : public ::testing::Test {
  protected:
    explicit DetectionTest(sim::PrinterConfig config = {}) : rig(std::move(config)) {}

    test::VirtualRig rig;
    test::ScriptedView view{rig.feedback};
    Detection detection{rig.link, rig.parallelPort, rig.facts, rig.feedback};
};

TEST_F(DetectionTest, SerialPrinterIsDescribed) {
    view.com = 1;
    EXPECT_TRUE(view.detectSerial(detection));
    EXPECT_EQ(view.resultText, "R62 VIRTUAL PRN found on COM 1 at 9600 bauds");
    EXPECT_EQ(rig.feedback.messages.at(0).text, view.resultText);
    EXPECT_THAT(rig.feedback.panels, ElementsAre("COM  1 ,  9600 BAUDS ",
                                                 "    R62 VIRTUAL PRN  V1.04", "Power: 24V", ""));
    EXPECT_TRUE(rig.facts.PrinterFound);
    EXPECT_TRUE(rig.facts.Chipset5V);
    EXPECT_EQ(rig.facts.PowerVolts, 24);
    EXPECT_EQ(rig.settings.PortHandshake, 2);
    EXPECT_EQ(rig.settings.PortSpeed, "9600");
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(rig.facts.PrinterFound);
    EXPECT_FALSE(rig.serial.portOpen());
    EXPECT_EQ(rig.allWritten(), std::string("\x1BI\x1Bv\x1DSf\x1C\x18\x1DSC"));
}

TEST_F(DetectionTest, NoAnswerAtAnotherSpeed) {
    view.com = 1;
    view.speedIndex = 4;
    EXPECT_FALSE(view.detectSerial(detection));
    EXPECT_EQ(view.resultText, "No printer found on COM 1 at 19200 bauds");
    EXPECT_THAT(rig.feedback.panels, ElementsAre("No Printer found"));
    EXPECT_FALSE(rig.facts.PrinterFound);
    EXPECT_FALSE(view.closed);
}

TEST_F(DetectionTest, RefusedClicksSayWhy) {
    EXPECT_FALSE(view.detectSerial(detection));
    view.com = 5;
    EXPECT_FALSE(view.detectSerial(detection));
    EXPECT_FALSE(view.detectParallel(detection));
    view.lpt = 2;
    EXPECT_FALSE(view.detectParallel(detection));
    EXPECT_THAT(rig.feedback.texts(),
                ElementsAre("You must select a serial port",
                            "This port does not exist\rCOM5: no serial port has this number",
                            "You must select a parallel port",
                            "This port does not exist\rLPT2: no parallel port has this number"));
    EXPECT_EQ(rig.settings.Port.kind(), link::LinkKind::Parallel);
}

TEST_F(DetectionTest, PortInUseIsReportedWithTheReason) {
    view.com = 1;
    rig.serial.setInUse(1, true);
    EXPECT_FALSE(view.detectSerial(detection));
    EXPECT_THAT(view.resultText, HasSubstr("COM1"));
    EXPECT_EQ(rig.feedback.messages.at(0).text, view.resultText);
    EXPECT_THAT(rig.feedback.panels, ElementsAre("No Printer found"));
}

// A line held low reads as an endless run of zero bytes: no identity, so no printer, and no
// saving sequence will ever take its zero bytes for "stored".
TEST(LineHeldLow, IsNoPrinter) {
    sim::PrinterConfig low;
    low.lineLow = true;
    test::VirtualRig rig(low);
    test::ScriptedView view{rig.feedback};
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
    view.com = 1;
    EXPECT_FALSE(view.detectSerial(detection));
    EXPECT_EQ(view.resultText, "No printer found on COM 1 at 9600 bauds");
    EXPECT_FALSE(rig.facts.PrinterFound);
    EXPECT_TRUE(rig.feedback.messages.empty());
}

// A port that goes after the identity came (at the status request, or at the chipset's):
// the detection ends with the port lost, saying why once, and never takes the missing
// replies for answers.
TEST(PortLostDuringDetection, AfterTheIdentityIsNoPrinterFound) {
    // The identity is taken at 250 ms; the port goes at 300 ms, while the status is awaited
    // (a printer that answers 100 ms late), or while the chipset is (one that never answers).
    for (const bool atChipset : {false, true}) {
        sim::PrinterConfig config;
        config.replyDelayMs = atChipset ? 0 : 100;
        config.chipsetReplyMissing = atChipset;
        test::VirtualRig rig(config);
        Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
        rig.clock.at(std::chrono::milliseconds(300), [&rig] { rig.serial.unplug(); });
        const DetectionResult result =
            detection.detectOn(link::PortRef::numbered(link::LinkKind::Serial, 1), "9600", 1);
        EXPECT_FALSE(result.found) << atChipset;
        EXPECT_EQ(result.problem, link::PortProblem::Lost);
        EXPECT_EQ(result.text, "COM1: the device was disconnected");
        ASSERT_EQ(rig.feedback.messages.size(), 1u); // the printer was never announced
        EXPECT_EQ(rig.feedback.messages[0].text, result.text);
        EXPECT_THAT(test::panelTexts(result), ElementsAre("No Printer found"));
        EXPECT_FALSE(rig.facts.PrinterFound);
        EXPECT_FALSE(rig.settings.PortChosen);
        EXPECT_EQ(rig.allWritten().ends_with("\x1DSC"), atChipset);
    }
}

// The chipset's answer is waited for as long as the identity's; one that never comes leaves
// the chipset unknown rather than taken for 3.3 V.
TEST(ChipsetReply, ALateOneCountsAndAMissingOneIsUnknown) {
    for (const int delayMs : {0, 120, 200}) {
        sim::PrinterConfig config;
        config.replyDelayMs = delayMs;
        test::VirtualRig rig(config);
        Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
        EXPECT_TRUE(
            detection.detectOn(link::PortRef::numbered(link::LinkKind::Serial, 1), "9600", 1).found)
            << delayMs;
        EXPECT_EQ(rig.facts.Chipset5V, true) << delayMs;
    }
    sim::PrinterConfig config;
    config.chipsetReplyMissing = true;
    test::VirtualRig rig(config);
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
    EXPECT_TRUE(
        detection.detectOn(link::PortRef::numbered(link::LinkKind::Serial, 1), "9600", 1).found);
    EXPECT_EQ(rig.facts.Chipset5V, std::nullopt);
}

sim::PrinterConfig xonXoffAt19200() {
    sim::PrinterConfig config;
    config.baud = 19200;
    config.hardwareHandshake = false;
    config.identity = "RZ R51 A PRINTER WITH A LONG NAME";
    return config;
}

class XonXoffPrinter : public DetectionTest {
  protected:
    XonXoffPrinter() : DetectionTest(xonXoffAt19200()) {}
};

TEST_F(XonXoffPrinter, HandshakeIsLearnedFromThePrinter) {
    view.com = 1;
    view.speedIndex = 4;
    EXPECT_TRUE(view.detectSerial(detection));
    EXPECT_EQ(view.handshake, 0);
    EXPECT_EQ(rig.settings.PortHandshake, 1);
    EXPECT_EQ(rig.facts.PowerVolts, 5);
    EXPECT_EQ(view.resultText, "RZ R51 A PRINTER found on COM 1 at 19200 bauds");
}

TEST(ParallelDetection, FoundAndNotFound) {
    test::VirtualRig rig;
    test::ScriptedView view{rig.feedback};
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
    view.lpt = 1;
    EXPECT_TRUE(view.detectParallel(detection));
    EXPECT_EQ(view.resultText, "R62 VIRTUAL PRN found on LPT 1");
    EXPECT_THAT(rig.feedback.panels,
                ElementsAre("LPT  1", "    R62 VIRTUAL PRN  V1.04", "Power: 24V", ""));

    sim::PrinterConfig silent;
    silent.silent = true;
    test::VirtualRig quiet(silent);
    Detection none(quiet.link, quiet.parallelPort, quiet.facts, quiet.feedback);
    EXPECT_FALSE(view.detectParallel(none));
    EXPECT_EQ(view.resultText, "No printer found on LPT 1");
}

TEST(PrinterName, First16CharactersTrimmed) {
    EXPECT_EQ(printerName("  ABC   \0"), "ABC");
    EXPECT_EQ(printerName(std::string("ABC\0", 4)), "ABC");
    EXPECT_EQ(printerName("0123456789ABCDEFGHIJ"), "0123456789ABCDEF");
    // "é" is two bytes: the one the sixteenth byte splits is left out, a whole one kept
    EXPECT_EQ(printerName("0123456789ABCDE\xc3\xa9Z"), "0123456789ABCDE");
    EXPECT_EQ(printerName("0123456789ABCD\xc3\xa9Z"), "0123456789ABCD\xc3\xa9");
    EXPECT_EQ(settingsSpeedCode("28800"), 5);
    EXPECT_EQ(settingsSpeedCode("38400"), 5);
    EXPECT_EQ(settingsSpeedCode("115200"), 7);
}

// LPT1 has no BIOS entry while LPT2 has one: detection, the search and the driver agree that
// LPT1 is not there and LPT2 is.
class SecondLptOnlyTest : public ::testing::Test {
  protected:
    SecondLptOnlyTest() : rig({}, 1, {}, {.lptBase = {0, 0x278, 0}, .printerPort = 2}) {}

    test::VirtualRig rig;
    test::ScriptedView view{rig.feedback};
    Detection detection{rig.link, rig.parallelPort, rig.facts, rig.feedback};
};

TEST_F(SecondLptOnlyTest, OnlyLpt2Exists) {
    EXPECT_FALSE(rig.link.portExists(link::PortRef::numbered(link::LinkKind::Parallel, 1)));
    EXPECT_TRUE(rig.link.portExists(link::PortRef::numbered(link::LinkKind::Parallel, 2)));
    EXPECT_FALSE(rig.parallel.OpenLPT(1));
    EXPECT_EQ(rig.parallel.OpenProblem, link::PortProblem::Absent);

    view.lpt = 1;
    EXPECT_FALSE(view.detectParallel(detection));
    EXPECT_EQ(detection.portProblem(), link::PortProblem::Absent);
    ASSERT_FALSE(rig.feedback.messages.empty());
    EXPECT_THAT(rig.feedback.messages.back().text, HasSubstr("This port does not exist"));

    view.lpt = 2;
    EXPECT_TRUE(view.detectParallel(detection));
    EXPECT_EQ(view.resultText, "R62 VIRTUAL PRN found on LPT 2");
}

TEST_F(SecondLptOnlyTest, TheSearchHasNoStepForLpt1) {
    Autodetect search(detection);
    std::vector<std::string> steps;
    search.onProgress([&](int, int, std::string_view text) { steps.emplace_back(text); });
    EXPECT_TRUE(view.show(search.Autodetect_Click()).found);
    EXPECT_THAT(steps, ElementsAre("Trying to wake-up the printer",
                                   "Attempting to contact printer on LPT 2"));
    EXPECT_EQ(view.resultText, "R62 VIRTUAL PRN found on LPT 2");
}

} // namespace
} // namespace tessaro::detect
