// SPDX-License-Identifier: GPL-3.0-or-later
// The window goes on while a network printer is connected to: a connect that is never
// answered (a loopback listener whose backlog is full) and a name lookup that hangs keep it
// handling its events, and Stop ends either at once.

#include "PortSelectionFixture.h"
#include "support/FullBacklogListener.h"
#include "support/HangingResolver.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

// The window handles its events at least every 100 ms and Stop ends a detection within 100 ms.
// A sanitizer's build runs every instruction several times slower: there the bound only shows
// that the window goes on and Stop is seen at all, not how fast.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr qint64 kBoundMs = 500;
#else
constexpr qint64 kBoundMs = 100;
#endif

class ResponsiveWindowTest : public PortSelectionFixture {
  protected:
    struct Measured {
        qint64 longestGapMs = 0;     // between two ticks of a 5 ms timer of the window's thread
        qint64 stopToEndMs = -1;     // from the click on Stop to the end of the detection
        QString result;              // the "Current printer" line afterwards
        bool stillOpen = false;      // the port selection window afterwards
        bool busyBeforeStop = false; // the pointer, as Stop was clicked
        bool busyAfter = true;       // the pointer, once the detection ended
    };

    // Detects the network printer at address, clicks Stop (or with escape, presses Escape)
    // after stopAfterMs.
    Measured detectAndStop(const QString& address, int stopAfterMs, bool escape = false) {
        Measured measured;
        inPortSelection([&](app::PortSelection& dialog) {
            child<QRadioButton>(dialog, "NetworkPrinter")->setChecked(true);
            child<QLineEdit>(dialog, "NetworkAddress")->setText(address);
            QElapsedTimer clock;
            QTimer tick;
            tick.setTimerType(Qt::PreciseTimer);
            qint64 last = 0;
            QObject::connect(&tick, &QTimer::timeout, [&] {
                const qint64 now = clock.elapsed();
                measured.longestGapMs = std::max(measured.longestGapMs, now - last);
                last = now;
            });
            qint64 stoppedAt = -1;
            QTimer::singleShot(stopAfterMs, &dialog, [&] {
                stoppedAt = clock.elapsed();
                measured.busyBeforeStop =
                    QGuiApplication::overrideCursor() != nullptr &&
                    QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
                if (escape) {
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                } else {
                    child<QPushButton>(dialog, "StopSearch")->click();
                }
            });
            clock.start();
            tick.start(5);
            child<QPushButton>(dialog, "DetectUsbNetworkPrinter")->click();
            awaitDetection(dialog);
            const qint64 end = clock.elapsed();
            tick.stop();
            measured.longestGapMs = std::max(measured.longestGapMs, end - last);
            if (stoppedAt >= 0) {
                measured.stopToEndMs = end - stoppedAt;
            }
            measured.result = child<QLabel>(dialog, "DetectedPrinter")->text();
            measured.stillOpen = dialog.isVisible();
            measured.busyAfter = QGuiApplication::overrideCursor() != nullptr;
        });
        return measured;
    }
};

// Escape does what Stop does while a detection runs, and leaves the window open.
TEST_F(ResponsiveWindowTest, AConnectNeverAnsweredKeepsTheWindowGoingAndStopOrEscapeEndsIt) {
    FullBacklogListener silent;
    openWindow({});
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Stop");
        const Measured measured =
            detectAndStop(QString("127.0.0.1:%1").arg(silent.port()), escape ? 300 : 1000, escape);
        ASSERT_GE(measured.stopToEndMs, 0) << "the detection ended before it was stopped";
        EXPECT_LE(measured.stopToEndMs, kBoundMs);
        EXPECT_EQ(measured.result, "Detection stopped.");
        if (escape) {
            EXPECT_TRUE(measured.stillOpen);
        } else {
            EXPECT_LE(measured.longestGapMs, kBoundMs);
        }
    }
    EXPECT_TRUE(script.texts().empty()) << "a stopped connect is no failure to report";
}

// Stop ends a hanging name lookup at once; without Stop, the whole connect, name lookup
// included, gives up after 3 s. The pointer is busy while the window waits for the printer,
// not over the message that says why it gave up, nor afterwards.
TEST_F(ResponsiveWindowTest, AHangingNameLookupKeepsTheWindowGoingAndEndsAtStopOrTheBound) {
    const auto nameServer = std::make_shared<HangingResolver>();
    openWindow({}, {}, [nameServer](worker::WorkerLink& printer) {
        printer.link().setNameResolver(nameServer);
    });
    const Measured stopped = detectAndStop("printer.example", 1000);
    EXPECT_EQ(nameServer->calls(), 1);
    EXPECT_LE(stopped.longestGapMs, kBoundMs);
    ASSERT_GE(stopped.stopToEndMs, 0) << "the detection ended before Stop was clicked";
    EXPECT_LE(stopped.stopToEndMs, kBoundMs);
    EXPECT_EQ(stopped.result, "Detection stopped.");
    EXPECT_TRUE(stopped.busyBeforeStop);
    EXPECT_FALSE(stopped.busyAfter);

    script.answers.push_back(QMessageBox::Ok);
    QElapsedTimer took;
    took.start();
    const Measured bounded = detectAndStop("printer.example", 60'000);
    EXPECT_LT(took.elapsed(), 5000);
    EXPECT_LE(bounded.longestGapMs, kBoundMs);
    EXPECT_EQ(bounded.result, "printer.example:9100: no answer within 3 s");
    ASSERT_EQ(script.boxes.size(), 1U);
    EXPECT_FALSE(script.boxes[0].busyPointer);
    EXPECT_FALSE(bounded.busyAfter);
    EXPECT_TRUE(nameServer->releaseAll());
}

// Closing the main window while a detection waits on a connect nobody answers stops the
// detection: the window closes within 1 s and its worker is joined, the time spent asleep,
// not in a loop.
TEST_F(ResponsiveWindowTest, ClosingDuringADetectionStopsItAndClosesAtOnce) {
    FullBacklogListener silent;
    openWindow({});
    window->DetectPrinter_Click();
    QPointer<app::PortSelection> dialog;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        dialog = window->findChild<app::PortSelection*>();
        return dialog && dialog->isVisible();
    }));
    child<QRadioButton>(*dialog, "NetworkPrinter")->setChecked(true);
    child<QLineEdit>(*dialog, "NetworkAddress")
        ->setText(QString("127.0.0.1:%1").arg(silent.port()));
    child<QPushButton>(*dialog, "DetectUsbNetworkPrinter")->click();
    ASSERT_TRUE(dialog->running());
    // The detection's port is the window's until it ends: the station does not start on it.
    const auto address = link::PortRef::network("127.0.0.1:" + std::to_string(silent.port()));
    EXPECT_TRUE(window->portsInUse().firstOf({address}));

    QElapsedTimer took;
    took.start();
    const std::clock_t cpuBefore = std::clock();
    EXPECT_FALSE(window->close()); // held until the detection has ended
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 1000));
    window.reset(); // the worker's thread is joined
    const qint64 elapsedMs = took.elapsed();
    const double cpuMs = 1000.0 * double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    EXPECT_LT(elapsedMs, 1000);
    EXPECT_LT(cpuMs, double(elapsedMs) / 2 + 50) << "the wait spun";
    EXPECT_TRUE(script.texts().empty()) << "a stopped connect is no failure to report";
}

} // namespace
} // namespace tessaro::test
