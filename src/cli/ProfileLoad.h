// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A profile the command line shows or compares, loaded as the window's Load menu loads it.

#include "message/Message.h"
#include "workspace/Workspace.h"

#include <string>

namespace tessaro::cli {

// Loads file into the workspace: why it cannot be read, for the caller to say; skipped keys
// are warned about once on stderr.
message::Failure loadProfile(workspace::Workspace& workspace, const std::string& file);

} // namespace tessaro::cli
