// SPDX-License-Identifier: GPL-3.0-or-later
// The one mailbox between worker threads and their owner: items arrive in the order posted,
// a worker's flag after the items it posted before it, and the descriptor is readable exactly
// while something waits.

#include "worker/Mailbox.h"

#include <gmock/gmock.h>
#include <poll.h>
#include <string>
#include <thread>

namespace tessaro::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

bool readable(int fd) {
    pollfd watched{fd, POLLIN, 0};
    return ::poll(&watched, 1, 0) == 1;
}

TEST(Mailbox, ItemsInOrderFlagsAfterThemAndTheDescriptorTellsWhetherAnythingWaits) {
    worker::Mailbox<std::string> box(3);
    EXPECT_FALSE(readable(box.fd()));
    std::thread worker([&] {
        box.post("first");
        box.post("second");
        box.raise(2);
        box.raise(7); // no such flag: only wakes
    });
    worker.join();
    EXPECT_TRUE(readable(box.fd()));
    auto mail = box.take();
    EXPECT_THAT(mail.items, ElementsAre("first", "second"));
    EXPECT_THAT(mail.flagged, ElementsAre(2U));
    EXPECT_FALSE(readable(box.fd()));
    mail = box.take();
    EXPECT_THAT(mail.items, IsEmpty());
    EXPECT_THAT(mail.flagged, IsEmpty());
}

// One at a time, oldest first; the descriptor is read back to zero by each take, and made
// readable again by the next post.
TEST(Mailbox, TakingOneAtATimeKeepsTheOrder) {
    worker::Mailbox<int> box;
    box.post(1);
    box.post(2);
    EXPECT_EQ(box.takeOne(), 1);
    box.post(3);
    EXPECT_TRUE(readable(box.fd()));
    EXPECT_EQ(box.takeOne(), 2);
    EXPECT_EQ(box.takeOne(), 3);
    EXPECT_EQ(box.takeOne(), std::nullopt);
    EXPECT_FALSE(readable(box.fd()));
}

} // namespace
} // namespace tessaro::test
