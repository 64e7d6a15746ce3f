// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When a file is written through a symbolic link: only to a file of the link's own owner (a
// link one user planted must not make another write into their own files), and never by
// making a file the link names but that does not exist (the link decides where it goes).
// Profile saves and the audit log keep to it alike.

#include <filesystem>
#include <string>
#include <string_view>

namespace tessaro::workspace {

inline constexpr std::string_view kForeignLinkText =
    "a symbolic link to a file of another user; not followed";
inline constexpr std::string_view kDanglingLinkText =
    "a symbolic link to a file that does not exist; not followed";

// Why nothing may be written through path; "" when it is no symbolic link, or one to a file
// of its own owner.
std::string linkRefusal(const std::filesystem::path& path);

} // namespace tessaro::workspace
