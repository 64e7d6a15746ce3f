// SPDX-License-Identifier: GPL-3.0-or-later
// The thread every worker runs on: its operations run in the order started, on that thread,
// each one started before it is destroyed still runs, and stop() reaches the one under way
// and those still waiting, not those started after it.

#include "worker/Worker.h"

#include <chrono>
#include <future>
#include <gmock/gmock.h>
#include <thread>
#include <vector>

namespace tessaro::test {
namespace {

TEST(Worker, RunsEveryOperationStartedInOrderOnItsOwnThread) {
    std::vector<int> ran;
    std::vector<std::thread::id> where;
    {
        worker::Worker worker;
        for (int operation = 0; operation < 3; ++operation) {
            worker.start([&, operation](const link::Cancellation&) {
                ran.push_back(operation);
                where.push_back(std::this_thread::get_id());
            });
        }
    } // the operations started are run before the thread ends
    EXPECT_THAT(ran, ::testing::ElementsAre(0, 1, 2));
    ASSERT_EQ(where.size(), 3U);
    EXPECT_NE(where[0], std::this_thread::get_id());
    EXPECT_THAT(where, ::testing::Each(where[0]));
}

TEST(Worker, StopEndsTheOperationUnderWayAndTheWaitingOnesButNotLaterOnes) {
    std::promise<void> underWay;
    std::vector<bool> stopped(3);
    std::vector<bool> waitedWhole(3);
    {
        worker::Worker worker;
        worker.start([&](const link::Cancellation& stop) {
            underWay.set_value();
            waitedWhole[0] = stop.waitFor(std::chrono::seconds(30));
            stopped[0] = stop.cancelled();
        });
        worker.start([&](const link::Cancellation& stop) {
            waitedWhole[1] = stop.waitFor(std::chrono::seconds(30));
            stopped[1] = stop.cancelled();
        });
        underWay.get_future().wait();
        worker.stop();
        worker.start([&](const link::Cancellation& stop) {
            waitedWhole[2] = stop.waitFor(std::chrono::milliseconds(1));
            stopped[2] = stop.cancelled();
        });
    }
    EXPECT_THAT(stopped, ::testing::ElementsAre(true, true, false));
    EXPECT_THAT(waitedWhole, ::testing::ElementsAre(false, false, true));
}

} // namespace
} // namespace tessaro::test
