// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Cancellation.h"

#include "link/Clock.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <thread>

namespace tessaro::link {
namespace {

using namespace std::chrono_literals;

TEST(CancellationTest, AWaitEndsWhenAnotherThreadCancels) {
    Cancellation stop;
    EXPECT_FALSE(stop.cancelled());
    SteadyClock clock(&stop);
    std::thread stopper([&stop] { stop.cancel(); });
    const auto start = std::chrono::steady_clock::now();
    clock.wait(60'000); // would hang the test for a minute if the cancel were not seen
    stopper.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 30s);
    EXPECT_TRUE(stop.cancelled());
    EXPECT_FALSE(stop.waitFor(60s)); // once cancelled, every later wait ends at once
}

TEST(CancellationTest, AnUncancelledWaitLastsItsIntervalAndTheDescriptorStaysQuiet) {
    Cancellation stop;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(stop.waitFor(20ms));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 20ms);
    pollfd watched{stop.fd(), POLLIN, 0};
    EXPECT_EQ(::poll(&watched, 1, 0), 0);
    stop.cancel();
    stop.cancel(); // a second request changes nothing
    EXPECT_EQ(::poll(&watched, 1, 0), 1);
}

} // namespace
} // namespace tessaro::link
