// SPDX-License-Identifier: GPL-3.0-or-later
// The real window in German, as a user meets the printer side's failures: a silent printer on
// a serial port, a network printer that refuses the connection, a port whose device is gone,
// an automatic search that finds nothing. What the boxes, the result line and the status bar
// say is German, with the port names as they are.

#include "PortSelectionFixture.h"
#include "app/StatusPanelBar.h"
#include "app/Translations.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tessaro::test {
namespace {

// A local TCP port nobody listens on: bound, then let go.
int closedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                       ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    ::close(fd);
    return bound ? ntohs(address.sin_port) : 0;
}

// Words of the printer side's English sentences that no German one holds.
constexpr std::array kEnglish{"No printer",     "No Printer",      "found",      "refused",
                              "does not exist", "no such",         "Attempting", "any speed",
                              "bauds",          "automatic search"};

class GermanWindowTest : public PortSelectionFixture {
  protected:
    // Everything the window said: the boxes, the result line, the status bar.
    QStringList shown() const {
        QStringList all;
        for (const QString& box : script.texts()) {
            all << box;
        }
        all << window->feedback().detectionResult() << window->statusPanels()->panelTexts();
        return all;
    }

    void expectGerman() const {
        const QStringList all = shown();
        ASSERT_FALSE(all.join(QString()).trimmed().isEmpty());
        for (const QString& text : all) {
            for (const char* english : kEnglish) {
                EXPECT_FALSE(text.contains(QLatin1String(english))) << text.toStdString();
            }
        }
    }

    app::Translations german{QStringList{QStringLiteral("de")}};
};

TEST_F(GermanWindowTest, ASilentPrinterOnASerialPort) {
    ASSERT_NO_FATAL_FAILURE(startSim({"--silent"}));
    openWindow({{"TESSARO_COM1", device}});
    inPortSelection([&](app::PortSelection& dialog) {
        child<QRadioButton>(dialog, "COM1")->setChecked(true);
        child<QPushButton>(dialog, "DetectSerialPrinter")->click();
    });
    expectGerman();
    EXPECT_EQ(window->feedback().detectionResult(), "Kein Drucker an COM 1 mit 9600 Baud gefunden");
}

TEST_F(GermanWindowTest, ANetworkPrinterThatRefusesTheConnection) {
    const int port = closedPort();
    ASSERT_NE(port, 0);
    const QString address = QStringLiteral("127.0.0.1:%1").arg(port);
    openWindow({});
    inPortSelection([&](app::PortSelection& dialog) {
        QTest::keyClicks(child<QLineEdit>(dialog, "NetworkAddress"), address);
        QTest::keyClick(child<QLineEdit>(dialog, "NetworkAddress"), Qt::Key_Return);
    });
    expectGerman();
    ASSERT_FALSE(script.texts().empty());
    EXPECT_TRUE(script.texts().front().startsWith(address + ": "))
        << script.texts().front().toStdString();
}

TEST_F(GermanWindowTest, APortWhoseDeviceIsGone) {
    openWindow({{"TESSARO_COM1", "/nonexistent/ttyUSB9"}});
    inPortSelection([&](app::PortSelection& dialog) {
        child<QRadioButton>(dialog, "COM1")->setChecked(true);
        child<QPushButton>(dialog, "DetectSerialPrinter")->click();
    });
    expectGerman();
    ASSERT_FALSE(script.texts().empty());
    EXPECT_TRUE(script.texts().front().contains(QStringLiteral("/nonexistent/ttyUSB9")));
}

TEST_F(GermanWindowTest, AnAutomaticSearchThatFindsNothing) {
    openWindow({});
    inPortSelection(
        [&](app::PortSelection& dialog) { child<QPushButton>(dialog, "Autodetect")->click(); });
    expectGerman();
}

} // namespace
} // namespace tessaro::test
