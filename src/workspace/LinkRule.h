// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When a file is written through a symbolic link: only to a file of the link's own owner (a
// link one user planted must not make another write into their own files), and never by
// making a file the link names but that does not exist (the link decides where it goes).
// Profile saves and the audit log keep to it alike.

#include "message/Message.h"

#include <filesystem>
#include <optional>

namespace tessaro::workspace {

// Why nothing may be written through path (MessageId::LinkToAnotherUsersFile or
// LinkToMissingFile); nothing when it is no symbolic link, or one to a file of its own owner.
std::optional<message::Message> linkRefusal(const std::filesystem::path& path);

} // namespace tessaro::workspace
