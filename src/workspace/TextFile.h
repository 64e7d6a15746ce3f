// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a whole file into memory, with a bound on its size so that a stray path to a huge
// file, a device or a pipe cannot exhaust memory or block.

#include "message/Message.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace tessaro::workspace {

struct TextFile {
    enum class Status { Ok, Missing, Unreadable };
    Status status = Status::Missing;
    std::string text;                      // the bytes of the file when Ok
    std::optional<message::Message> error; // when not Ok: the path, framing the reason
};

inline constexpr std::size_t kMaxProfileBytes = 16u * 1024u * 1024u;

// Missing when nothing exists at the path. Unreadable for a directory, anything else that
// is not a regular file, a permission failure, a read error, or a file over maxBytes (which
// is refused rather than read).
TextFile readTextFile(const std::filesystem::path& path, std::size_t maxBytes = kMaxProfileBytes);

} // namespace tessaro::workspace
