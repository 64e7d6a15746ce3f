// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The locks by which programs that use a serial port keep out of each other's way, taken
// while this program uses one: an exclusive flock(2) on the device (as picocom takes) and a
// UUCP lock file in the lock directory ("LCK..ttyUSB0" holding the owner's process number in
// ten ASCII digits and a newline, as minicom and cu take; a four-byte binary number is read
// too). A lock file whose process no longer runs is stale and removed; one another process
// holds makes the port in use, named by its holder. Without a usable lock directory the
// flock alone applies.

#include "link/DevicePins.h"

#include <optional>
#include <string>
#include <sys/types.h>

namespace tessaro::link {

class PortLock {
  public:
    PortLock() = default;
    PortLock(PortLock&& other) noexcept;
    PortLock& operator=(PortLock&& other) noexcept;
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;
    ~PortLock() { release(); }

    // Takes both locks on the device open on fd, which was opened by the name device and is
    // identity. Nothing, with why ("in use by minicom (process 1234)"), when another program
    // holds either; nothing is taken then.
    static std::optional<PortLock> take(int fd, const std::string& device,
                                        const DeviceIdentity& identity,
                                        const std::string& lockDirectory, message::Message& why);
    // Removes the lock file this process wrote, if it still names this process. The flock
    // ends with the descriptor.
    void release() noexcept;
    const std::string& lockFile() const { return file_; }

  private:
    std::string file_; // "" when this process wrote none
};

// The process number a UUCP lock file holds; nothing when it holds none.
std::optional<pid_t> uucpLockOwner(const std::string& content);
// A UUCP lock file's content for the process: "      1234\n".
std::string uucpLockContent(pid_t process);

} // namespace tessaro::link
