// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Owns one POSIX file descriptor and closes it when it goes. Letting a descriptor go
// quietly (destruction, reset, move-assignment) leaves errno as it was, so a failure read
// just before still names its own reason; close() says whether closing succeeded.

namespace tessaro::workspace {

class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) noexcept : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept;
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { reset(); }

    int get() const noexcept { return fd_; }
    bool valid() const noexcept { return fd_ >= 0; }
    explicit operator bool() const noexcept { return valid(); }
    // Closes the descriptor held, if any, and takes fd.
    void reset(int fd = -1) noexcept;
    // Closes now; false when closing reported an error (in errno; written data may not
    // have reached the disk).
    bool close() noexcept;

  private:
    int fd_ = -1;
};

} // namespace tessaro::workspace
