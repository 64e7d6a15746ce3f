// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window with its production station open on virtual printers: each printer a
// tessaro-printer-sim on a pseudo-terminal, put on COM1.. through TESSARO_COMn (every other
// port absent while the test runs), and the station's window driven through its widgets.

#include "WindowFixture.h"
#include "app/station/AlertSound.h"
#include "app/station/StationTile.h"
#include "app/station/StationWindow.h"
#include "support/SimProcess.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>
#include <optional>

namespace tessaro::test {

inline const std::string kStationProfile = "[Setup and hardware control]\r\nSliderMaxcurrent=9\r\n";

// The port variables set while this lives, and put back as they were after.
class PortEnvironment {
  public:
    explicit PortEnvironment(const std::vector<std::string>& comDevices) {
        for (const char* family : {"COM", "USB", "LPT"}) {
            for (int n = 1; n <= 6; ++n) {
                const std::string name = "TESSARO_" + std::string(family) + std::to_string(n);
                const std::size_t index = static_cast<std::size_t>(n - 1);
                set(name, family == std::string("COM") && index < comDevices.size()
                              ? comDevices[index]
                              : "");
            }
        }
    }
    ~PortEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                qputenv(name.c_str(), QByteArray::fromStdString(*value));
            } else {
                qunsetenv(name.c_str());
            }
        }
    }
    PortEnvironment(const PortEnvironment&) = delete;
    PortEnvironment& operator=(const PortEnvironment&) = delete;

  private:
    void set(const std::string& name, const std::string& value) {
        saved_[name] = qEnvironmentVariableIsSet(name.c_str())
                           ? std::optional(qgetenv(name.c_str()).toStdString())
                           : std::nullopt;
        qputenv(name.c_str(), QByteArray::fromStdString(value));
    }

    std::map<std::string, std::optional<std::string>> saved_;
};

// A virtual printer for a station port, with options.
inline std::unique_ptr<SimProcess> virtualPrinter(std::vector<std::string> options) {
    options.insert(options.end(), {"--time-limit", "60"});
    return std::make_unique<SimProcess>(std::move(options));
}

class StationFixture : public WindowFixture {
  protected:
    static constexpr int kWaitMs = 30000;

    // Opens the station window as a user does (Ctrl+P) with the devices on COM1...
    void open(const std::vector<std::string>& devices) {
        ports = std::make_unique<PortEnvironment>(devices);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
        station = window->stationWindow();
        ASSERT_NE(station, nullptr);
        station->setAlertSound(nullptr); // a test makes no sound; one that counts sets its own
        ASSERT_TRUE(QTest::qWaitForWindowExposed(station));
    }

    template <typename W = QWidget> W* part(const char* name) const {
        W* found = station->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // The profile file, the log and the ports (COM1...) chosen as a user chooses them.
    void choose(const std::vector<std::string>& comPorts, bool repeat = false) {
        profile = dir.write("job.pcf", kStationProfile);
        auto* file = part<QLineEdit>("profileFile");
        file->clear();
        QTest::keyClicks(file, app::fromPath(profile));
        QTest::keyClick(file, Qt::Key_Return);
        auto* logFile = part<QLineEdit>("logFile");
        logFile->clear();
        QTest::keyClicks(logFile, app::fromPath(log));
        for (const std::string& port : comPorts) {
            toggle(part<QCheckBox>(("port_" + port).c_str()));
        }
        if (repeat != part<QCheckBox>("repeat")->isChecked()) {
            toggle(part<QCheckBox>("repeat"));
        }
    }

    // As from the keyboard: a click must land on the box's caption, which a wide box may not
    // fill.
    static void toggle(QCheckBox* box) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
    }

    void click(const char* button) const {
        auto* found = part<QPushButton>(button);
        ASSERT_TRUE(found->isEnabled()) << button;
        QTest::mouseClick(found, Qt::LeftButton);
    }

    app::StationTile* tile(int n) const {
        return part<app::StationTile>(("stationTile" + std::to_string(n)).c_str());
    }

    bool ended() const { return !station->running(); }

    std::filesystem::path profile;
    std::filesystem::path log = dir / "audit.jsonl";
    std::unique_ptr<PortEnvironment> ports;
    QPointer<app::StationWindow> station;
};

} // namespace tessaro::test
