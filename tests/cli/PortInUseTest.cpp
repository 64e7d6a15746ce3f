// SPDX-License-Identifier: GPL-3.0-or-later
// A port a terminal program holds (its UUCP lock file, or its flock on the device) is
// refused before a byte is sent, naming the holder, and the other program's lock is left
// as it was; the locks the command takes itself are gone when it ends.

#include "cli/CliRunner.h"
#include "support/SimProcess.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class PortInUseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim = std::make_unique<SimProcess>(std::vector<std::string>{"--time-limit", "60"});
        device = sim->device();
        ASSERT_FALSE(device.empty());
        lockFile = locks / ("LCK.." + std::filesystem::path(device).filename().string());
    }
    std::vector<std::string> environment() const {
        return {"TESSARO_LOCKDIR=" + locks.path().string(), "TESSARO_COM1=", "TESSARO_COM2="};
    }
    // "in use by NAME (process PID)" for this test's own process.
    static std::string heldByThisTest() {
        std::string name = readFile("/proc/self/comm");
        if (name.ends_with('\n')) {
            name.pop_back();
        }
        return "in use by " + name + " (process " + std::to_string(::getpid()) + ")";
    }
    void expectNothingSent() {
        const std::string heard = sim->output();
        EXPECT_THAT(heard, Not(HasSubstr("ESC")));
        EXPECT_THAT(heard, Not(HasSubstr("GS")));
    }

    TempDir locks;
    TempDir dir;
    std::unique_ptr<SimProcess> sim;
    std::string device;
    std::filesystem::path lockFile;
};

TEST_F(PortInUseTest, ATerminalProgramsLockFileKeepsThePortAndStays) {
    const std::string minicom = "     " + std::to_string(::getpid()) + "\n";
    std::ofstream(lockFile) << minicom;
    const auto detected = runCli({"detect", "--port", device}, environment());
    EXPECT_EQ(detected.status, 3);
    EXPECT_THAT(detected.err, HasSubstr(device + ": " + heldByThisTest() + "\n"));
    const auto profile =
        dir.write("job.pcf", "[Setup and hardware control]\r\nSliderMaxcurrent=9\r\n");
    const auto sent = runCli({"send", profile.string(), "--port", device, "--yes"}, environment());
    EXPECT_EQ(sent.status, 3) << sent.err;
    EXPECT_EQ(readFile(lockFile), minicom);
    expectNothingSent();

    std::filesystem::remove(lockFile); // the terminal program has ended
    const auto free = runCli({"detect", "--port", device}, environment());
    EXPECT_EQ(free.status, 0) << free.err;
    EXPECT_FALSE(std::filesystem::exists(lockFile)); // its own lock went with it
}

TEST_F(PortInUseTest, ATerminalProgramsFlockKeepsThePort) {
    const int held = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    const auto detected = runCli({"detect", "--port", device}, environment());
    EXPECT_EQ(detected.status, 3);
    EXPECT_THAT(detected.err, HasSubstr(device + ": " + heldByThisTest() + "\n"));
    EXPECT_FALSE(std::filesystem::exists(lockFile));
    expectNothingSent();
    ::close(held);
}

} // namespace
} // namespace tessaro::test
