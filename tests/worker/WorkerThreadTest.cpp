// SPDX-License-Identifier: GPL-3.0-or-later
// The thread every worker runs on: its jobs run in the order handed, on that thread, and each
// one handed before it is destroyed still runs.

#include "worker/WorkerThread.h"

#include <gmock/gmock.h>
#include <thread>
#include <vector>

namespace tessaro::test {
namespace {

TEST(WorkerThread, RunsEveryJobHandedInOrderOnItsOwnThread) {
    std::vector<int> ran;
    std::vector<std::thread::id> where;
    {
        worker::WorkerThread thread;
        for (int job = 0; job < 3; ++job) {
            thread.enqueue([&, job] {
                ran.push_back(job);
                where.push_back(std::this_thread::get_id());
            });
        }
    } // the jobs handed are run before the thread ends
    EXPECT_THAT(ran, ::testing::ElementsAre(0, 1, 2));
    ASSERT_EQ(where.size(), 3U);
    EXPECT_NE(where[0], std::this_thread::get_id());
    EXPECT_THAT(where, ::testing::Each(where[0]));
}

} // namespace
} // namespace tessaro::test
