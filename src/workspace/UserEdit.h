// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A user's edit of one control given as text, as a script or the command line gives it.

#include "workspace/Workspace.h"

#include <string>
#include <string_view>

namespace tessaro::workspace {

// Applies value to the control named key as the user would: a slider or a list takes its
// position, an option takes "True" (which selects it), the continuous-paper box takes
// "True" or "False". Keys match without regard to letter case. A control the window would
// have disabled cannot be edited. Returns "" when applied, else why not (nothing changed).
std::string applyUserEdit(Workspace& workspace, std::string_view key, std::string_view value);

} // namespace tessaro::workspace
