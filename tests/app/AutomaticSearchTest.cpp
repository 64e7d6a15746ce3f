// SPDX-License-Identifier: GPL-3.0-or-later
// The port selection window's automatic search against the virtual printer process on a
// pseudo-terminal mapped as COM 1: its progress bar and its Stop button.

#include "PortSelectionFixture.h"
#include "app/StatusPanelBar.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

class AutomaticSearchTest : public PortSelectionFixture {};

// The printer found on COM 1, then a search stopped while it probes COM 1 at 115200 bauds (its
// second step): the click is seen while the probe waits, and the search ends after it, leaving
// the printer found before as it was.
TEST_F(AutomaticSearchTest, StopIsOfferedWhileTheSearchRunsAndEndsItWithNothingChanged) {
    ASSERT_NO_FATAL_FAILURE(startSim({}));
    openWindow({{"TESSARO_COM1", device}});
    inPortSelection([&](app::PortSelection& dialog) {
        child<QRadioButton>(dialog, "COM1")->setChecked(true);
        child<QPushButton>(dialog, "DetectSerialPrinter")->click();
    });
    auto* send = window->findChild<QPushButton*>("SetToPrinterButton");
    ASSERT_TRUE(send->isEnabled());
    const QStringList panels = window->statusPanels()->panelTexts();
    inPortSelection([&](app::PortSelection& dialog) {
        auto* stop = child<QPushButton>(dialog, "StopSearch");
        auto* bar = child<QProgressBar>(dialog, "SearchProgress");
        auto* autodetect = child<QPushButton>(dialog, "Autodetect");
        EXPECT_FALSE(stop->isEnabled());
        std::vector<int> steps;
        std::vector<bool> stopEnabled;
        QString line;
        QObject::connect(bar, &QProgressBar::valueChanged, &dialog, [&](int step) {
            steps.push_back(step);
            stopEnabled.push_back(stop->isEnabled() && !autodetect->isEnabled());
            if (step == 2) {
                line = child<QLabel>(dialog, "DetectedPrinter")->text();
                QTimer::singleShot(0, stop, &QPushButton::click);
            }
        });
        autodetect->click();
        awaitDetection(dialog);
        EXPECT_EQ(steps, (std::vector<int>{1, 2}));
        EXPECT_EQ(stopEnabled, (std::vector<bool>{true, true}));
        EXPECT_EQ(line, "Attempting to contact printer on COM 1 at 115200 bauds.");
        // Stopped: not "No printer found", which would say the ports were all tried.
        EXPECT_EQ(child<QLabel>(dialog, "DetectedPrinter")->text(), "Detection stopped.");
        EXPECT_FALSE(stop->isEnabled());
        EXPECT_TRUE(autodetect->isEnabled());
        EXPECT_EQ(bar->text(), "");
        EXPECT_TRUE(dialog.isVisible());
    });
    EXPECT_TRUE(send->isEnabled());
    EXPECT_EQ(window->statusPanels()->panelTexts(), panels);
}

} // namespace
} // namespace tessaro::test
