// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "workspace/Catalogue.h"

#include <array>
#include <string>

namespace tessaro::workspace {

// The text of the list of modified parameters: for each group with a flag set, its heading,
// one line per flagged parameter, then an empty line; every line ends in CR LF.
std::string modifiedListText(const std::array<bool, kParamCount>& modified);

} // namespace tessaro::workspace
