// SPDX-License-Identifier: GPL-3.0-or-later
// The port selection window's "USB and network" group with its real printer side, against the
// virtual printer process: on a pseudo-terminal mapped as USB 1, and on raw TCP on the
// loopback interface.

#include "PortSelectionFixture.h"

#include <QApplication>
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
    window->setStationPorts({"USB1"});
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

TEST_F(UsbNetworkPortsTest, NoPortOrNoAddressIsSaidAndNothingIsProbed) {
    openWindow({});
    inPortSelection([&](app::PortSelection& dialog) {
        auto* detect = child<QPushButton>(dialog, "DetectUsbNetworkPrinter");
        detect->click();
        child<QRadioButton>(dialog, "NetworkPrinter")->setChecked(true);
        child<QLineEdit>(dialog, "NetworkAddress")->setText("   ");
        detect->click();
        EXPECT_EQ(child<QLabel>(dialog, "DetectedPrinter")->text(),
                  "No printer found yet, please start detection.");
    });
    EXPECT_THAT(script.texts(),
                ElementsAre("You must select a USB port or a network printer",
                            "Enter the network printer's address (host or host:port)."));
    EXPECT_EQ(script.boxes.at(0).icon, QMessageBox::Critical);
    EXPECT_EQ(script.boxes.at(1).icon, QMessageBox::Warning);
    EXPECT_EQ(window->feedback().detectionResult(), "");
}

} // namespace
} // namespace tessaro::test

namespace tessaro::test {
namespace {

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
