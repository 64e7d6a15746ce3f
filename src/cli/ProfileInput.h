// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A .pcf profile loaded for a subcommand, with what went wrong said on the error stream.

#include "workspace/Workspace.h"

#include <string>

namespace tessaro::cli {

// Loads file into the workspace as the window's Load menu does; a file that cannot be read
// is said on stderr and gives false; skipped keys are warned about once.
bool loadProfile(workspace::Workspace& workspace, const std::string& file);

} // namespace tessaro::cli
