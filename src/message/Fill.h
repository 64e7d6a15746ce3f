// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text with %1..%9 replaced by its parts as a front end words them, in one pass: a part's
// own "%2" stays as it is. A "%" not followed by the number of a part is kept.

#include "message/Message.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::message {

std::string fill(std::string_view text, const std::vector<Part>& parts,
                 const std::function<std::string(const Part&)>& word);

} // namespace tessaro::message
