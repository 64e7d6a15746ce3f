// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: a broken property stops the run with a message (libFuzzer
// keeps the input that did it), a scratch folder in memory for the files a target writes,
// and a file in memory for code that reads a path.

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

namespace tessaro::fuzz {

[[noreturn]] inline void fail(std::string_view what) {
    std::fprintf(stderr, "\nproperty broken: %.*s\n", static_cast<int>(what.size()), what.data());
    std::fflush(stderr);
    std::abort();
}

// For a fixed message; a message built from values is built only once the property broke:
// if (!holds) fail(...).
inline void require(bool holds, const char* what) {
    if (!holds) {
        fail(what);
    }
}

// Bytes as a message can show them: printable ASCII as it is, the rest as \xNN.
inline std::string shown(std::string_view bytes, std::size_t max = 80) {
    std::string text;
    for (const char c : bytes.substr(0, max)) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F && c != '\\') {
            text += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            text += hex;
        }
    }
    return bytes.size() > max ? text + "..." : text;
}

// A folder of this process for the files a target writes, in /dev/shm when the machine has
// it (a save syncs its file and folder: on tmpfs that costs nothing), removed at exit. A run
// that crashed cannot remove its folder: the next run removes those whose process is gone.
class ScratchDir {
  public:
    explicit ScratchDir(const char* name) {
        std::error_code ec;
        const bool shm = std::filesystem::is_directory("/dev/shm", ec);
        const char* tmp = std::getenv("TMPDIR");
        const std::filesystem::path base = shm ? "/dev/shm" : tmp && *tmp ? tmp : "/tmp";
        removeLeftovers(base);
        std::string pattern =
            (base / (std::string(kPrefix) + std::to_string(::getpid()) + "-" + name + ".XXXXXX"))
                .string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            fail("cannot create a scratch folder in " + base.string() + ": " +
                 std::strerror(errno));
        }
        path_ = pattern;
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }

    const std::filesystem::path& path() const { return path_; }

  private:
    static constexpr std::string_view kPrefix = "tessaro-fuzz-";

    // "tessaro-fuzz-<pid>-<target>.XXXXXX" of a process that no longer runs.
    static void removeLeftovers(const std::filesystem::path& base) {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(base, ec), end; !ec && it != end;
             it.increment(ec)) {
            const std::string entry = it->path().filename().string();
            if (!entry.starts_with(kPrefix)) {
                continue;
            }
            const pid_t pid = std::atoi(entry.c_str() + kPrefix.size());
            if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH) {
                std::error_code ignored;
                std::filesystem::remove_all(it->path(), ignored);
            }
        }
    }

    std::filesystem::path path_;
};

// A regular file that lives in memory only, reachable by path as /proc/self/fd/N: each run
// rewrites it without touching the disk.
class MemoryFile {
  public:
    explicit MemoryFile(const char* name) : fd_(::memfd_create(name, MFD_CLOEXEC)) {
        if (fd_ < 0) {
            fail(std::string("memfd_create: ") + std::strerror(errno));
        }
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    ~MemoryFile() { ::close(fd_); }

    void assign(const std::uint8_t* data, std::size_t size) {
        if (::ftruncate(fd_, 0) != 0) {
            fail(std::string("memfd ftruncate: ") + std::strerror(errno));
        }
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                fail(std::string("memfd write: ") + std::strerror(errno));
            }
            done += static_cast<std::size_t>(n);
        }
    }

    std::filesystem::path path() const { return "/proc/self/fd/" + std::to_string(fd_); }

  private:
    int fd_;
};

} // namespace tessaro::fuzz
