// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/LinkRule.h"

#include <cerrno>
#include <sys/stat.h>

namespace tessaro::workspace {

std::optional<message::Message> linkRefusal(const std::filesystem::path& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) {
        return std::nullopt;
    }
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) {
        // Any other reason the file cannot be reached, opening it says.
        if (errno == ENOENT) {
            return message::Message{message::MessageId::LinkToMissingFile, {}};
        }
        return std::nullopt;
    }
    if (link.st_uid != target.st_uid) {
        return message::Message{message::MessageId::LinkToAnotherUsersFile, {}};
    }
    return std::nullopt;
}

} // namespace tessaro::workspace
