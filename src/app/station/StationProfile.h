// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profile a station stores: a .pcf file chosen, or the workspace as it is now. The
// workspace is written once, as a save writes it, to a file named by its content beside the
// audit log ("profile-<first 12 hex of its SHA-256>.pcf"), so that every record's profile
// names a file that holds what was stored.

#include "message/Message.h"
#include "workspace/Workspace.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tessaro::app {

struct StationProfile {
    std::string path;                      // the file the units load
    std::string sha256;                    // lower-case hex of its bytes
    std::optional<message::Message> error; // why there is none, naming the file
};

// The SHA-256 of the bytes, in lower-case hex.
std::string sha256Hex(const std::string& bytes);

// The workspace's profile in folder, written unless a file of that name holds it already.
StationProfile workspaceProfile(const workspace::Workspace& workspace,
                                const std::filesystem::path& folder);

} // namespace tessaro::app
