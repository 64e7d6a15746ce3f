// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic search: its order of ports and speeds, the double status check, and the
// parallel phase when no serial port answers.

#include "detect/Autodetect.h"

#include "support/ScriptedView.h"
#include "support/VirtualRig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::detect {
namespace {

using ::testing::ElementsAreArray;

sim::PrinterConfig at9600() {
    return {};
}

TEST(Autodetect, TriesEveryPortAndSpeedFastestFirst) {
    test::VirtualRig rig(at9600(), 2, {1, 2});
    test::ScriptedView view;
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback, view);
    EXPECT_TRUE(Autodetect(detection).Autodetect_Click());
    std::vector<std::string> expected{"57600,N,8,1", "57600,N,8,1"};
    for (const std::string_view speed : Autodetect::kSearchSpeeds) {
        expected.push_back(std::string(speed) + ",N,8,1");
    }
    for (const char* speed : {"115200", "57600", "38400", "28800", "19200", "9600"}) {
        expected.push_back(std::string(speed) + ",N,8,1");
    }
    expected.push_back("9600,N,8,1"); // the ordinary probe at the speed that answered
    EXPECT_THAT(rig.serial.openedSettings(), ElementsAreArray(expected));
    EXPECT_EQ(view.com, 2);
    EXPECT_EQ(view.speedIndex, 3);
    EXPECT_EQ(rig.settings.PortNumber, 2);
    EXPECT_EQ(rig.feedback.detectionResult, "R62 VIRTUAL PRN found on COM 2 at 9600 bauds");
    EXPECT_TRUE(view.buttonsEnabled);
}

TEST(Autodetect, ADeviceAnsweringWithTwoBytesIsNoPrinter) {
    sim::PrinterConfig chatty;
    chatty.endless = true;
    sim::VirtualParallelPort::Options noLpt;
    noLpt.lptBase = {0, 0, 0};
    test::VirtualRig rig(chatty, 1, {1}, noLpt);
    test::ScriptedView view;
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback, view);
    EXPECT_FALSE(Autodetect(detection).Autodetect_Click());
}

TEST(Autodetect, NoPrinterAnywhere) {
    sim::PrinterConfig silent;
    silent.silent = true;
    test::VirtualRig rig(silent, 1, {1});
    test::ScriptedView view;
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback, view);
    const auto start = rig.clock.now();
    EXPECT_FALSE(Autodetect(detection).Autodetect_Click());
    EXPECT_EQ(rig.feedback.detectionResult, "No printer found");
    EXPECT_EQ(rig.feedback.panels, std::vector<std::string>{"No Printer found"});
    EXPECT_EQ(rig.settings.PortKind, link::LinkKind::Parallel);
    // The wake-up pause and one 100 ms wait per silent speed; then LPT1's attempt.
    EXPECT_GE(rig.clock.now() - start, std::chrono::milliseconds(1000 + 9 * 100 + 120));
}

TEST(Autodetect, ParallelPhaseWhenNoComPortExists) {
    test::VirtualRig rig({}, 1, {});
    test::ScriptedView view;
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback, view);
    EXPECT_TRUE(Autodetect(detection).Autodetect_Click());
    EXPECT_EQ(view.lpt, 1);
    EXPECT_EQ(rig.feedback.detectionResult, "R62 VIRTUAL PRN found on LPT 1");
    EXPECT_TRUE(rig.serial.sessions().empty());
}

TEST(Autodetect, AComPortThatCannotOpenIsNotedOnceAndSkipped) {
    test::VirtualRig rig({}, 2, {1, 2});
    rig.serial.setInUse(1, true);
    test::ScriptedView view;
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback, view);
    EXPECT_TRUE(Autodetect(detection).Autodetect_Click());
    int notes = 0;
    for (const auto& m : rig.feedback.messages) {
        notes += m.text.find("COM1") != std::string::npos;
    }
    EXPECT_EQ(notes, 1);
    EXPECT_EQ(view.com, 2);
}

} // namespace
} // namespace tessaro::detect
