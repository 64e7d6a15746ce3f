#pragma once
#include "workspace/Workspace.h"

#include <string>

namespace tessaro::cli {

// The workspace as the window shows it, tab by tab, then the list of modified parameters.
std::string workspaceListing(const workspace::Workspace& workspace);

} // namespace tessaro::cli
