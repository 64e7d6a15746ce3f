// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic search: its order of ports and speeds, the double status check, the
// parallel phase when no serial port answers, its announced steps and its stop.

#include "detect/Autodetect.h"

#include "support/ScriptedView.h"
#include "support/VirtualRig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <numeric>

namespace tessaro::detect {
namespace {

using ::testing::AnyOf;
using ::testing::Each;
using ::testing::ElementsAreArray;
using ::testing::Not;
using ::testing::StartsWith;

TEST(Autodetect, TriesEveryPortAndSpeedFastestFirst) {
    test::VirtualRig rig({}, 2, {1, 2});
    test::ScriptedView view{rig.feedback};
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
    EXPECT_TRUE(view.show(Autodetect(detection).Autodetect_Click()).found);
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
    EXPECT_EQ(rig.settings.Port.number(), 2);
    EXPECT_EQ(view.resultText, "R62 VIRTUAL PRN found on COM 2 at 9600 bauds");
}

TEST(Autodetect, ADeviceAnsweringWithTwoBytesIsNoPrinter) {
    sim::PrinterConfig chatty;
    chatty.endless = true;
    test::VirtualRig rig(chatty, 1, {1}, {.lptBase = {0, 0, 0}});
    test::ScriptedView view{rig.feedback};
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
    EXPECT_FALSE(view.show(Autodetect(detection).Autodetect_Click()).found);
}

TEST(Autodetect, NoPrinterAnywhere) {
    sim::PrinterConfig silent;
    silent.silent = true;
    test::VirtualRig rig(silent, 1, {1});
    test::ScriptedView view{rig.feedback};
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
    const auto start = rig.clock.now();
    EXPECT_FALSE(view.show(Autodetect(detection).Autodetect_Click()).found);
    EXPECT_EQ(view.resultText, "No printer found");
    EXPECT_EQ(rig.feedback.panels, std::vector<std::string>{"No Printer found"});
    EXPECT_EQ(rig.settings.Port.kind(), link::LinkKind::Parallel);
    // The wake-up pause and one 100 ms wait per silent speed; then LPT1's attempt.
    EXPECT_GE(rig.clock.now() - start, std::chrono::milliseconds(1000 + 9 * 100 + 120));
}

TEST(Autodetect, ParallelPhaseWhenNoComPortExists) {
    test::VirtualRig rig({}, 1, {});
    test::ScriptedView view{rig.feedback};
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
    EXPECT_TRUE(view.show(Autodetect(detection).Autodetect_Click()).found);
    EXPECT_EQ(view.lpt, 1);
    EXPECT_EQ(view.resultText, "R62 VIRTUAL PRN found on LPT 1");
    EXPECT_TRUE(rig.serial.sessions().empty());
}

TEST(Autodetect, AComPortThatCannotOpenIsNotedOnceAndSkipped) {
    test::VirtualRig rig({}, 2, {1, 2});
    rig.serial.setInUse(1, true);
    test::ScriptedView view{rig.feedback};
    Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
    EXPECT_TRUE(view.show(Autodetect(detection).Autodetect_Click()).found);
    EXPECT_THAT(rig.feedback.texts(), ::testing::Contains(::testing::HasSubstr("COM1")).Times(1));
    EXPECT_EQ(view.com, 2);
}

TEST(Autodetect, AnnouncesEveryStepItRunsOutOfTheTotalItRuns) {
    constexpr int kSpeeds = static_cast<int>(Autodetect::kSearchSpeeds.size());
    sim::PrinterConfig silent;
    silent.silent = true;
    // A COM port that cannot be opened at the wake-up leaves its speeds out of the total.
    for (const bool com1Held : {false, true}) {
        SCOPED_TRACE(com1Held ? "COM 1 held" : "COM 1 free");
        test::VirtualRig rig(silent, 1, {1, 2});
        rig.serial.setInUse(1, com1Held);
        test::ScriptedView view{rig.feedback};
        Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
        Autodetect search(detection);
        std::vector<int> steps;
        std::vector<std::string> texts;
        int total = 0;
        search.onProgress([&](int step, int of, std::string_view text) {
            steps.push_back(step);
            total = of;
            texts.emplace_back(text);
        });
        EXPECT_FALSE(view.show(search.Autodetect_Click()).found);
        const int expected = 1 + (com1Held ? 1 : 2) * kSpeeds + 1; // the wake-up, ..., LPT1
        std::vector<int> all(static_cast<std::size_t>(expected));
        std::iota(all.begin(), all.end(), 1);
        EXPECT_EQ(steps, all);
        EXPECT_EQ(total, expected);
        EXPECT_EQ(texts.front(), "Trying to wake-up the printer");
        EXPECT_EQ(texts.at(1), com1Held
                                   ? "Attempting to contact printer on COM 2 at 115200 bauds."
                                   : "Attempting to contact printer on COM 1 at 115200 bauds.");
        EXPECT_EQ(texts.back(), "Attempting to contact printer on LPT 1");
    }
}

// The printer answers on COM 2 at 9600 bauds: step 16 (the wake-up, COM 1's nine speeds, COM 2
// from 115200 down). A stop asked as a step is announced runs nothing of it; one asked during
// a probe (a click seen while it waits) lets the probe finish. Either way the answer is not
// described, nothing more goes to any port, and the search leaves things as it found them.
TEST(Autodetect, AStopEndsTheSearchAfterTheProbeUnderWay) {
    struct Case {
        int step;
        bool duringProbe;
    };
    for (const Case c :
         {Case{1, false}, Case{2, false}, Case{16, false}, Case{16, true}, Case{1, true}}) {
        SCOPED_TRACE(testing::Message() << "step " << c.step << (c.duringProbe ? " probe" : ""));
        test::VirtualRig rig({}, 2, {1, 2});
        rig.foundOnSerial(1, "19200");
        const link::LinkSettings before = rig.settings;
        const std::size_t lptWrites = rig.parallelPort.writes();
        test::ScriptedView view{rig.feedback};
        Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
        Autodetect search(detection);
        int lastStep = 0;
        std::size_t openings = 0;
        std::string written;
        search.onProgress([&](int step, int, std::string_view) {
            lastStep = step;
            if (step != c.step) {
                return;
            }
            if (c.duringProbe) {
                rig.clock.at(rig.clock.now() + std::chrono::milliseconds(50),
                             [&] { search.requestStop(); });
                openings = rig.serial.sessions().size() + (c.step == 1 ? 2 : 1);
            } else {
                search.requestStop();
                openings = rig.serial.sessions().size();
                written = rig.allWritten();
            }
        });
        EXPECT_FALSE(view.show(search.Autodetect_Click()).found);
        EXPECT_EQ(lastStep, c.step);
        EXPECT_EQ(rig.serial.sessions().size(), openings);
        if (!c.duringProbe) {
            EXPECT_EQ(rig.allWritten(), written);
        }
        EXPECT_FALSE(rig.serial.portOpen());
        EXPECT_EQ(rig.parallelPort.writes(), lptWrites);
        EXPECT_EQ(view.resultText, "No printer found");
        EXPECT_FALSE(view.com.has_value());
        EXPECT_EQ(rig.settings.Port, before.Port);
        EXPECT_EQ(rig.settings.PortSpeed, before.PortSpeed);
        EXPECT_TRUE(rig.facts.PrinterFound);
        EXPECT_THAT(rig.feedback.events,
                    Each(Not(AnyOf(StartsWith("panels"), StartsWith("commands")))));
    }
}

} // namespace
} // namespace tessaro::detect
