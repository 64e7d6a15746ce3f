// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Waits for another process to write lines to a file: woken by inotify at each write, not by
// looking again and again.

#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/inotify.h>
#include <unistd.h>

namespace tessaro::test {

class FileWatch {
  public:
    // The file is created (empty) if it is not there: it is watched from now on.
    explicit FileWatch(std::filesystem::path file) : file_(std::move(file)) {
        if (!std::filesystem::exists(file_)) {
            std::ofstream created(file_, std::ios::binary);
        }
        fd_ = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
        if (fd_ < 0 || ::inotify_add_watch(fd_, file_.c_str(), IN_MODIFY) < 0) {
            throw std::runtime_error("cannot watch " + file_.string());
        }
    }
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;
    ~FileWatch() { ::close(fd_); }

    // The file's text once it has at least count lines, or as it is when the limit passed.
    std::string waitForLines(std::size_t count, std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            const std::string text = readFile(file_);
            const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (lines >= count || left.count() <= 0) {
                return text;
            }
            pollfd watched{fd_, POLLIN, 0};
            if (::poll(&watched, 1, static_cast<int>(left.count())) > 0) {
                char events[4096];
                while (::read(fd_, events, sizeof events) > 0) {
                }
            }
        }
    }

  private:
    std::filesystem::path file_;
    int fd_ = -1;
};

} // namespace tessaro::test
