// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/UniqueFd.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace tessaro::workspace {

UniqueFd::UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        reset(std::exchange(other.fd_, -1));
    }
    return *this;
}

void UniqueFd::reset(int fd) noexcept {
    const int error = errno;
    close();
    fd_ = fd;
    errno = error;
}

bool UniqueFd::close() noexcept {
    if (fd_ < 0) {
        return true;
    }
    // Linux releases the descriptor even when close fails, so it is never retried.
    return ::close(std::exchange(fd_, -1)) == 0;
}

} // namespace tessaro::workspace
