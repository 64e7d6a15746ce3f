// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/TextFile.h"

#include "workspace/UniqueFd.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace tessaro::workspace {

namespace {

constexpr std::size_t kChunkBytes = 64u * 1024u;

std::string errnoText(int error) {
    return std::generic_category().message(error);
}

std::string sizeText(std::size_t bytes) {
    constexpr std::size_t kKiB = 1024u;
    constexpr std::size_t kMiB = kKiB * kKiB;
    if (bytes >= kMiB && bytes % kMiB == 0) {
        return std::to_string(bytes / kMiB) + " MiB";
    }
    if (bytes >= kKiB && bytes % kKiB == 0) {
        return std::to_string(bytes / kKiB) + " KiB";
    }
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

TextFile failure(const std::filesystem::path& path, TextFile::Status status,
                 const std::string& reason) {
    return {status, {}, path.string() + ": " + reason};
}

TextFile tooLarge(const std::filesystem::path& path, std::size_t maxBytes) {
    return failure(path, TextFile::Status::Unreadable, "file is larger than " + sizeText(maxBytes));
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
            return failure(path, TextFile::Status::Unreadable, errnoText(error));
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
        return failure(path, status, errnoText(error));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return failure(path, TextFile::Status::Unreadable, errnoText(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        return failure(path, TextFile::Status::Unreadable, errnoText(EISDIR));
    }
    if (!S_ISREG(info.st_mode)) {
        return failure(path, TextFile::Status::Unreadable, "not a regular file");
    }
    const auto size = static_cast<std::uintmax_t>(info.st_size);
    if (size > maxBytes) {
        return tooLarge(path, maxBytes);
    }
    return readAll(fd.get(), path, maxBytes, static_cast<std::size_t>(size));
}

} // namespace tessaro::workspace
