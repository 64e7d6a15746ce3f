// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "workspace/Workspace.h"

#include <string>

namespace tessaro::cli {

// One frame as the window shows it: its caption, and the entries or options chosen in it.
std::string frameLine(const workspace::Workspace& workspace, const workspace::FrameSpec& frame);

// The workspace as the window shows it, tab by tab, then the list of modified parameters.
std::string workspaceListing(const workspace::Workspace& workspace);

} // namespace tessaro::cli
