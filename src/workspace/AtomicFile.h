// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "message/Message.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace tessaro::workspace {

// Writes content to a temporary file beside path and renames it over path once it is
// complete and flushed, so that a failed write leaves the old file as it was. The new file
// keeps the old file's permission bits. Returns nothing on success, else the path framing
// the system's reason.
std::optional<message::Message> writeFileAtomically(const std::filesystem::path& path,
                                                    std::string_view content);

} // namespace tessaro::workspace
