// SPDX-License-Identifier: GPL-3.0-or-later
// The port selection window opens on the port, speed and handshake of the last detection run
// from it, in this run and the next.

#include "PortSelectionFixture.h"
#include "app/DisplayText.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <gmock/gmock.h>
#include <ostream>

namespace tessaro::test {
namespace {

// What the window shows: the checked port, the speed, the handshake and the network address.
struct Shown {
    QString port;
    QString speed;
    QString handshake;
    QString address;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << shown.port.toStdString() << " " << shown.speed.toStdString() << " "
         << shown.handshake.toStdString() << " '" << shown.address.toStdString() << "'";
}

class PortMemoryTest : public PortSelectionFixture {
  protected:
    QString settingsFile() const { return app::fromPath(dir / "Tessaro.conf"); }

    static Shown shown(app::PortSelection& dialog) {
        Shown seen;
        for (QRadioButton* option : dialog.findChildren<QRadioButton*>()) {
            if (option->isChecked()) {
                seen.port = option->objectName();
            }
        }
        seen.speed = child<QComboBox>(dialog, "serialspeed")->currentText();
        seen.handshake = child<QComboBox>(dialog, "serialhandshakeconf")->currentText();
        seen.address = child<QLineEdit>(dialog, "NetworkAddress")->text();
        return seen;
    }

    // A window of a new run with this settings file opens the port selection on what it shows.
    Shown shownInANewRun(const std::string& settings,
                         const std::map<std::string, std::string>& ports = {}) {
        if (!settings.empty()) {
            dir.write("Tessaro.conf", settings);
        }
        closeWindow();
        openWindow(ports, settingsFile());
        Shown seen;
        inPortSelection([&](app::PortSelection& dialog) { seen = shown(dialog); });
        return seen;
    }

    TempDir dir;
};

TEST_F(PortMemoryTest, TheNextRunOpensOnThePortAndSpeedOfTheLastDetection) {
    ASSERT_NO_FATAL_FAILURE(startSim({}));
    openWindow({{"TESSARO_COM2", device}}, settingsFile());
    Shown detected;
    inPortSelection([&](app::PortSelection& dialog) {
        child<QRadioButton>(dialog, "COM2")->setChecked(true);
        child<QComboBox>(dialog, "serialspeed")->setCurrentText("19200");
        child<QPushButton>(dialog, "DetectSerialPrinter")->click();
        detected = shown(dialog);
    });
    EXPECT_EQ(detected.port, "COM2");
    EXPECT_EQ(detected.speed, "19200");
    EXPECT_EQ(shownInANewRun({}, {{"TESSARO_COM2", device}}), detected);
}

// A port that has gone since, or a file that makes no sense, leaves the port unchecked.
TEST_F(PortMemoryTest, WhatTheFileSaysIsShownWhereItStillMakesSense) {
    const Shown factory{"", "9600", "DSR/DTR Mode", ""};
    const std::vector<std::pair<std::string, Shown>> cases = {
        {"name=USB3\nspeed=4800\nhandshake=xonxoff", {"USB3", "4800", "Xon-Xoff", ""}},
        {"name=tcp://printer.example:9101\nspeed=57600\nhandshake=hardware",
         {"NetworkPrinter", "57600", "DSR/DTR Mode", "printer.example:9101"}},
        {"name=COM5\nspeed=9600\nhandshake=hardware", factory},
        {"name=NetworkPrinter\nspeed=fast\nhandshake=maybe", factory},
        {"name=tcp://", factory},
        {"name=rfc2217://printer.example", factory}, // a serial server has no usual port
    };
    for (const auto& [settings, expected] : cases) {
        EXPECT_EQ(shownInANewRun("[port]\n" + settings + "\n", {{"TESSARO_USB3", "/dev/null"}}),
                  expected)
            << settings;
    }
}

// A detection refused for want of a port chose nothing; opening and closing writes nothing.
TEST_F(PortMemoryTest, NothingIsRememberedWithoutADetectionOnAChosenPort) {
    openWindow({}, settingsFile());
    inPortSelection([&](app::PortSelection& dialog) {
        child<QRadioButton>(dialog, "NetworkPrinter")->setChecked(true);
        child<QPushButton>(dialog, "DetectSerialPrinter")->click();
        child<QPushButton>(dialog, "DetectParallelPrinter")->click();
    });
    EXPECT_EQ(script.texts(), (std::vector<QString>{"You must select a serial port",
                                                    "You must select a parallel port"}));
    EXPECT_FALSE(std::filesystem::exists(dir / "Tessaro.conf"));
}

} // namespace
} // namespace tessaro::test
