// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/AtomicFile.h"

#include "workspace/UniqueFd.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro::workspace {
namespace {

message::Message failure(const std::filesystem::path& path, int error) {
    return {message::MessageId::FileReason,
            {message::Part::verbatim(path.string()), message::Part::systemError(error)}};
}

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Our temporary files are ".NAME.XXXXXX" beside the file NAME.
constexpr std::size_t kUniqueLength = 6;
constexpr auto kLeftoverAge = std::chrono::minutes(1);

bool isOurTemporary(const std::string& name, const std::string& target) {
    if (name.size() < kUniqueLength + 3 || name.front() != '.' ||
        name[name.size() - kUniqueLength - 1] != '.') {
        return false;
    }
    const std::string base = name.substr(1, name.size() - kUniqueLength - 2);
    auto lower = base;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool alnum = std::all_of(name.end() - kUniqueLength, name.end(),
                                   [](unsigned char c) { return std::isalnum(c) != 0; });
    return alnum && (base == target || lower.ends_with(".pcf"));
}

// A save killed half-way leaves its temporary file behind: the next save into the folder
// removes those of our own naming (profiles, or this very file) that are ours and older
// than a minute, so that no save still under way elsewhere loses its file.
void removeLeftovers(const std::filesystem::path& dir, const std::string& target) {
    std::error_code ec;
    const auto now = std::filesystem::file_time_type::clock::now();
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        struct stat st {};
        if (!isOurTemporary(name, target) || ::lstat(it->path().c_str(), &st) != 0 ||
            !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
            continue;
        }
        std::error_code timeError;
        const auto written = std::filesystem::last_write_time(it->path(), timeError);
        if (!timeError && now - written > kLeftoverAge) {
            ::unlink(it->path().c_str());
        }
    }
}

// The rename is only durable once the folder that holds the name is on disk too.
void syncFolder(const std::filesystem::path& dir) {
    UniqueFd folder(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder) {
        ::fsync(folder.get());
    }
}

mode_t modeFor(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::optional<message::Message> writeFileAtomically(const std::filesystem::path& path,
                                                    std::string_view content) {
    const std::filesystem::path dir = path.has_parent_path() ? path.parent_path() : ".";
    std::string temp = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
    removeLeftovers(dir, path.filename().string());
    UniqueFd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (!fd) {
        return failure(path, errno);
    }
    const bool written = writeAll(fd.get(), content) && ::fchmod(fd.get(), modeFor(path)) == 0 &&
                         ::fsync(fd.get()) == 0;
    const int writeError = errno;
    if (!fd.close() || !written) {
        const int error = written ? errno : writeError;
        ::unlink(temp.c_str());
        return failure(path, error);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return failure(path, error);
    }
    syncFolder(dir);
    return std::nullopt;
}

} // namespace tessaro::workspace
