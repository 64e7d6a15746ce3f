// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SanitizerReports.h"

#include <algorithm>
#include <array>

namespace tessaro::test {
namespace {

// The system's libraries that are not instrumented and whose own accesses, in the reports seen
// on Debian 12, race only against their own accesses across their own threads.
constexpr std::array<std::string_view, 3> kUninstrumented = {
    "libQt6Core.so.6",  // QThreadPool: its queues, each task and each thread's QWaitCondition
    "libQt6Gui.so.6",   // image scaling and conversion, split over QThreadPool's threads
    "libglib-2.0.so.0", // the slice allocator's per-thread magazines (the event loop's)
};

constexpr std::string_view kReportStart = "WARNING: ThreadSanitizer:";
constexpr std::string_view kReportSummary = "SUMMARY: ThreadSanitizer:";
constexpr std::string_view kSeparator = "==================";

// The separators between reports and the count a program prints at its exit.
bool ignoredLine(std::string_view line) {
    return line.empty() || line == kSeparator ||
           (line.starts_with("ThreadSanitizer: reported ") && line.find(" warning") != line.npos);
}

// No std::regex here: the last reports are read after the static objects are gone.

// "  Write of size 8 at ...", "  Previous atomic read of size 1 at ...": an access.
bool accessLine(std::string_view line) {
    if (!line.starts_with("  ") || line.starts_with("   ")) {
        return false;
    }
    line.remove_prefix(2);
    for (const std::string_view word : {"Previous ", "atomic ", "Atomic "}) {
        if (line.starts_with(word)) {
            line.remove_prefix(word.size());
        }
    }
    for (const std::string_view kind : {"read", "Read", "write", "Write"}) {
        if (line.starts_with(kind) && line.substr(kind.size()).starts_with(" of size ")) {
            return true;
        }
    }
    return false;
}

enum class Maker { Library, Ours };

// The sanitizer's own frames and the inline code of the system's headers are decided by the
// frame that called them.
enum class FrameKind { Sanitizer, SystemHeader, Library, Ours };

// "    #1 QThread::start(QThread::Priority) <null> (libQt6Core.so.6+0x2540e3)"
FrameKind frameKind(std::string_view frame) {
    const std::size_t hash = frame.find_first_not_of(' ');
    const std::size_t open = frame.rfind(" (");
    const std::size_t plus = frame.rfind("+0x");
    if (hash == frame.npos || frame[hash] != '#' || open == frame.npos || plus == frame.npos ||
        plus < open || !frame.ends_with(")")) {
        return FrameKind::Ours; // not a frame: count it
    }
    std::string_view module = frame.substr(open + 2, plus - open - 2);
    module.remove_prefix(module.rfind('/') == module.npos ? 0 : module.rfind('/') + 1);
    std::string_view file = frame.substr(0, open);
    file.remove_prefix(file.rfind(' ') + 1);
    if (module.starts_with("libtsan.so") || file.find("/sanitizer_common/") != file.npos ||
        file.find("/tsan/") != file.npos) {
        return FrameKind::Sanitizer;
    }
    if (std::find(kUninstrumented.begin(), kUninstrumented.end(), module) !=
        kUninstrumented.end()) {
        return FrameKind::Library;
    }
    if (file.starts_with("/usr/include/")) {
        return FrameKind::SystemHeader;
    }
    return FrameKind::Ours;
}

Maker madeBy(const std::vector<std::string>& frames) {
    for (const auto& frame : frames) {
        switch (frameKind(frame)) {
        case FrameKind::Library:
            return Maker::Library;
        case FrameKind::Ours:
            return Maker::Ours;
        case FrameKind::Sanitizer:
        case FrameKind::SystemHeader:
            break;
        }
    }
    return Maker::Ours; // nothing but the sanitizer, or no stack at all: count it
}

std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> all;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            all.emplace_back(text.substr(start));
            break;
        }
        all.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return all;
}

} // namespace

SanitizerReportScan scanSanitizerReports(std::string_view text) {
    SanitizerReportScan scan;
    std::size_t position = 0;
    std::size_t reportStart = std::string_view::npos;
    while (position < text.size()) {
        const std::size_t end = text.find('\n', position);
        if (end == std::string_view::npos) {
            break; // a line still being written
        }
        const std::string_view line = text.substr(position, end - position);
        const std::size_t next = end + 1;
        if (reportStart == std::string_view::npos) {
            if (line.starts_with(kReportStart)) {
                reportStart = position;
            } else {
                if (!ignoredLine(line)) {
                    scan.reports.emplace_back(line);
                }
                scan.consumed = next;
            }
        } else if (line.starts_with(kReportSummary)) {
            scan.reports.emplace_back(text.substr(reportStart, next - reportStart));
            reportStart = std::string_view::npos;
            scan.consumed = next;
        }
        position = next;
    }
    return scan;
}

bool madeInsideUninstrumentedLibraries(std::string_view report) {
    const std::vector<std::string> all = lines(report);
    if (all.empty() || !all.front().starts_with(std::string(kReportStart) + " data race")) {
        return false;
    }
    // Qt's own thread pool (QtGui scales and converts images on it): nothing of ours runs on
    // its threads, so memory one of them touches in Qt's code is Qt's, and the other access,
    // when its stack is lost, is taken for Qt's too.
    const bool qtPool = report.find("'Thread (pooled)'") != std::string_view::npos;
    int accesses = 0;
    int lost = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!accessLine(all[i])) {
            continue;
        }
        ++accesses;
        std::vector<std::string> frames;
        while (i + 1 < all.size() && all[i + 1].starts_with("    ")) {
            frames.push_back(all[++i]); // "[failed to restore the stack]" is no frame: ours
        }
        if (qtPool && frames.size() == 1 &&
            frames.front().find("[failed to restore the stack]") != std::string::npos) {
            ++lost;
            continue;
        }
        if (madeBy(frames) == Maker::Ours) {
            return false;
        }
    }
    return accesses >= 2 && lost < accesses;
}

} // namespace tessaro::test

// Under ThreadSanitizer, the judge of every report: this program's own and those of every
// program a test starts (tessaro-cli, the virtual printer, the window, and what they start).
// A report would otherwise go to a program's standard error, which a test may discard, read
// only in part or never see, and change its exit status, which a test that kills a background
// program never reads. So from the start this program writes its reports into a folder of its
// own, every program started from it does the same (log_path in the TSAN_OPTIONS it inherits,
// with its exit status left alone), and each test fails with the reports of ours that appeared
// there while it ran. The tsan preset leaves this program's exit status alone too (exitcode=0):
// this judge decides.
#if defined(__SANITIZE_THREAD__)
#define TESSARO_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define TESSARO_THREAD_SANITIZER 1
#endif
#endif

#ifdef TESSARO_THREAD_SANITIZER

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sanitizer/common_interface_defs.h>
#include <system_error>

namespace tessaro::test {
namespace {

struct Verdict {
    std::string faults; // the reports of ours, each after the name of its file
    int setAside = 0;
};

class ReportFolder {
  public:
    ReportFolder() {
        std::string path = (std::filesystem::temp_directory_path() / "tessaro-tsan-XXXXXX");
        if (::mkdtemp(path.data()) == nullptr) {
            std::perror("tessaro: no folder for ThreadSanitizer's reports");
            std::exit(1);
        }
        folder_ = path;
        // A test may run a program as another user (ExitStatus.APortTheUserMayNotOpen...):
        // it must be able to write its reports too.
        std::filesystem::permissions(folder_, std::filesystem::perms::all |
                                                  std::filesystem::perms::sticky_bit);
        const std::string prefix = (folder_ / "report").string();
        __sanitizer_set_report_path(prefix.c_str()); // "report.<pid>"
        const char* options = std::getenv("TSAN_OPTIONS");
        std::string inherited = options != nullptr ? options : "";
        if (!inherited.empty()) {
            inherited += ':';
        }
        // "report.<program>.<pid>"; reports neither end a program nor change its status.
        ::setenv("TSAN_OPTIONS",
                 (inherited + "log_path=" + prefix + ":log_exe_name=1:halt_on_error=0:exitcode=0")
                     .c_str(),
                 1);
    }

    // What the programs reported since the last call; a report still being written waits.
    Verdict collect() {
        Verdict verdict;
        std::vector<std::filesystem::path> files;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
            files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::string text(std::istreambuf_iterator<char>(in), {});
            std::size_t& read = read_[file.filename().string()];
            const SanitizerReportScan scan =
                scanSanitizerReports(std::string_view(text).substr(std::min(read, text.size())));
            read += scan.consumed;
            for (const auto& report : scan.reports) {
                if (madeInsideUninstrumentedLibraries(report)) {
                    ++verdict.setAside;
                } else {
                    verdict.faults += "--- " + file.filename().string() + "\n" + report + "\n";
                }
            }
        }
        return verdict;
    }

    // Whatever is left, a report cut short included, then the folder is removed.
    Verdict finish() {
        Verdict verdict = collect();
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string text(std::istreambuf_iterator<char>(in), {});
            const std::size_t read = read_[entry.path().filename().string()];
            if (read < text.size()) {
                verdict.faults +=
                    "--- " + entry.path().filename().string() + "\n" + text.substr(read) + "\n";
            }
        }
        __sanitizer_set_report_path("stderr"); // what comes at the very end is at least seen
        std::filesystem::remove_all(folder_, error);
        return verdict;
    }

  private:
    std::filesystem::path folder_;
    std::map<std::string, std::size_t> read_;
};

// Made before main, for the reports of the program's start; never destroyed, for its end.
ReportFolder& folder() {
    static ReportFolder* const reports = new ReportFolder;
    return *reports;
}

void note(const Verdict& verdict) {
    if (verdict.setAside > 0) {
        std::fprintf(stderr,
                     "ThreadSanitizer: %d report(s) of races inside Qt or glib alone set aside "
                     "(tests/support/SanitizerReports.h)\n",
                     verdict.setAside);
    }
}

class SanitizerJudge : public ::testing::EmptyTestEventListener {
  public:
    void OnTestProgramStart(const ::testing::UnitTest&) override { early_ = folder().collect(); }

    void OnTestEnd(const ::testing::TestInfo&) override {
        const Verdict verdict = folder().collect();
        note(verdict);
        if (!verdict.faults.empty()) {
            ADD_FAILURE() << "ThreadSanitizer reported, in this program or one it started:\n"
                          << verdict.faults;
        }
    }

    const Verdict& early() const { return early_; }

  private:
    Verdict early_;
};

SanitizerJudge* judge = nullptr;

// After main: the reports of the program's start and end, and of programs that outlived
// their test, end the run with a failure.
void judgeTheRest() {
    Verdict verdict = folder().finish();
    if (judge != nullptr) {
        verdict.faults = judge->early().faults + verdict.faults;
    }
    note(verdict);
    if (!verdict.faults.empty()) {
        std::fprintf(stderr, "ThreadSanitizer reported, outside any test:\n%s",
                     verdict.faults.c_str());
        std::fflush(stderr);
        std::_Exit(66);
    }
}

// Ahead of the default printer, so that a failure added at a test's end is printed with it.
[[maybe_unused]] const bool installed = [] {
    folder();
    std::atexit(judgeTheRest);
    auto& listeners = ::testing::UnitTest::GetInstance()->listeners();
    ::testing::TestEventListener* printer = listeners.Release(listeners.default_result_printer());
    judge = new SanitizerJudge;
    listeners.Append(judge);
    if (printer != nullptr) {
        listeners.Append(printer);
    }
    return true;
}();

} // namespace
} // namespace tessaro::test

#endif
