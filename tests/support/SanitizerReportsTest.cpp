// SPDX-License-Identifier: GPL-3.0-or-later
// ThreadSanitizer's reports read back: only a race made inside Qt or glib alone is set aside.
// The reports are as ThreadSanitizer wrote them in this project's tests, shortened.

#include "support/SanitizerReports.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

// QtGui's image scaling: a task made on the main thread, deleted on a thread of the pool.
const std::string kQtGuiPool = R"(WARNING: ThreadSanitizer: data race (pid=13200)
  Write of size 8 at 0x7b08000019c0 by thread T2:
    #0 operator delete(void*, unsigned long) ../../../../src/libsanitizer/tsan/tsan_new_delete.cpp:150 (libtsan.so.2+0x86c3d)
    #1 <null> <null> (libQt6Gui.so.6+0x533fed)

  Previous write of size 8 at 0x7b08000019c0 by main thread:
    #0 operator new(unsigned long) ../../../../src/libsanitizer/tsan/tsan_new_delete.cpp:64 (libtsan.so.2+0x87323)
    #1 <null> <null> (libQt6Gui.so.6+0x51ff7d)
    #2 tessaro::app::PrinterDrawing::draw(QPainter&, QRectF const&, int) /work/src/app/PrinterDrawing.cpp:24 (tessaro_app_tests+0x1295da)

  Thread T2 'Thread (pooled)' (tid=13204, running) created by main thread at:
    #0 pthread_create ../../../../src/libsanitizer/tsan/tsan_interceptors_posix.cpp:1001 (libtsan.so.2+0x5e686)
    #1 QThread::start(QThread::Priority) <null> (libQt6Core.so.6+0x2540e3)
    #2 tessaro::app::PrinterDrawing::draw(QPainter&, QRectF const&, int) /work/src/app/PrinterDrawing.cpp:24 (tessaro_app_tests+0x1295da)

SUMMARY: ThreadSanitizer: data race ../../../../src/libsanitizer/tsan/tsan_new_delete.cpp:150 in operator delete(void*, unsigned long)
)";

// A thread of ours writes what the main thread reads.
const std::string kOurs = R"(WARNING: ThreadSanitizer: data race (pid=3556)
  Read of size 4 at 0x7ffc155c4fa0 by main thread:
    #0 main /work/tests/racy.cpp:28 (racy+0x7a9b)

  Previous write of size 4 at 0x7ffc155c4fa0 by thread T1:
    #0 operator() /work/tests/racy.cpp:26 (racy+0x4b8e)
    #1 __invoke_impl<void, main(int, char**)::<lambda()> > /usr/include/c++/12/bits/invoke.h:61 (racy+0x4b8e)
    #2 QThreadCreateThread::run() /usr/include/x86_64-linux-gnu/qt6/QtCore/qthread.h:129 (racy+0x4b8e)
    #3 <null> <null> (libQt6Core.so.6+0x2540e3)

SUMMARY: ThreadSanitizer: data race /work/tests/racy.cpp:28 in main
)";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

// Set aside: a race made inside Qt alone, under a lock too; Qt's template code compiled into
// our program and called by Qt; beside a thread of Qt's own pool, a lost stack. A fault: any
// access of ours, also through an allocation or the standard library's template code; a
// library not listed; a lost stack beside any other thread, which may be ours; a report of
// another kind.
TEST(SanitizerReports, OnlyARaceMadeInsideTheListedLibrariesAloneIsSetAside) {
    const std::string qtFrame = "    #1 <null> <null> (libQt6Gui.so.6+0x533fed)\n";
    const std::string lost =
        replaced(kQtGuiPool,
                 "    #0 operator new(unsigned long) ../../../../src/libsanitizer/tsan/"
                 "tsan_new_delete.cpp:64 (libtsan.so.2+0x87323)\n"
                 "    #1 <null> <null> (libQt6Gui.so.6+0x51ff7d)\n"
                 "    #2 tessaro::app::PrinterDrawing::draw(QPainter&, QRectF const&, int) "
                 "/work/src/app/PrinterDrawing.cpp:24 (tessaro_app_tests+0x1295da)\n",
                 "    [failed to restore the stack]\n");
    const std::pair<std::string, bool> cases[] = {
        {kQtGuiPool, true},
        {replaced(kQtGuiPool, "  Previous write of size 8 at 0x7b08000019c0 by main thread:",
                  "  Previous atomic read of size 1 at 0x7b08000019c0 by main thread (mutexes: "
                  "write M304):"),
         true},
        {replaced(kQtGuiPool, qtFrame,
                  "    #1 impl /usr/include/x86_64-linux-gnu/qt6/QtCore/qobjectdefs_impl.h:405 "
                  "(tessaro_app_tests+0x4c1)\n"
                  "    #2 QMetaCallEvent::~QMetaCallEvent() <null> (libQt6Core.so.6+0x2e1f0)\n"),
         true},
        {lost, true},
        {kOurs, false},
        {replaced(kQtGuiPool, "    #1 <null> <null> (libQt6Gui.so.6+0x51ff7d)\n", ""), false},
        {replaced(kQtGuiPool, qtFrame,
                  "    #1 push_back /usr/include/c++/12/bits/stl_vector.h:1287 "
                  "(tessaro_tests+0x4c1)\n"
                  "    #2 tessaro::link::Worker::run() /work/src/link/Worker.cpp:40 "
                  "(tessaro_tests+0x5d2)\n"),
         false},
        {replaced(kQtGuiPool, "libQt6Gui.so.6+0x533fed", "libstdc++.so.6+0x533fed"), false},
        {replaced(lost, "'Thread (pooled)'", "'PrinterOperations'"), false},
        {replaced(kQtGuiPool, "data race (pid=13200)",
                  "lock-order-inversion (potential deadlock) (pid=13200)"),
         false},
        {replaced(kQtGuiPool, "data race (pid=13200)", "thread leak (pid=13200)"), false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(madeInsideUninstrumentedLibraries(cases[i].first), cases[i].second)
            << "case " << i << ":\n"
            << cases[i].first;
    }
}

TEST(SanitizerReports, AScanTakesTheCompleteReportsAndWhateverElseWasSaid) {
    const std::string text = "==================\n" + kQtGuiPool + "==================\n" +
                             "FATAL: ThreadSanitizer: unexpected memory mapping\n" +
                             "==================\n" + kOurs + "==================\n" +
                             "ThreadSanitizer: reported 2 warnings\n";
    const auto scan = scanSanitizerReports(text);
    EXPECT_THAT(
        scan.reports,
        ElementsAre(kQtGuiPool, "FATAL: ThreadSanitizer: unexpected memory mapping", kOurs));
    EXPECT_EQ(scan.consumed, text.size());
}

TEST(SanitizerReports, AReportStillBeingWrittenWaits) {
    const std::string first = "==================\n" + kQtGuiPool + "==================\n";
    const std::string text = first + kOurs.substr(0, kOurs.size() / 2);
    const auto scan = scanSanitizerReports(text);
    EXPECT_THAT(scan.reports, ElementsAre(kQtGuiPool));
    EXPECT_EQ(scan.consumed, first.size());
    EXPECT_THAT(scanSanitizerReports(text.substr(scan.consumed)).reports, IsEmpty());
    EXPECT_THAT(
        scanSanitizerReports(text.substr(scan.consumed) + kOurs.substr(kOurs.size() / 2)).reports,
        ElementsAre(StartsWith("WARNING: ThreadSanitizer: data race (pid=3556)")));
}

} // namespace
} // namespace tessaro::test
