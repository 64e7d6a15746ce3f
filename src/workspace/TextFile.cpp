// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/TextFile.h"

#include "workspace/UniqueFd.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tessaro::workspace {

namespace {

constexpr std::size_t kChunkBytes = 64u * 1024u;

using message::Message;
using message::MessageId;
using message::Part;

// A limit as the program writes sizes: in MiB or KiB when it is a whole number of them.
Message largerThan(std::size_t bytes) {
    constexpr std::size_t kKiB = 1024u;
    constexpr std::size_t kMiB = kKiB * kKiB;
    const auto count = [](std::size_t n) {
        return Part::count(static_cast<long long>(
            std::min<std::size_t>(n, std::numeric_limits<long long>::max())));
    };
    if (bytes >= kMiB && bytes % kMiB == 0) {
        return {MessageId::FileLargerThanMiB, {count(bytes / kMiB)}};
    }
    if (bytes >= kKiB && bytes % kKiB == 0) {
        return {MessageId::FileLargerThanKiB, {count(bytes / kKiB)}};
    }
    if (bytes == 1) {
        return {MessageId::FileLargerThanOneByte, {}};
    }
    return {MessageId::FileLargerThanBytes, {count(bytes)}};
}

TextFile failure(const std::filesystem::path& path, TextFile::Status status, Part reason) {
    return {status, {}, Message{MessageId::FileReason, {Part::verbatim(path.string()), reason}}};
}

TextFile failure(const std::filesystem::path& path, TextFile::Status status, Message reason) {
    return failure(path, status, Part::framed(std::move(reason)));
}

TextFile systemFailure(const std::filesystem::path& path, TextFile::Status status, int error) {
    return failure(path, status, Part::systemError(error));
}

TextFile tooLarge(const std::filesystem::path& path, std::size_t maxBytes) {
    return failure(path, TextFile::Status::Unreadable, largerThan(maxBytes));
}

// Reads to the end, but never more than maxBytes + 1 bytes: the file may have grown since
// it was measured, and some files (under /proc) report no size at all.
TextFile readAll(int fd, const std::filesystem::path& path, std::size_t maxBytes,
                 std::size_t expectedBytes) {
    const std::size_t limit =
        maxBytes == std::numeric_limits<std::size_t>::max() ? maxBytes : maxBytes + 1;
    std::string text;
    text.reserve(std::min(expectedBytes + 1, limit));
    while (text.size() < limit) {
        const std::size_t had = text.size();
        // Fill the reserved room first, so a file of the expected size takes one read.
        text.resize(had + std::min(std::max(kChunkBytes, text.capacity() - had), limit - had));
        const ssize_t got = ::read(fd, text.data() + had, text.size() - had);
        const int error = errno;
        text.resize(had + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        if (got == 0) {
            return {TextFile::Status::Ok, std::move(text), {}};
        }
        if (got < 0 && error != EINTR) {
            return systemFailure(path, TextFile::Status::Unreadable, error);
        }
    }
    return tooLarge(path, maxBytes);
}

} // namespace

TextFile readTextFile(const std::filesystem::path& path, std::size_t maxBytes) {
    // O_NONBLOCK: opening a named pipe must not wait for a writer.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.valid()) {
        const int error = errno;
        const auto status =
            error == ENOENT ? TextFile::Status::Missing : TextFile::Status::Unreadable;
        return systemFailure(path, status, error);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return systemFailure(path, TextFile::Status::Unreadable, errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return systemFailure(path, TextFile::Status::Unreadable, EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        return failure(path, TextFile::Status::Unreadable, Message{MessageId::NotARegularFile, {}});
    }
    const auto size = static_cast<std::uintmax_t>(info.st_size);
    if (size > maxBytes) {
        return tooLarge(path, maxBytes);
    }
    return readAll(fd.get(), path, maxBytes, static_cast<std::size_t>(size));
}

} // namespace tessaro::workspace
