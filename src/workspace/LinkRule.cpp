// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/LinkRule.h"

#include <cerrno>
#include <sys/stat.h>

namespace tessaro::workspace {

std::string linkRefusal(const std::filesystem::path& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) {
        return "";
    }
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) {
        // Any other reason the file cannot be reached, opening it says.
        return errno == ENOENT ? std::string(kDanglingLinkText) : "";
    }
    return link.st_uid == target.st_uid ? "" : std::string(kForeignLinkText);
}

} // namespace tessaro::workspace
