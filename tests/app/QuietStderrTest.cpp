// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing from Qt or a library on standard error while the window detects a printer on a
// serial port and while its station stores a profile in one.

#include "PortSelectionFixture.h"
#include "StationFixture.h"
#include "support/StderrCapture.h"

#include <QComboBox>
#include <QRadioButton>

namespace tessaro::test {
namespace {

// What was written, less the line the offscreen platform the tests run on writes whenever a
// window is shown (a desktop's platform has no such line).
std::string lessOffscreenNotes(std::string text) {
    const std::string note = "This plugin does not support propagateSizeHints()\n";
    for (auto at = text.find(note); at != std::string::npos; at = text.find(note)) {
        text.erase(at, note.size());
    }
    return text;
}

class QuietDetectionTest : public PortSelectionFixture {};

TEST_F(QuietDetectionTest, ADetectionOnASerialPortWritesNothingOnStderr) {
    ASSERT_NO_FATAL_FAILURE(startSim({}));
    openWindow({{"TESSARO_COM1", device}});
    StderrCapture stderrText;
    inPortSelection([&](app::PortSelection& dialog) {
        child<QRadioButton>(dialog, "COM1")->setChecked(true);
        child<QComboBox>(dialog, "serialspeed")->setCurrentText("9600");
        child<QPushButton>(dialog, "DetectSerialPrinter")->click();
    });
    EXPECT_EQ(lessOffscreenNotes(stderrText.finish()), "");
    EXPECT_EQ(window->feedback().detectionResult(), "R62 VIRTUAL PRN found on COM 1 at 9600 bauds");
}

class QuietStationTest : public StationFixture {};

TEST_F(QuietStationTest, AStationRunWritesNothingOnStderr) {
    SimProcess printer({"--time-limit", "60"});
    open({printer.device()});
    choose({"COM1"});
    StderrCapture stderrText;
    click("stationStart");
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    EXPECT_EQ(lessOffscreenNotes(stderrText.finish()), "");
    EXPECT_EQ(tile(1)->look(), app::StationTile::Look::Stored);
}

} // namespace
} // namespace tessaro::test
