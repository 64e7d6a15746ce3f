// SPDX-License-Identifier: GPL-3.0-or-later
// Each opening of a serial port opens the device once and closes it once, the next opening
// only after the close; and no library prints anything on stderr while it does.

#include "cli/CliRunner.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <array>
#include <gtest/gtest.h>
#include <poll.h>
#include <string>
#include <sys/inotify.h>
#include <unistd.h>

namespace tessaro::test {
namespace {

// The opens and closes of one file, in order: "oc" for one opening closed again.
class OpenWatch {
  public:
    explicit OpenWatch(const std::string& path)
        : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
          watch_(::inotify_add_watch(fd_, path.c_str(), IN_OPEN | IN_CLOSE)) {}
    ~OpenWatch() { ::close(fd_); }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    bool watching() const { return fd_ >= 0 && watch_ >= 0; }
    // What happened to the file since the last call; every event is queued by the time a
    // program that caused it has ended.
    std::string take() {
        std::string seen;
        alignas(inotify_event) std::array<char, 4096> buffer{};
        for (;;) {
            const ssize_t count = ::read(fd_, buffer.data(), buffer.size());
            if (count <= 0) {
                return seen;
            }
            for (ssize_t at = 0; at < count;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                seen += (event->mask & IN_OPEN) != 0 ? "o" : (event->mask & IN_CLOSE) ? "c" : "";
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }

  private:
    int fd_;
    int watch_;
};

TEST(SerialOpening, EachOpeningOpensAndClosesTheDeviceOnceAndStderrStaysQuiet) {
    SimProcess sim({"--time-limit", "60"});
    const std::string device = sim.device();
    ASSERT_FALSE(device.empty());
    OpenWatch watch(device);
    ASSERT_TRUE(watch.watching());
    const std::vector<std::string> environment{"TESSARO_COM1=" + device, "TESSARO_LOCKDIR="};

    const CliResult detected = runCli({"detect", "--port", "COM1"}, environment);
    EXPECT_EQ(detected.status, 0) << detected.err;
    EXPECT_EQ(detected.err, "");
    EXPECT_EQ(watch.take(), "oc");

    // A new speed: the port is closed and opened again at it, each opening on its own.
    TempDir dir;
    const std::string slower = dir.write("slower.pcf", kTo19200Profile).string();
    const CliResult changed = runCli({"send", slower, "--port", "COM1", "--yes"}, environment);
    EXPECT_EQ(changed.status, 0) << changed.err;
    const std::string openings = watch.take();
    EXPECT_EQ(changed.err.find("QSocketNotifier"), std::string::npos) << changed.err;
    ASSERT_FALSE(openings.empty());
    for (std::size_t i = 0; i < openings.size(); ++i) {
        EXPECT_EQ(openings[i], i % 2 == 0 ? 'o' : 'c') << openings;
    }
    EXPECT_EQ(openings.back(), 'c') << openings;
}

} // namespace
} // namespace tessaro::test
