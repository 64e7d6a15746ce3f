// SPDX-License-Identifier: GPL-3.0-or-later
// The port selection window's "USB and network" group and its serial server with their real
// printer side, against the virtual printer process: on a pseudo-terminal mapped as USB 1, on
// raw TCP on the loopback interface, and behind ser2net on the loopback interface.

#include "PortSelectionFixture.h"
#include "support/Ser2netProcess.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using ::testing::ElementsAre;

class UsbNetworkPortsTest : public PortSelectionFixture {};

TEST_F(UsbNetworkPortsTest, AUsbPrinterIsFoundWithTheGroupsDetectButton) {
    ASSERT_NO_FATAL_FAILURE(startSim({"--usb"}));
    openWindow({{"TESSARO_USB1", device}});
    inPortSelection([&](app::PortSelection& dialog) {
        EXPECT_EQ(child<QGroupBox>(dialog, "FrameUsbNetwork")->title(), "USB and network");
        auto* usb1 = child<QRadioButton>(dialog, "USB1");
        EXPECT_EQ(usb1->text(), "USB 1 (" + QString::fromStdString(device).section('/', -1) + ")");
        EXPECT_EQ(usb1->toolTip(), QString::fromStdString(device));
        EXPECT_TRUE(usb1->isEnabled());
        for (const char* absent : {"USB2", "USB3", "USB4"}) {
            EXPECT_FALSE(child<QRadioButton>(dialog, absent)->isEnabled()) << absent;
        }
        EXPECT_TRUE(child<QRadioButton>(dialog, "NetworkPrinter")->isEnabled());
        usb1->setChecked(true);
        child<QPushButton>(dialog, "DetectUsbNetworkPrinter")->click();
    });
    EXPECT_EQ(window->feedback().detectionResult(), "R62 VIRTUAL PRN found on USB 1");
    EXPECT_TRUE(window->findChild<QPushButton*>("SetToPrinterButton")->isEnabled());
}

// Neither the port nor the automatic search, which would reach every port, is offered.
TEST_F(UsbNetworkPortsTest, APortTheStationHoldsCannotBeChosen) {
    ASSERT_NO_FATAL_FAILURE(startSim({"--usb"}));
    openWindow({{"TESSARO_USB1", device}});
    window->setStationPorts({link::PortRef::numbered(link::LinkKind::Usb, 1)});
    inPortSelection([&](app::PortSelection& dialog) {
        EXPECT_FALSE(child<QRadioButton>(dialog, "USB1")->isEnabled());
        EXPECT_FALSE(child<QPushButton>(dialog, "Autodetect")->isEnabled());
        dialog.setDetectionButtonsEnabled(true); // as a detection on another port ends
        EXPECT_FALSE(child<QPushButton>(dialog, "Autodetect")->isEnabled());
    });
    window->setStationPorts({});
    inPortSelection([&](app::PortSelection& dialog) {
        EXPECT_TRUE(child<QRadioButton>(dialog, "USB1")->isEnabled());
        EXPECT_TRUE(child<QPushButton>(dialog, "Autodetect")->isEnabled());
    });
}

TEST_F(UsbNetworkPortsTest, TheSearchChecksTheUsbPortItFoundThePrinterOn) {
    ASSERT_NO_FATAL_FAILURE(startSim({"--usb"}));
    openWindow({{"TESSARO_USB2", device}});
    inPortSelection([&](app::PortSelection& dialog) {
        child<QPushButton>(dialog, "Autodetect")->click();
        awaitDetection(dialog);
        EXPECT_TRUE(child<QRadioButton>(dialog, "USB2")->isChecked());
    });
    EXPECT_EQ(window->feedback().detectionResult(), "R62 VIRTUAL PRN found on USB 2");
}

TEST_F(UsbNetworkPortsTest, ATypedAddressDetectsTheNetworkPrinterOnReturnAndIsKept) {
    ASSERT_NO_FATAL_FAILURE(startSim({"--tcp", "127.0.0.1:0"}));
    const QString address = QString::fromStdString(device);
    openWindow({});
    inPortSelection([&](app::PortSelection& dialog) {
        auto* field = child<QLineEdit>(dialog, "NetworkAddress");
        EXPECT_EQ(field->accessibleName(), "Network printer address");
        QTest::keyClicks(field, " " + address);
        EXPECT_TRUE(child<QRadioButton>(dialog, "NetworkPrinter")->isChecked());
        QTest::keyClick(field, Qt::Key_Return);
    });
    EXPECT_EQ(window->feedback().detectionResult(), "R62 VIRTUAL PRN found on " + address);
    // The next opening offers the printer found.
    inPortSelection([&](app::PortSelection& dialog) {
        EXPECT_EQ(child<QLineEdit>(dialog, "NetworkAddress")->text(), address);
    });
}

// The serial server's address names no port: its text is selected for the user to mend.
TEST_F(UsbNetworkPortsTest, NoPortOrNoAddressIsSaidAndNothingIsProbed) {
    openWindow({});
    inPortSelection([&](app::PortSelection& dialog) {
        auto* detect = child<QPushButton>(dialog, "DetectUsbNetworkPrinter");
        detect->click();
        child<QRadioButton>(dialog, "NetworkPrinter")->setChecked(true);
        child<QLineEdit>(dialog, "NetworkAddress")->setText("   ");
        detect->click();
        child<QRadioButton>(dialog, "SerialServer")->setChecked(true);
        child<QPushButton>(dialog, "DetectSerialPrinter")->click();
        auto* server = child<QLineEdit>(dialog, "SerialServerAddress");
        QTest::keyClicks(server, "printers.example");
        child<QRadioButton>(dialog, "NetworkPrinter")->setChecked(true);
        QTest::keyClick(server, Qt::Key_Return); // the serial server's, not the checked option's
        EXPECT_TRUE(child<QRadioButton>(dialog, "SerialServer")->isChecked());
        EXPECT_EQ(server->selectedText(), "printers.example");
        EXPECT_EQ(child<QLabel>(dialog, "DetectedPrinter")->text(),
                  "No printer found yet, please start detection.");
    });
    EXPECT_THAT(script.texts(),
                ElementsAre("You must select a USB port or a network printer",
                            "Enter the network printer's address (host or host:port).",
                            "Enter the serial server's address (host:port).",
                            "Not a serial server's address: \"printers.example\". Enter it as "
                            "host:port, an IPv6 host in brackets ([::1]:2001)."));
    EXPECT_EQ(script.boxes.at(0).icon, QMessageBox::Critical);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(script.boxes.at(i).icon, QMessageBox::Warning) << i;
    }
    EXPECT_EQ(window->feedback().detectionResult(), "");
}

// The speed and handshake of the serial frame are set on the server's line: the printer runs
// at 19200 bauds, the server's line starts at 9600. What is typed while the detection runs
// does not change the port remembered; the window's commands then reach the printer.
TEST_F(UsbNetworkPortsTest, APrinterOnASerialServerIsDetectedAtTheChosenSpeedAndKept) {
    if (!Ser2netProcess::installed()) {
        GTEST_SKIP() << Ser2netProcess::kProgram << " is not installed (scripts/setup installs it)";
    }
    ASSERT_NO_FATAL_FAILURE(startSim({"--speed", "19200"}));
    Ser2netProcess server(device);
    ASSERT_TRUE(server.listening()) << server.log();
    const QString address = QString::fromStdString(server.address());
    const QString port = "rfc2217://" + address;
    openWindow({});
    bool typedWhileRunning = false;
    inPortSelection([&](app::PortSelection& dialog) {
        QTest::keyClicks(child<QLineEdit>(dialog, "SerialServerAddress"), address);
        EXPECT_TRUE(child<QRadioButton>(dialog, "SerialServer")->isChecked());
        child<QComboBox>(dialog, "serialspeed")->setCurrentText("19200");
        auto* detect = child<QPushButton>(dialog, "DetectSerialPrinter");
        QTimer::singleShot(0, &dialog, [&] {
            typedWhileRunning = !detect->isEnabled();
            QTest::keyClicks(child<QLineEdit>(dialog, "NetworkAddress"), "printer.example");
        });
        detect->click();
        awaitDetection(dialog);
    });
    EXPECT_TRUE(typedWhileRunning);
    EXPECT_EQ(window->feedback().detectionResult(),
              "R62 VIRTUAL PRN found on " + port + " at 19200 bauds");
    ASSERT_TRUE(window->remembered().port());
    EXPECT_EQ(QString::fromStdString(window->remembered().port()->port.text()), port);
    EXPECT_EQ(window->remembered().port()->speed, "19200");
    // The window's commands go the same way.
    window->workspace().setSlider(workspace::controlId("SliderMaxcurrent"), 7,
                                  workspace::ChangeSource::User);
    script.answers.push_back(QMessageBox::Yes);
    window->SetToPrinterButton_Click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isBusy(); }));
    EXPECT_EQ(script.texts().back(), "Saving Sequence Successful !");
    inPortSelection([&](app::PortSelection& dialog) {
        EXPECT_TRUE(child<QRadioButton>(dialog, "SerialServer")->isChecked());
        EXPECT_EQ(child<QLineEdit>(dialog, "SerialServerAddress")->text(), address);
        EXPECT_EQ(child<QComboBox>(dialog, "serialspeed")->currentText(), "19200");
    });
}

// With LPT1 unmapped and the virtual printer on LPT2, the window offers LPT2 alone.
TEST_F(UsbNetworkPortsTest, OnlyTheLptThatExistsIsOffered) {
    openWindow({{"TESSARO_LPT2", "virtual"}});
    inPortSelection([&](app::PortSelection& dialog) {
        EXPECT_FALSE(child<QRadioButton>(dialog, "LPT1")->isEnabled());
        EXPECT_TRUE(child<QRadioButton>(dialog, "LPT2")->isEnabled());
    });
}

} // namespace
} // namespace tessaro::test
