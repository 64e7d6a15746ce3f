// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a whole file into memory, with a bound on its size so that a stray path to a huge
// file, a device or a pipe cannot exhaust memory or block.

#include <cstddef>
#include <filesystem>
#include <string>

namespace tessaro::workspace {

struct TextFile {
    enum class Status { Ok, Missing, Unreadable };
    Status status = Status::Missing;
    std::string text;  // the bytes of the file when Ok
    std::string error; // when not Ok: "<path>: <reason>"
};

inline constexpr std::size_t kMaxProfileBytes = 16u * 1024u * 1024u;

// Missing when nothing exists at the path. Unreadable for a directory, anything else that
// is not a regular file, a permission failure, a read error, or a file over maxBytes (which
// is refused rather than read).
TextFile readTextFile(const std::filesystem::path& path, std::size_t maxBytes = kMaxProfileBytes);

// Owns a POSIX file descriptor and closes it when it goes.
class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) noexcept : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept;
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { close(); }

    int get() const noexcept { return fd_; }
    bool valid() const noexcept { return fd_ >= 0; }
    // Closes now; false when closing reported an error (data may not have reached the disk).
    bool close() noexcept;

  private:
    int fd_ = -1;
};

} // namespace tessaro::workspace
