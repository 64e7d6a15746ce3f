// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortDiagnosis.h"

#include "workspace/UniqueFd.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tessaro::link {
namespace {

using message::Message;
using message::MessageId;
using message::Part;

// How many descriptors a search for a device's holder looks at, all processes together.
constexpr int kMaxDescriptorsSeen = 200'000;
// The largest buffer the group and user database calls are given.
constexpr std::size_t kMaxDatabaseBuffer = 1 << 20;

std::string octal(mode_t mode) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%04o", static_cast<unsigned>(mode & 07777));
    return text.data();
}

// What the permission bits (read 4, write 2) give whoever they are for ("its group"):
// "..., but the device allows its group no write (mode 0640)", or, when they give read and
// write, that something other than them refuses.
Message modeRefusal(mode_t bits, mode_t mode, MessageId who) {
    const bool read = (bits & 4) != 0;
    const bool write = (bits & 2) != 0;
    if (read && write) {
        return {MessageId::ModeLetsButRefused, {Part::verbatim(octal(mode)), Part::framed(who)}};
    }
    const MessageId missing = !read && !write ? MessageId::AccessReadAndWrite
                              : !read         ? MessageId::AccessRead
                                              : MessageId::AccessWrite;
    return {MessageId::ModeAllowsNo,
            {Part::framed(who), Part::framed(missing), Part::verbatim(octal(mode))}};
}

std::string printable(std::string name) {
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, '?');
    return name;
}

class RealSystem final : public SystemView {
  public:
    std::optional<Device> device(const std::string& path) const override {
        struct stat facts {};
        if (::stat(path.c_str(), &facts) != 0) {
            return std::nullopt;
        }
        return Device{facts.st_uid, facts.st_gid, facts.st_mode & 07777, characterDevice(facts)};
    }

    uid_t user() const override { return ::geteuid(); }

    std::optional<std::string> groupName(gid_t group) const override {
        std::optional<std::string> name;
        withDatabaseBuffer([&](std::vector<char>& buffer) {
            group_t entry{};
            group_t* found = nullptr;
            const int error = ::getgrgid_r(group, &entry, buffer.data(), buffer.size(), &found);
            if (error == 0 && found != nullptr) {
                name = found->gr_name;
            }
            return error;
        });
        return name;
    }

    bool listedInGroup(gid_t group) const override {
        std::string userName;
        gid_t primary = 0;
        withDatabaseBuffer([&](std::vector<char>& buffer) {
            passwd entry{};
            passwd* found = nullptr;
            const int error =
                ::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found);
            if (error == 0 && found != nullptr) {
                userName = found->pw_name;
                primary = found->pw_gid;
            }
            return error;
        });
        if (userName.empty()) {
            return false;
        }
        // getgrouplist says how many there are when the list is too short: twice at most.
        std::vector<gid_t> groups(64);
        for (int attempt = 0; attempt < 2; ++attempt) {
            int count = static_cast<int>(groups.size());
            if (::getgrouplist(userName.c_str(), primary, groups.data(), &count) >= 0) {
                groups.resize(static_cast<std::size_t>(count));
                return std::find(groups.begin(), groups.end(), group) != groups.end();
            }
            groups.resize(static_cast<std::size_t>(std::max(count, 0)) + 1);
        }
        return false;
    }

    bool processHasGroup(gid_t group) const override {
        if (::getegid() == group) {
            return true;
        }
        const int count = ::getgroups(0, nullptr);
        std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
        const int got = ::getgroups(static_cast<int>(groups.size()), groups.data());
        groups.resize(static_cast<std::size_t>(std::max(got, 0)));
        return std::find(groups.begin(), groups.end(), group) != groups.end();
    }

    pid_t self() const override { return ::getpid(); }

    void forEachProcess(const std::function<bool(pid_t)>& visit) const override {
        forEachEntry("/proc", [&](const char* name) {
            pid_t process = 0;
            const char* end = name + std::char_traits<char>::length(name);
            const auto [at, error] = std::from_chars(name, end, process);
            return error != std::errc{} || at != end || visit(process);
        });
    }

    void forEachOpenFile(pid_t process,
                         const std::function<bool(const OpenFile&)>& visit) const override {
        const std::string folder = "/proc/" + std::to_string(process) + "/fd";
        forEachEntry(folder.c_str(), [&](const char* name) {
            if (name[0] == '.') {
                return true;
            }
            const std::string link = folder + "/" + name;
            std::array<char, 4096> target{};
            const ssize_t length = ::readlink(link.c_str(), target.data(), target.size() - 1);
            if (length <= 0) {
                return true;
            }
            OpenFile file{std::string(target.data(), static_cast<std::size_t>(length)), {}};
            // Only what lies in /dev is looked at more closely: a file on a network share
            // that no longer answers could hold stat(2) up.
            struct stat facts {};
            if (file.target.starts_with("/dev/") && ::stat(link.c_str(), &facts) == 0) {
                file.number = characterDevice(facts);
            }
            return visit(file);
        });
    }

    std::string processName(pid_t process) const override {
        const std::string path = "/proc/" + std::to_string(process) + "/comm";
        const workspace::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        if (!fd) {
            return "";
        }
        std::array<char, 64> text{};
        const ssize_t length = ::read(fd.get(), text.data(), text.size());
        std::string name(text.data(), static_cast<std::size_t>(std::max<ssize_t>(length, 0)));
        if (name.ends_with('\n')) {
            name.pop_back();
        }
        return name;
    }

  private:
    using group_t = struct group;

    static std::optional<dev_t> characterDevice(const struct stat& facts) {
        return S_ISCHR(facts.st_mode) ? std::optional<dev_t>(facts.st_rdev) : std::nullopt;
    }

    // Runs lookup with a buffer, a larger one while it answers ERANGE, up to a limit.
    template <typename Lookup> static void withDatabaseBuffer(Lookup lookup) {
        for (std::size_t size = 4096; size <= kMaxDatabaseBuffer; size *= 4) {
            std::vector<char> buffer(size);
            if (lookup(buffer) != ERANGE) {
                return;
            }
        }
    }

    template <typename Visit> static void forEachEntry(const char* folder, Visit visit) {
        const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder), ::closedir);
        if (!dir) {
            return;
        }
        while (const dirent* entry = ::readdir(dir.get())) {
            if (!visit(entry->d_name)) {
                return;
            }
        }
    }
};

} // namespace

const SystemView& thisSystem() {
    static const RealSystem system;
    return system;
}

std::optional<Holder> findHolder(const std::string& device, const SystemView& system) {
    if (device.empty()) {
        return std::nullopt;
    }
    const auto facts = system.device(device);
    const std::optional<dev_t> number = facts ? facts->number : std::nullopt;
    const pid_t self = system.self();
    int budget = kMaxDescriptorsSeen;
    std::optional<Holder> holder;
    system.forEachProcess([&](pid_t process) {
        if (process == self) {
            return true;
        }
        system.forEachOpenFile(process, [&](const SystemView::OpenFile& file) {
            if (file.target == device || (number && file.number == number)) {
                holder = holderOf(process, system);
            }
            return !holder && --budget > 0;
        });
        return !holder && budget > 0;
    });
    return holder;
}

Message permissionDenied(const std::string& device, const Message& fallback,
                         const SystemView& system) {
    const auto facts = system.device(device);
    if (!facts) {
        return fallback;
    }
    const Part path = Part::verbatim(device);
    if (facts->owner == system.user()) {
        return {
            MessageId::PermissionYours,
            {path, Part::framed(modeRefusal(facts->mode >> 6, facts->mode, MessageId::WhoOwner))}};
    }
    const auto name = system.groupName(facts->group);
    const Part group = Part::verbatim(name.value_or(std::to_string(facts->group)));
    const mode_t groupBits = (facts->mode >> 3) & 7;
    if (system.processHasGroup(facts->group)) {
        return {
            MessageId::PermissionGroupMember,
            {path, group, Part::framed(modeRefusal(groupBits, facts->mode, MessageId::WhoGroup))}};
    }
    if ((facts->mode & 6) == 6) {
        return {MessageId::PermissionEveryone,
                {path, Part::framed(modeRefusal(6, facts->mode, MessageId::WhoEveryone))}};
    }
    if ((groupBits & 6) != 6) {
        return {
            MessageId::PermissionGroup,
            {path, group, Part::framed(modeRefusal(groupBits, facts->mode, MessageId::WhoGroup))}};
    }
    if (system.listedInGroup(facts->group)) {
        return {MessageId::PermissionJoinedLater, {path, group}};
    }
    // The system's own group, or one without a name, is not one to join.
    if (facts->group == 0 || !name) {
        return {MessageId::PermissionNotInGroup, {path, group}};
    }
    return {MessageId::PermissionJoinGroup, {path, group}};
}

Holder holderOf(pid_t process, const SystemView& system) {
    return Holder{process, printable(system.processName(process))};
}

Message inUseBy(const Holder& holder) {
    const Part number = Part::verbatim(std::to_string(holder.process));
    if (holder.name.empty()) {
        return {MessageId::InUseByProcess, {number}};
    }
    return {MessageId::InUseByNamedProcess, {Part::verbatim(holder.name), number}};
}

Message inUse(const std::string& device, const Message& unknown, const SystemView& system) {
    if (const auto holder = findHolder(device, system)) {
        return inUseBy(*holder);
    }
    if (isUsbSerial(device)) {
        return {MessageId::MayBeHeldByModemManager,
                {Part::framed(unknown), Part::verbatim(device)}};
    }
    return unknown;
}

bool isUsbSerial(std::string_view device) {
    return device.starts_with("/dev/ttyUSB") || device.starts_with("/dev/ttyACM");
}

Message vanished(const std::string& device, const Message& what) {
    if (isUsbSerial(device)) {
        return {MessageId::MayBeTakenByModemManager, {Part::framed(what)}};
    }
    return what;
}

} // namespace tessaro::link
