// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortLock.h"

#include "link/PortDiagnosis.h"
#include "workspace/UniqueFd.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/types.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tessaro::link {
namespace {

// How often a lock file that another program removes and writes again as it is looked at is
// looked at again.
constexpr int kLockAttempts = 3;
// The most a UUCP lock file holds that is read.
constexpr std::size_t kLockFileLimit = 128;
// An empty lock file older than this was left by a program killed between creating it and
// writing its number (one that writes it whole, as this one does, leaves none): stale.
constexpr int kEmptyLockStaleSeconds = 5;

bool processRuns(pid_t process) {
    return process > 0 && (::kill(process, 0) == 0 || errno == EPERM);
}

std::string baseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The name QSerialPort gives its lock file: the path without "/dev/", each '/' a '_'
// ("pts_3" for /dev/pts/3).
std::string qtLockName(const std::string& path) {
    std::string name = path.starts_with("/dev/") ? path.substr(5) : path;
    std::ranges::replace(name, '/', '_');
    return name;
}

// How many descriptors a search for an flock's holder looks at, all processes together.
constexpr int kMaxDescriptorsSeen = 200'000;

bool sameFile(const struct stat& facts, const DeviceIdentity& identity) {
    return facts.st_dev == identity.fileSystem && facts.st_ino == identity.file;
}

// The process that took an flock on the device's file, as /proc/locks lists it:
// "1: FLOCK  ADVISORY  WRITE 1234 00:05:87 0 EOF" (file system major:minor in hex, file).
std::optional<pid_t> flockTaker(const DeviceIdentity& identity) {
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string number;
        std::string kind;
        std::string advice;
        std::string access;
        pid_t process = 0;
        std::string file;
        unsigned major = 0;
        unsigned minor = 0;
        unsigned long inode = 0;
        if (fields >> number >> kind >> advice >> access >> process >> file && kind == "FLOCK" &&
            std::sscanf(file.c_str(), "%x:%x:%lu", &major, &minor, &inode) == 3 &&
            ::makedev(major, minor) == identity.fileSystem && inode == identity.file) {
            return process;
        }
    }
    return std::nullopt;
}

// Whether the descriptor of the process is an opening of the device that holds an flock: its
// fdinfo lists the locks held through that opening.
bool holdsFlock(const std::string& process, const std::string& descriptor,
                const DeviceIdentity& identity) {
    struct stat facts {};
    const std::string fd = "/proc/" + process + "/fd/" + descriptor;
    if (::stat(fd.c_str(), &facts) != 0 || !sameFile(facts, identity)) {
        return false;
    }
    std::ifstream info("/proc/" + process + "/fdinfo/" + descriptor);
    std::string line;
    while (std::getline(info, line)) {
        if (line.starts_with("lock:") && line.find("FLOCK") != std::string::npos) {
            return true;
        }
    }
    return false;
}

template <typename Visit> void forEachEntry(const std::string& folder, Visit visit) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    while (dir) {
        const dirent* entry = ::readdir(dir.get());
        if (entry == nullptr || !visit(std::string(entry->d_name))) {
            return;
        }
    }
}

// Another process that holds the flock on the device: the one that took it while it runs,
// else one that shares the opening it was taken on (the taker may have ended, leaving it
// to a child). Another user's processes cannot be seen.
std::optional<pid_t> flockHolder(const DeviceIdentity& identity) {
    const std::string self = std::to_string(::getpid());
    if (const auto taker = flockTaker(identity);
        taker && std::to_string(*taker) != self && processRuns(*taker)) {
        return taker;
    }
    std::optional<pid_t> holder;
    int budget = kMaxDescriptorsSeen;
    forEachEntry("/proc", [&](const std::string& process) {
        if (process == self || process.find_first_not_of("0123456789") != std::string::npos) {
            return true;
        }
        forEachEntry("/proc/" + process + "/fd", [&](const std::string& descriptor) {
            if (holdsFlock(process, descriptor, identity)) {
                holder = std::stoi(process);
            }
            return !holder && --budget > 0;
        });
        return !holder && budget > 0;
    });
    return holder;
}

enum class LockState { Absent, Ours, Stale, Held, Unreadable };

struct LockLook {
    LockState state = LockState::Absent;
    pid_t owner = 0;
};

LockLook lookAt(const std::string& path) {
    const workspace::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd) {
        return {errno == ENOENT ? LockState::Absent : LockState::Unreadable};
    }
    std::array<char, kLockFileLimit> bytes{};
    const ssize_t length = ::read(fd.get(), bytes.data(), bytes.size());
    if (length == 0) {
        struct stat made {};
        const bool old = ::fstat(fd.get(), &made) == 0 &&
                         ::time(nullptr) - made.st_mtime > kEmptyLockStaleSeconds;
        return {old ? LockState::Stale : LockState::Unreadable};
    }
    const auto owner =
        length > 0 ? uucpLockOwner(std::string(bytes.data(), static_cast<std::size_t>(length)))
                   : std::nullopt;
    if (!owner) {
        return {LockState::Unreadable};
    }
    if (*owner == ::getpid()) {
        return {LockState::Ours, *owner};
    }
    return {processRuns(*owner) ? LockState::Held : LockState::Stale, *owner};
}

// Writes the lock file when no other has it; false when one appeared meanwhile; true with
// written empty when the folder takes none (the flock alone applies). The number is written
// to a file of its own first, which is then linked into place: the lock file is never seen
// empty, whenever the program is killed.
bool writeLockFile(const std::string& path, std::string& written) {
    std::string draft = path + ".XXXXXX";
    workspace::UniqueFd fd(::mkostemp(draft.data(), O_CLOEXEC));
    if (!fd) {
        return true;
    }
    const std::string content = uucpLockContent(::getpid());
    const bool whole =
        ::fchmod(fd.get(), 0644) == 0 &&
        ::write(fd.get(), content.data(), content.size()) == static_cast<ssize_t>(content.size());
    fd.reset();
    const int linked = whole ? ::link(draft.c_str(), path.c_str()) : -1;
    const int error = errno;
    ::unlink(draft.c_str());
    if (linked == 0) {
        written = path;
        return true;
    }
    return !(whole && error == EEXIST);
}

} // namespace

std::optional<pid_t> uucpLockOwner(const std::string& content) {
    const auto first = content.find_first_not_of(" \t");
    const auto end = content.find_first_not_of("0123456789", first);
    const bool digits =
        first != std::string::npos && end != first &&
        (end == std::string::npos || std::isspace(static_cast<unsigned char>(content[end])) != 0);
    if (digits) {
        pid_t process = 0;
        const auto last = end == std::string::npos ? content.size() : end;
        const auto [ptr, error] =
            std::from_chars(content.data() + first, content.data() + last, process);
        return error == std::errc{} && process > 0 ? std::optional<pid_t>(process) : std::nullopt;
    }
    if (content.size() == sizeof(std::int32_t)) {
        std::int32_t process = 0;
        std::memcpy(&process, content.data(), sizeof process);
        return process > 0 ? std::optional<pid_t>(process) : std::nullopt;
    }
    return std::nullopt;
}

std::string uucpLockContent(pid_t process) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%10d\n", static_cast<int>(process));
    return text.data();
}

PortLock::PortLock(PortLock&& other) noexcept : file_(std::exchange(other.file_, {})) {}

PortLock& PortLock::operator=(PortLock&& other) noexcept {
    if (this != &other) {
        release();
        file_ = std::exchange(other.file_, {});
    }
    return *this;
}

void PortLock::release() noexcept {
    if (file_.empty()) {
        return;
    }
    if (lookAt(file_).state == LockState::Ours) {
        ::unlink(file_.c_str());
    }
    file_.clear();
}

std::optional<PortLock> PortLock::take(int fd, const std::string& device,
                                       const DeviceIdentity& identity,
                                       const std::string& lockDirectory, message::Message& why) {
    // A file system without flocks leaves the lock file alone to tell.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        const auto process = flockHolder(identity);
        why = process ? inUseBy(holderOf(*process))
                      : message::Message(message::MessageId::InUseByAnotherProgram);
        return std::nullopt;
    }
    PortLock lock;
    if (lockDirectory.empty()) {
        return lock;
    }
    // Another program names the lock after the device as it was given it, by its last part
    // or (a Qt program) by its whole path: the name used here and the device it leads to are
    // looked at both ways; the lock is written under the device's last part.
    std::vector<std::string> files;
    for (const std::string& name : {baseName(identity.target), qtLockName(identity.target),
                                    baseName(device), qtLockName(device)}) {
        const std::string file = lockDirectory + "/LCK.." + name;
        if (!name.empty() && std::ranges::find(files, file) == files.end()) {
            files.push_back(file);
        }
    }
    if (files.empty()) {
        return lock;
    }
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        for (const std::string& file : files) {
            const LockLook look = lookAt(file);
            if (look.state == LockState::Held) {
                why = inUseBy(holderOf(look.owner));
                ::flock(fd, LOCK_UN);
                return std::nullopt;
            }
            if (look.state == LockState::Stale) {
                ::unlink(file.c_str());
            }
        }
        if (lookAt(files.front()).state == LockState::Ours) {
            lock.file_ = files.front(); // left by this process before: its own again
            return lock;
        }
        if (writeLockFile(files.front(), lock.file_)) {
            return lock;
        }
    }
    why = {message::MessageId::InUseLockFileHeld, {message::Part::verbatim(files.front())}};
    ::flock(fd, LOCK_UN);
    return std::nullopt;
}

} // namespace tessaro::link
