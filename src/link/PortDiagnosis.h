// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a port cannot be used, told from a look at the machine: the group a device belongs to
// and whether the user is in it, which process holds a device, and what usually takes a
// USB-serial adapter away, each as a message. They go after the port's name ("COM3 (/dev/ttyUSB0):
// ..."). The machine is seen through SystemView, so that every case can be shown with a made-up
// one.

#include "message/Message.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tessaro::link {

class SystemView {
  public:
    struct Device {
        uid_t owner = 0;
        gid_t group = 0;
        mode_t mode = 0;             // permission bits
        std::optional<dev_t> number; // a character device's number
    };
    struct OpenFile {
        std::string target;          // what the descriptor's link names
        std::optional<dev_t> number; // the character device it is, when it is one
    };

    virtual ~SystemView() = default;
    // The device as stat(2) sees it (links followed); nothing when it cannot be examined.
    virtual std::optional<Device> device(const std::string& path) const = 0;
    virtual uid_t user() const = 0;
    // The group's name; nothing for a number the group database does not know.
    virtual std::optional<std::string> groupName(gid_t group) const = 0;
    // Whether the group database lists the user in the group: what the next login gets.
    virtual bool listedInGroup(gid_t group) const = 0;
    // Whether this process has the group: what the current login got.
    virtual bool processHasGroup(gid_t group) const = 0;

    virtual pid_t self() const = 0;
    // Calls visit for each process, and for each of a process's open files, until visit
    // returns false. Processes and descriptors that cannot be read are passed over.
    virtual void forEachProcess(const std::function<bool(pid_t)>& visit) const = 0;
    virtual void forEachOpenFile(pid_t process,
                                 const std::function<bool(const OpenFile&)>& visit) const = 0;
    // The process's command name; "" when it cannot be read.
    virtual std::string processName(pid_t process) const = 0;
};

// The machine this program runs on.
const SystemView& thisSystem();

struct Holder {
    pid_t process = 0;
    std::string name; // the command name, control characters replaced
};

// The first other process that has the device open, by path or by device number (a link to
// the device, another name for it); nothing when none is seen, as another user's processes
// cannot be.
std::optional<Holder> findHolder(const std::string& device,
                                 const SystemView& system = thisSystem());

// Why an open refused for permission was refused: the device's group, whether the user is in
// it or joined it after logging in, or the mode that keeps even members out. fallback when
// the device cannot be examined.
message::Message permissionDenied(const std::string& device, const message::Message& fallback,
                                  const SystemView& system = thisSystem());

// The process with its command name as it is now.
Holder holderOf(pid_t process, const SystemView& system = thisSystem());
// "in use by ModemManager (process 812)", or "in use by process 812" when its name is not seen.
message::Message inUseBy(const Holder& holder);

// "in use by ModemManager (process 812)"; unknown when no holder is seen, with what usually
// holds a USB-serial adapter.
message::Message inUse(const std::string& device, const message::Message& unknown,
                       const SystemView& system = thisSystem());

// Whether the device is a USB-serial adapter (/dev/ttyUSB*, /dev/ttyACM*).
bool isUsbSerial(std::string_view device);

// What went wrong with an adapter that vanished (unplugged, disconnected, gone at the open),
// with what usually takes a USB-serial adapter away when it is one.
message::Message vanished(const std::string& device, const message::Message& what);

} // namespace tessaro::link
