// SPDX-License-Identifier: GPL-3.0-or-later
// The window with its real printer side, against the virtual printer process on a
// pseudo-terminal: detection through the port selection window, a transmission, and a close
// asked for while the transmission waits for the printer.

#include "PortSelectionFixture.h"
#include "app/StatusPanelBar.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>

namespace tessaro::test {
namespace {

using namespace std::chrono_literals;
using ::testing::Contains;
using ::testing::HasSubstr;

// Detected on COM1 through the port selection window, clicking as a user would.
class PrinterSideTest : public PortSelectionFixture {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(startSim({}));
        openWindow({{"TESSARO_COM1", device}});
        inPortSelection([](app::PortSelection& dialog) {
            child<QRadioButton>(dialog, "COM1")->setChecked(true);
            child<QPushButton>(dialog, "DetectSerialPrinter")->click();
        });
    }
};

TEST_F(PrinterSideTest, DetectThenSendStoresTheChangeInThePrinter) {
    EXPECT_THAT(script.texts(), Contains(QString("R62 VIRTUAL PRN found on COM 1 at 9600 bauds")));
    EXPECT_TRUE(window->findChild<QPushButton*>("SetToPrinterButton")->isEnabled());
    // A printer in order leaves the status bar's last panel empty.
    EXPECT_EQ(window->statusPanels()->panelTexts().back(), "");

    window->workspace().setSlider(workspace::controlId("SliderMaxcurrent"), 7,
                                  workspace::ChangeSource::User);
    script.answers.push_back(QMessageBox::Yes);
    window->SetToPrinterButton_Click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isBusy(); }));
    EXPECT_EQ(script.texts().back(), "Saving Sequence Successful !");
    EXPECT_TRUE(sim->waitFor("ESC s  save -> 00", 2s));
    EXPECT_THAT(sim->output(), HasSubstr("GS / 07"));
}

// A printer that reports a fault is shown as such in the status bar, as the command line
// warns of it; it is found, and may be sent to.
TEST_F(PortSelectionFixture, APrinterReportingAFaultIsShownAsSuch) {
    ASSERT_NO_FATAL_FAILURE(startSim({"--status", "0xA6"})); // head up, no paper
    openWindow({{"TESSARO_COM1", device}});
    inPortSelection([](app::PortSelection& dialog) {
        child<QRadioButton>(dialog, "COM1")->setChecked(true);
        child<QPushButton>(dialog, "DetectSerialPrinter")->click();
    });
    EXPECT_THAT(script.texts(), Contains(QString("R62 VIRTUAL PRN found on COM 1 at 9600 bauds")));
    EXPECT_EQ(window->statusPanels()->panelTexts().back(),
              "The printer on COM 1 reports a fault: Head Up, No Paper");
    EXPECT_TRUE(window->findChild<QPushButton*>("SetToPrinterButton")->isEnabled());
}

TEST_F(PrinterSideTest, ClosingDuringATransmissionWaitsForItsEnd) {
    script.answers.push_back(QMessageBox::Yes); // send
    script.answers.push_back(QMessageBox::No);  // then: save changes before closing?
    window->workspace().setSlider(workspace::controlId("SliderMaxcurrent"), 3,
                                  workspace::ChangeSource::User);
    bool closedDuringSend = false;
    QTimer::singleShot(200, [&] { closedDuringSend = !window->close() && window->isVisible(); });
    window->SetToPrinterButton_Click();
    // The held-back close is carried out once the transmission has ended.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 4000));
    EXPECT_TRUE(closedDuringSend);
    // The transmission ended before the window asked about its changes.
    const auto texts = script.texts();
    ASSERT_GE(texts.size(), 2U);
    EXPECT_EQ(texts[texts.size() - 2], "Saving Sequence Successful !");
    EXPECT_EQ(texts.back(), "Do you want to save changes before closing?");
}

} // namespace
} // namespace tessaro::test
