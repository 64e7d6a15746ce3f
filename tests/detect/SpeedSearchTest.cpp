// SPDX-License-Identifier: GPL-3.0-or-later
// Detection at whatever speed the printer runs, on one port of the virtual rig: the speeds
// tried fastest first up to the one that answers, none answering, and a stop between two.

#include "detect/SpeedSearch.h"

#include "link/Cancellation.h"
#include "support/ScriptedView.h"
#include "support/VirtualRig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::detect {
namespace {

using ::testing::ElementsAre;

const link::PortRef kCom1 = link::PortRef::numbered(link::LinkKind::Serial, 1);

sim::PrinterConfig printer(int baud, bool silent = false) {
    sim::PrinterConfig config;
    config.baud = baud;
    config.silent = silent;
    return config;
}

struct SpeedSearchRig {
    explicit SpeedSearchRig(sim::PrinterConfig config) : rig(std::move(config)) {}

    DetectionResult search() {
        return detectAtAnySpeed(
            detection, kCom1, 1, [this](int step, int total, std::string_view text) {
                steps.push_back(std::to_string(step) + "/" + std::to_string(total) + " " +
                                std::string(text));
            });
    }

    test::VirtualRig rig;
    Detection detection{rig.link, rig.parallelPort, rig.facts, rig.feedback};
    std::vector<std::string> steps;
};

TEST(SpeedSearch, TriesFastestFirstAndDetectsAtTheSpeedThatAnswers) {
    SpeedSearchRig at(printer(38400));
    const DetectionResult result = at.search();
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.speed, "38400");
    EXPECT_EQ(result.text, "R62 VIRTUAL PRN found on COM 1 at 38400 bauds");
    EXPECT_THAT(at.steps,
                ElementsAre("1/9 Attempting to contact printer on COM 1 at 115200 bauds.",
                            "2/9 Attempting to contact printer on COM 1 at 57600 bauds.",
                            "3/9 Attempting to contact printer on COM 1 at 38400 bauds."));
    EXPECT_EQ(at.rig.settings.PortSpeed, "38400");
    EXPECT_FALSE(at.rig.serial.portOpen());
}

TEST(SpeedSearch, NoSpeedAnsweringNamesThePortAndLeavesNoSpeed) {
    SpeedSearchRig at(printer(9600, true));
    const DetectionResult result = at.search();
    EXPECT_FALSE(result.found);
    EXPECT_TRUE(result.probed);
    EXPECT_EQ(result.text, "No printer found on COM 1 at any speed");
    EXPECT_EQ(result.speed, "");
    EXPECT_EQ(result.problem, link::PortProblem::None);
    EXPECT_EQ(at.steps.size(), 9u);
    EXPECT_EQ(at.steps.back(), "9/9 Attempting to contact printer on COM 1 at 1200 bauds.");
    EXPECT_THAT(test::panelTexts(result), ElementsAre("No Printer found"));
    EXPECT_FALSE(at.rig.serial.portOpen());
}

TEST(SpeedSearch, AStopEndsTheSearchBetweenTwoSpeedsSayingNothing) {
    SpeedSearchRig at(printer(1200));
    link::Cancellation stop;
    at.detection.setCancellation(&stop);
    const DetectionResult result =
        detectAtAnySpeed(at.detection, kCom1, 1, [&stop](int step, int, std::string_view) {
            if (step == 2) {
                stop.cancel();
            }
        });
    EXPECT_FALSE(result.found);
    EXPECT_FALSE(result.probed);
    EXPECT_TRUE(at.rig.feedback.messages.empty());
    EXPECT_FALSE(at.rig.serial.portOpen());
}

} // namespace
} // namespace tessaro::detect
