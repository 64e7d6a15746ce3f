// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ThreadSanitizer's reports as it writes them, read back: which of them are faults of ours.
//
// Debian's Qt and glib are not built with ThreadSanitizer. It sees neither their own memory
// accesses nor their locks (QMutex and glib's locks wait on a futex), only the calls they make
// into the C library and its allocator (memcpy, malloc, operator delete, pthread_*). Work they
// hand between their own threads (QtGui scales and converts images on QThreadPool's threads,
// the pool keeps its queues, glib keeps per-thread slices) then looks like data races between
// those calls. A suppression (tests/tsan.supp) cannot set those reports aside: ThreadSanitizer
// matches it against every frame of a report, and libQt6Core.so.6 is also the caller of every
// slot and of every QThread's run(), so it would hide the races of our own threads as well.
//
// So a data race is set aside only when every access in it was made by such a library's own
// code: the first frame of the access, past the sanitizer's interceptor and past the inline
// code of the system's headers, lies in one of those libraries. A race with an access of ours,
// an access whose stack could not be restored, and every report of another kind (a lock-order
// inversion, a thread leak, a fatal error) are faults.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::test {

struct SanitizerReportScan {
    std::vector<std::string> reports; // each report whole, or a line outside any report
    std::size_t consumed = 0;         // what they take of the text: a report still being
                                      // written is left for the next scan
};

// The complete reports in text, which ThreadSanitizer wrote to a log file.
SanitizerReportScan scanSanitizerReports(std::string_view text);

// True for a data race every access of which a library that is not instrumented made itself.
bool madeInsideUninstrumentedLibraries(std::string_view report);

} // namespace tessaro::test
