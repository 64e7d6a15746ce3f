// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the process writes on its standard error while this lives: descriptor 2 goes to a file
// of its own (Qt's warnings and a library's lines included), and back at finish().

#include <cstdio>
#include <string>
#include <unistd.h>

namespace tessaro::test {

class StderrCapture {
  public:
    StderrCapture() : file_(std::tmpfile()) {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        if (file_ != nullptr && saved_ >= 0) {
            ::dup2(::fileno(file_), STDERR_FILENO);
        }
    }
    ~StderrCapture() {
        restore();
        if (file_ != nullptr) {
            std::fclose(file_);
        }
    }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Everything written since, with stderr its own again.
    std::string finish() {
        restore();
        std::string text;
        if (file_ == nullptr) {
            return "(stderr could not be captured)";
        }
        std::rewind(file_);
        char buffer[4096];
        for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, file_)) > 0;) {
            text.append(buffer, n);
        }
        return text;
    }

  private:
    void restore() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
            saved_ = -1;
        }
    }

    std::FILE* file_;
    int saved_ = -1;
};

} // namespace tessaro::test
