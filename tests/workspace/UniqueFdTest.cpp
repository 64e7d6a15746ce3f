// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <limits>
#include <unistd.h>
#include <utility>

namespace tessaro::workspace {
namespace {

bool isOpen(int fd) {
    return ::fcntl(fd, F_GETFD) != -1;
}

int openNull() {
    return ::open("/dev/null", O_RDONLY | O_CLOEXEC);
}

TEST(UniqueFdTest, EachDescriptorIsClosedOnceByWhoeverHoldsItLast) {
    const int first = openNull();
    const int second = openNull();
    ASSERT_GE(first, 0);
    ASSERT_GE(second, 0);
    {
        UniqueFd held(first);
        UniqueFd moved(std::move(held));
        EXPECT_FALSE(held);
        EXPECT_EQ(moved.get(), first);
        UniqueFd other(second);
        other = std::move(moved); // lets second go, takes first
        EXPECT_FALSE(isOpen(second));
        EXPECT_TRUE(isOpen(first));
        other.reset();
        EXPECT_FALSE(isOpen(first));
        EXPECT_FALSE(other.valid());
    }
    const int third = openNull();
    ASSERT_GE(third, 0);
    { UniqueFd scoped(third); }
    EXPECT_FALSE(isOpen(third));
}

TEST(UniqueFdTest, CloseSaysWhetherItWorkedWhileQuietReleasesKeepErrno) {
    UniqueFd none;
    EXPECT_TRUE(none.close());
    UniqueFd fine(openNull());
    EXPECT_TRUE(fine.close());
    EXPECT_FALSE(fine.valid());

    const int notOpen = std::numeric_limits<int>::max(); // as if closed behind the owner's back
    UniqueFd stale(notOpen);
    EXPECT_FALSE(stale.close());
    EXPECT_EQ(errno, EBADF);
    EXPECT_TRUE(stale.close()); // nothing left to close

    UniqueFd alsoStale(notOpen);
    errno = ENOENT; // the reason of a failure just before the descriptor goes
    alsoStale.reset();
    EXPECT_EQ(errno, ENOENT);
}

} // namespace
} // namespace tessaro::workspace
