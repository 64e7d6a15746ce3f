// SPDX-License-Identifier: GPL-3.0-or-later
// The parallel ports of tessaro-cli on a machine whose libieee1284 the test sets up: ports
// held by another program, two names for one device, ports given by their device path.

#include "cli/CliRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

class ParallelPortTest : public ::testing::Test {
  protected:
    // Runs tessaro-cli on two kernel ports, /dev/parport0 and /dev/parport1, without any
    // serial port; more lists further settings.
    CliResult run(const std::vector<std::string>& args, std::vector<std::string> more = {}) {
        std::string asan = std::getenv("ASAN_OPTIONS") ? std::getenv("ASAN_OPTIONS") : "";
        std::vector<std::string> environment{
            "LD_PRELOAD=" + std::string(TESSARO_FAKE_IEEE1284),
            "ASAN_OPTIONS=" + asan + (asan.empty() ? "" : ":") + "verify_asan_link_order=0",
            "FAKE_IEEE1284_PORTS=/dev/parport0=0x378,/dev/parport1=0x278",
            "FAKE_IEEE1284_LOG=" + (dir / "log").string(),
        };
        for (int n = 1; n <= 6; ++n) {
            environment.push_back("TESSARO_COM" + std::to_string(n) + "=");
        }
        environment.insert(environment.end(), more.begin(), more.end());
        return runCli(args, environment);
    }
    std::string log() const { return readFile(dir / "log"); }

    TempDir dir;
};

TEST_F(ParallelPortTest, APortHeldElsewhereEndsTheDetectionAtOnceWithTheReason) {
    const auto r = run({"detect", "--port", "LPT1"}, {"FAKE_IEEE1284_CLAIM_FAIL=/dev/parport0"});
    EXPECT_EQ(r.status, 3); // the port could not be used
    EXPECT_THAT(r.out, IsEmpty());
    EXPECT_EQ(r.err, "LPT1 (/dev/parport0): cannot claim the port: the port is in use by another "
                     "driver or program\n");
    // One attempt, not one per register access.
    EXPECT_EQ(log(), "open /dev/parport0\nopen /dev/parport1\nclaim /dev/parport0\n");
}

TEST_F(ParallelPortTest, AFreePortIsClaimedForTheExchangeAndReleasedAfter) {
    const auto r = run({"detect", "--port", "LPT2"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "No printer found on LPT 2\n");
    EXPECT_THAT(r.err, IsEmpty());
    EXPECT_THAT(log(), HasSubstr("claim /dev/parport1\nrelease /dev/parport1\n"));
}

TEST_F(ParallelPortTest, ADeviceServesOneLptNameOnly) {
    const auto ports = run({"ports"}, {"TESSARO_LPT1=/dev/parport1"});
    EXPECT_THAT(ports.out, HasSubstr("LPT1  /dev/parport1            present\n"
                                     "LPT2  /dev/parport0            present\n"));
    const auto second = run({"detect", "--port", "LPT2"}, {"TESSARO_LPT1=/dev/parport1"});
    EXPECT_EQ(second.out, "No printer found on LPT 2\n");
    EXPECT_THAT(second.err, IsEmpty());
    EXPECT_THAT(log(), HasSubstr("claim /dev/parport0\n"));
}

TEST_F(ParallelPortTest, OnePortThatDoesNotOpenLeavesTheOtherUsable) {
    const std::vector<std::string> broken{"FAKE_IEEE1284_OPEN_FAIL=/dev/parport1"};
    const auto bad = run({"detect", "--port", "LPT2"}, broken);
    EXPECT_EQ(bad.status, 3); // the port could not be used
    EXPECT_EQ(bad.err, "LPT2 (/dev/parport1): the port could not be initialised\n");
    const auto good = run({"detect", "--port", "LPT1"}, broken);
    EXPECT_EQ(good.out, "No printer found on LPT 1\n");
    EXPECT_THAT(good.err, IsEmpty());
}

TEST_F(ParallelPortTest, ADevicePathIsTheParallelPortOnThatDevice) {
    const auto r = run({"detect", "--port", "/dev/parport1"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "No printer found on LPT 1\n");
    EXPECT_THAT(log(), HasSubstr("claim /dev/parport1\n"));
}

} // namespace
} // namespace tessaro::test
